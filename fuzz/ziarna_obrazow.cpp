// Seed corpora of the imagery fuzz targets: small BMPs of every depth the reader takes, both row
// orders, small JPEGs of every colour kind (small seeds mutate better than the bundled atlas
// would), and picture- and tile-coordinate files from the data folder and made here in both
// forms; vialtor_ziarna_obrazow DATA OUT writes OUT/bmp, OUT/jpeg, OUT/pcr and OUT/cor.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "imagery/plik_cor.h"
#include "imagery/plik_pcr.h"
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

obrazek obrazek_probny(int i) {
  obrazek o;
  o.x1 = -100.0 * i;
  o.y1 = 50;
  o.x2 = 300;
  o.y2 = 250.0 + i;
  o.rotacja = 12.5 * i;
  o.zamien_xy = i % 2 == 1;
  o.zablokowany = i == 2;
  o.sciezka = "data/pic_coords/plan_" + std::to_string(i) + ".jpg";
  o.przezroczystosc = 0.25 * (i + 1);
  return o;
}

// The older form: the count first, no locked flag.
std::vector<std::uint8_t> pcr_stary(const std::vector<obrazek>& obrazki) {
  pisarz_rekordow s;
  s.int32(static_cast<std::int32_t>(obrazki.size()));
  for (const obrazek& o : obrazki) {
    for (const double v : {o.x1, o.y1, o.x2, o.y2, o.rotacja}) s.f64(v);
    s.u8(o.zamien_xy);
    s.u8(o.widoczny);
    s.int32(static_cast<std::int32_t>(o.sciezka.size()));
    s.bajty(o.sciezka.data(), o.sciezka.size());
    s.f64(o.przezroczystosc);
  }
  return s.dane();
}

void wspolrzedne(const fs::path& dane, const fs::path& wynik) {
  for (const auto& wpis : fs::recursive_directory_iterator(dane)) {
    const std::string rozszerzenie = wpis.path().extension().string();
    if (rozszerzenie == ".pcr" || rozszerzenie == ".cor")
      dodaj(wynik / rozszerzenie.substr(1), wpis.path().filename().string(), wczytaj_gz(wpis.path().string()));
  }
  const std::vector<obrazek> obrazki = {obrazek_probny(0), obrazek_probny(1), obrazek_probny(2)};
  dodaj(wynik / "pcr", "trzy.pcr", koduj_pcr(obrazki));
  dodaj(wynik / "pcr", "trzy_stary.pcr", pcr_stary(obrazki));
  dodaj(wynik / "pcr", "pusty.pcr", koduj_pcr({}));
  wspolrzedne_satek w;
  w.kolumna = 4776;
  w.wiersz = 6190;
  w.przes_x = -150;
  w.przes_y = -120;
  w.skala = 0.005;
  dodaj(wynik / "cor", "satki.cor", koduj_cor(w));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "użycie: vialtor_ziarna_obrazow DANE WYNIK\n";
    return 2;
  }
  const fs::path bmp = fs::path(argv[2]) / "bmp";
  const fs::path jpg = fs::path(argv[2]) / "jpeg";
  try {
    wspolrzedne(argv[1], argv[2]);
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
