#include "imagery/czytnik_jpeg.h"

#include "app/log.h"
#include "imagery/bledy_jpeg.h"
#include "imagery/plik_obrazu.h"

namespace {

// libjpeg's own memory (coefficient buffers of progressive files) is bounded too.
constexpr long MAKS_PAMIEC_LIBJPEG = 256l << 20;

// The smallest of 1/1, 1/2, 1/4, 1/8 at which both sides fit; 1/8 when none does.
unsigned dzielnik_skali(JDIMENSION szerokosc, JDIMENSION wysokosc, int maks_bok) {
  unsigned d = 1;
  if (maks_bok <= 0) return d;
  const auto miesci = [&](unsigned dz) {
    return (szerokosc + dz - 1) / dz <= static_cast<unsigned>(maks_bok) &&
           (wysokosc + dz - 1) / dz <= static_cast<unsigned>(maks_bok);
  };
  while (d < 8 && !miesci(d)) d *= 2;
  return d;
}

// One output row (greyscale, RGB or CMYK as libjpeg gives it) into RGB.
void na_rgb(const JSAMPLE* wiersz, int skladowe, bool odwrocone_cmyk, std::size_t szerokosc, std::uint8_t* cel) {
  for (std::size_t x = 0; x < szerokosc; ++x, cel += 3) {
    if (skladowe == 1) {
      cel[0] = cel[1] = cel[2] = wiersz[x];
    } else if (skladowe == 3) {
      cel[0] = wiersz[3 * x];
      cel[1] = wiersz[3 * x + 1];
      cel[2] = wiersz[3 * x + 2];
    } else {
      // Adobe writes CMYK inverted (255 = no ink); others write ink amounts.
      const JSAMPLE* p = wiersz + 4 * x;
      const auto jasnosc = [&](int i) { return odwrocone_cmyk ? p[i] : 255 - p[i]; };
      const int k = jasnosc(3);
      for (int i = 0; i < 3; ++i) cel[i] = static_cast<std::uint8_t>((jasnosc(i) * k + 127) / 255);
    }
  }
}

// Everything between the jump target and libjpeg stays in `d` and `wynik`, outside this
// frame, so a fault that jumps back leaves nothing half-destroyed here.
struct dekodowanie {
  jpeg_decompress_struct cinfo{};
  bledy_jpeg bledy{};
};

bool dekoduj(dekodowanie& d, const std::uint8_t* dane, std::size_t rozmiar, int maks_bok, obraz& wynik) {
  if (setjmp(d.bledy.powrot)) return false;
  jpeg_create_decompress(&d.cinfo);
  d.cinfo.mem->max_memory_to_use = MAKS_PAMIEC_LIBJPEG;
  jpeg_mem_src(&d.cinfo, dane, static_cast<unsigned long>(rozmiar));
  jpeg_read_header(&d.cinfo, TRUE);

  const int skladowe = d.cinfo.num_components;
  if (skladowe == 1)
    d.cinfo.out_color_space = JCS_GRAYSCALE;
  else if (skladowe == 3)
    d.cinfo.out_color_space = JCS_RGB;
  else if (skladowe == 4)
    d.cinfo.out_color_space = JCS_CMYK;  // YCCK comes out as CMYK too
  else {
    std::snprintf(d.bledy.tekst, sizeof d.bledy.tekst, "%d components", skladowe);
    return false;
  }
  d.cinfo.scale_num = 1;
  d.cinfo.scale_denom = dzielnik_skali(d.cinfo.image_width, d.cinfo.image_height, maks_bok);
  jpeg_calc_output_dimensions(&d.cinfo);
  const std::uint64_t szerokosc = d.cinfo.output_width, wysokosc = d.cinfo.output_height;
  if (szerokosc * wysokosc > MAKS_PIKSELI_OBRAZU) {
    std::snprintf(d.bledy.tekst, sizeof d.bledy.tekst, "image of %llux%llu too large",
                  static_cast<unsigned long long>(szerokosc), static_cast<unsigned long long>(wysokosc));
    return false;
  }
  wynik.szerokosc = static_cast<std::int32_t>(szerokosc);
  wynik.wysokosc = static_cast<std::int32_t>(wysokosc);
  wynik.glebia = static_cast<std::uint8_t>(skladowe);
  wynik.piksele.resize(szerokosc * wysokosc * 3);

  jpeg_start_decompress(&d.cinfo);
  JSAMPARRAY wiersz = (*d.cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d.cinfo), JPOOL_IMAGE,
                                                   d.cinfo.output_width * d.cinfo.output_components, 1);
  const bool odwrocone_cmyk = d.cinfo.saw_Adobe_marker;
  while (d.cinfo.output_scanline < d.cinfo.output_height) {
    // The file's top row goes last: `obraz` keeps the bottom row first.
    const std::uint64_t y = wysokosc - 1 - d.cinfo.output_scanline;
    if (jpeg_read_scanlines(&d.cinfo, wiersz, 1) != 1) break;
    na_rgb(wiersz[0], d.cinfo.output_components, odwrocone_cmyk, szerokosc,
           wynik.piksele.data() + y * szerokosc * 3);
  }
  jpeg_finish_decompress(&d.cinfo);
  return true;
}

}  // namespace

std::optional<obraz> dekoduj_jpeg(const std::uint8_t* dane, std::size_t rozmiar, const std::string& nazwa,
                                  int maks_bok, std::string* powod) {
  dekodowanie d;
  podlacz_bledy_jpeg(reinterpret_cast<jpeg_common_struct&>(d.cinfo), d.bledy);
  obraz wynik;
  const bool dobrze = dekoduj(d, dane, rozmiar, maks_bok, wynik);
  jpeg_destroy_decompress(&d.cinfo);
  if (!dobrze) {
    log_pisz("Error: Unable to load %s (%s)\n", nazwa.c_str(), d.bledy.tekst);
    if (powod) *powod = d.bledy.tekst;
    return std::nullopt;
  }
  if (d.bledy.ostrzezenie[0] != 0) log_pisz("JPEG %s: %s\n", nazwa.c_str(), d.bledy.ostrzezenie);
  return wynik;
}

std::optional<obraz> wczytaj_jpeg(const std::string& sciezka, int maks_bok, std::string* powod) {
  const plik_obrazu plik = wczytaj_plik_obrazu(sciezka);
  if (powod) *powod = powod_odczytu(plik);
  switch (plik.stan) {
    case odczyt_obrazu::dobrze:
      return dekoduj_jpeg(plik.dane.data(), plik.dane.size(), sciezka, maks_bok, plik.dane.empty() ? nullptr : powod);
    case odczyt_obrazu::brak_pliku:
      return std::nullopt;
    case odczyt_obrazu::za_duzy:
      log_pisz("Error: Unable to load %s (file too large)\n", sciezka.c_str());
      return std::nullopt;
    case odczyt_obrazu::blad_odczytu:
      break;
  }
  log_pisz("Error: Unable to load %s (read error)\n", sciezka.c_str());
  return std::nullopt;
}
