// Seed corpora of the picture fuzz targets: small BMPs of every depth the reader takes, both row
// orders, and small JPEGs of every colour kind; vialtor_ziarna_obrazow OUT writes OUT/bmp and
// OUT/jpeg. Small seeds mutate better than the bundled atlas would.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "imagery/zapis_obrazu.h"
#include "io/gz_plik.h"
#include "io/strumien_rekordow.h"

namespace fs = std::filesystem;

namespace {

void dodaj(const fs::path& katalog, const std::string& nazwa, const std::vector<std::uint8_t>& dane) {
  fs::create_directories(katalog);
  zapisz_plik((katalog / nazwa).string(), {reinterpret_cast<const char*>(dane.data()), dane.size()});
}

std::uint8_t wartosc(int x, int y, int skladowa) { return static_cast<std::uint8_t>(40 * x + 70 * y + 90 * skladowa); }

obraz wzor(int szerokosc, int wysokosc) {
  obraz o;
  o.szerokosc = szerokosc;
  o.wysokosc = wysokosc;
  o.glebia = 24;
  for (int y = 0; y < wysokosc; ++y)
    for (int x = 0; x < szerokosc; ++x)
      for (int s = 0; s < 3; ++s) o.piksele.push_back(wartosc(x, y, s));
  return o;
}

// An indexed BMP of 8 or 4 bits with a palette of `kolory` entries (0: the full one).
std::vector<std::uint8_t> bmp_z_paleta(int szerokosc, int wysokosc, int glebia, int kolory, bool od_gory) {
  const int wpisy = kolory ? kolory : 1 << glebia;
  const int wiersz = (szerokosc * glebia + 31) / 32 * 4;
  const int przesuniecie = 14 + 40 + 4 * wpisy;
  pisarz_rekordow s;
  s.u8('B');
  s.u8('M');
  s.int32(przesuniecie + wiersz * wysokosc);
  s.int32(0);
  s.int32(przesuniecie);
  s.int32(40);
  s.int32(szerokosc);
  s.int32(od_gory ? -wysokosc : wysokosc);
  s.u8(1);
  s.u8(0);
  s.u8(static_cast<std::uint8_t>(glebia));
  s.u8(0);
  s.int32(0);  // no compression
  s.int32(wiersz * wysokosc);
  s.int32(2835);
  s.int32(2835);
  s.int32(kolory);
  s.int32(0);
  for (int i = 0; i < wpisy; ++i) {
    s.u8(wartosc(i, 0, 2));
    s.u8(wartosc(i, 0, 1));
    s.u8(wartosc(i, 0, 0));
    s.u8(0);
  }
  for (int y = 0; y < wysokosc; ++y) {
    std::vector<std::uint8_t> bajty(static_cast<std::size_t>(wiersz), 0);
    for (int x = 0; x < szerokosc; ++x) {
      const auto indeks = static_cast<std::uint8_t>((x + y) % wpisy);
      if (glebia == 8)
        bajty[x] = indeks;
      else
        bajty[x / 2] |= static_cast<std::uint8_t>(x % 2 ? indeks : indeks << 4);
    }
    s.bajty(bajty.data(), bajty.size());
  }
  return s.dane();
}

// The 24-bit encoder writes bottom-up rows; the top-down form differs in the height's sign
// and the row order.
std::vector<std::uint8_t> bmp_od_gory(const obraz& o) {
  std::vector<std::uint8_t> dane = koduj_bmp(o);
  const std::int32_t wysokosc = -o.wysokosc;
  std::memcpy(dane.data() + 22, &wysokosc, 4);
  const std::size_t wiersz = (static_cast<std::size_t>(o.szerokosc) * 3 + 3) / 4 * 4;
  std::uint32_t przesuniecie;
  std::memcpy(&przesuniecie, dane.data() + 10, 4);
  for (int y = 0; y < o.wysokosc / 2; ++y)
    std::swap_ranges(dane.begin() + przesuniecie + y * wiersz, dane.begin() + przesuniecie + (y + 1) * wiersz,
                     dane.begin() + przesuniecie + (o.wysokosc - 1 - y) * wiersz);
  return dane;
}

std::vector<std::uint8_t> jpeg(int szerokosc, int wysokosc, int skladowe, int jakosc) {
  std::vector<std::uint8_t> piksele;
  for (int y = 0; y < wysokosc; ++y)
    for (int x = 0; x < szerokosc; ++x)
      for (int s = 0; s < skladowe; ++s) piksele.push_back(wartosc(x, y, s));
  return koduj_jpeg(piksele.data(), szerokosc, wysokosc, skladowe, jakosc);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "użycie: vialtor_ziarna_obrazow WYNIK\n";
    return 2;
  }
  const fs::path bmp = fs::path(argv[1]) / "bmp";
  const fs::path jpg = fs::path(argv[1]) / "jpeg";
  try {
    dodaj(bmp, "rgb_3x2.bmp", koduj_bmp(wzor(3, 2)));
    dodaj(bmp, "rgb_1x1.bmp", koduj_bmp(wzor(1, 1)));
    dodaj(bmp, "rgb_od_gory_5x3.bmp", bmp_od_gory(wzor(5, 3)));
    dodaj(bmp, "paleta8_5x3.bmp", bmp_z_paleta(5, 3, 8, 0, false));
    dodaj(bmp, "paleta8_krotka_4x2.bmp", bmp_z_paleta(4, 2, 8, 6, true));
    dodaj(bmp, "paleta4_7x3.bmp", bmp_z_paleta(7, 3, 4, 0, false));
    dodaj(bmp, "paleta4_krotka_3x3.bmp", bmp_z_paleta(3, 3, 4, 5, true));
    dodaj(jpg, "szary_8x8.jpg", jpeg(8, 8, 1, 90));
    dodaj(jpg, "rgb_9x7.jpg", jpeg(9, 7, 3, 75));
    dodaj(jpg, "rgb_16x16.jpg", jpeg(16, 16, 3, 50));
    dodaj(jpg, "cmyk_5x4.jpg", jpeg(5, 4, 4, 80));
  } catch (const std::exception& b) {
    std::cerr << "vialtor_ziarna_obrazow: " << b.what() << '\n';
    return 1;
  }
  return 0;
}
