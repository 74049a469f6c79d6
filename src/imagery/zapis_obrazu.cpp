#include "imagery/zapis_obrazu.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "imagery/bledy_jpeg.h"

namespace {

void dopisz_u16(std::vector<std::uint8_t>& v, std::uint32_t x) {
  v.push_back(static_cast<std::uint8_t>(x));
  v.push_back(static_cast<std::uint8_t>(x >> 8));
}
void dopisz_u32(std::vector<std::uint8_t>& v, std::uint32_t x) {
  dopisz_u16(v, x & 0xffff);
  dopisz_u16(v, x >> 16);
}

struct kodowanie {
  jpeg_compress_struct cinfo{};
  bledy_jpeg bledy{};
  unsigned char* wynik = nullptr;
  unsigned long rozmiar = 0;
};

bool koduj(kodowanie& k, const std::uint8_t* piksele, int szerokosc, int wysokosc, int skladowe, int jakosc) {
  if (setjmp(k.bledy.powrot)) return false;
  jpeg_create_compress(&k.cinfo);
  jpeg_mem_dest(&k.cinfo, &k.wynik, &k.rozmiar);
  k.cinfo.image_width = static_cast<JDIMENSION>(szerokosc);
  k.cinfo.image_height = static_cast<JDIMENSION>(wysokosc);
  k.cinfo.input_components = skladowe;
  k.cinfo.in_color_space = skladowe == 1 ? JCS_GRAYSCALE : skladowe == 3 ? JCS_RGB : JCS_CMYK;
  jpeg_set_defaults(&k.cinfo);
  jpeg_set_quality(&k.cinfo, jakosc, TRUE);
  jpeg_start_compress(&k.cinfo, TRUE);
  const std::size_t dlugosc = static_cast<std::size_t>(szerokosc) * static_cast<std::size_t>(skladowe);
  while (k.cinfo.next_scanline < k.cinfo.image_height) {
    // JPEG starts with the top row.
    JSAMPROW wiersz = const_cast<JSAMPROW>(piksele + (wysokosc - 1 - k.cinfo.next_scanline) * dlugosc);
    jpeg_write_scanlines(&k.cinfo, &wiersz, 1);
  }
  jpeg_finish_compress(&k.cinfo);
  return true;
}

}  // namespace

std::vector<std::uint8_t> koduj_bmp(const obraz& o) {
  const std::uint32_t dlugosc_wiersza = (static_cast<std::uint32_t>(o.szerokosc) * 3 + 3) / 4 * 4;
  const std::uint32_t rozmiar_pikseli = dlugosc_wiersza * static_cast<std::uint32_t>(o.wysokosc);
  std::vector<std::uint8_t> v;
  v.reserve(54 + rozmiar_pikseli);
  dopisz_u16(v, 19778);  // "BM"
  dopisz_u32(v, 54 + rozmiar_pikseli);
  dopisz_u32(v, 0);
  dopisz_u32(v, 54);
  dopisz_u32(v, 40);
  dopisz_u32(v, static_cast<std::uint32_t>(o.szerokosc));
  dopisz_u32(v, static_cast<std::uint32_t>(o.wysokosc));
  dopisz_u16(v, 1);
  dopisz_u16(v, 24);
  dopisz_u32(v, 0);  // uncompressed
  dopisz_u32(v, rozmiar_pikseli);
  dopisz_u32(v, 2835);  // 72 dpi
  dopisz_u32(v, 2835);
  dopisz_u32(v, 0);
  dopisz_u32(v, 0);
  for (std::int32_t y = 0; y < o.wysokosc; ++y) {
    const std::uint8_t* wiersz = o.piksele.data() + static_cast<std::size_t>(y) * o.szerokosc * 3;
    for (std::int32_t x = 0; x < o.szerokosc; ++x) {
      v.push_back(wiersz[3 * x + 2]);
      v.push_back(wiersz[3 * x + 1]);
      v.push_back(wiersz[3 * x]);
    }
    v.resize(v.size() + (dlugosc_wiersza - static_cast<std::uint32_t>(o.szerokosc) * 3), 0);
  }
  return v;
}

std::vector<std::uint8_t> koduj_jpeg(const std::uint8_t* piksele, int szerokosc, int wysokosc, int skladowe,
                                     int jakosc) {
  if (szerokosc <= 0 || wysokosc <= 0 || (skladowe != 1 && skladowe != 3 && skladowe != 4))
    throw std::invalid_argument("koduj_jpeg: zły rozmiar obrazu lub liczba składowych");
  kodowanie k;
  podlacz_bledy_jpeg(reinterpret_cast<jpeg_common_struct&>(k.cinfo), k.bledy);
  const bool dobrze = koduj(k, piksele, szerokosc, wysokosc, skladowe, jakosc);
  jpeg_destroy_compress(&k.cinfo);
  std::vector<std::uint8_t> wynik;
  if (dobrze) wynik.assign(k.wynik, k.wynik + k.rozmiar);
  std::free(k.wynik);
  if (!dobrze) throw std::runtime_error(std::string("koduj_jpeg: ") + k.bledy.tekst);
  return wynik;
}
