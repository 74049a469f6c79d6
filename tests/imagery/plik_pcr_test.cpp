// Picture-coordinate files: both forms, byte layout, round trips and every kind of damage; a
// refused file leaves the pictures on screen.
#include <gtest/gtest.h>

#include <cstring>

#include "imagery/plik_pcr.h"
#include "io/blad_pliku.h"
#include "io/gz_plik.h"
#include "io/strumien_rekordow.h"
#include "support/katalog_tymczasowy.h"
#include "support/log_tymczasowy.h"
#include "support/rejestrator_komunikatow.h"

namespace {

tekstury_obrazkow bez_tekstur() {
  return {[](const std::string&, std::string&) { return 0u; }, [](unsigned& id) { id = 0; }};
}

std::vector<obrazek> dwa_obrazki() {
  obrazek a;
  a.x1 = -10.5, a.y1 = 2, a.x2 = 30, a.y2 = 40.25, a.rotacja = 12.5;
  a.zamien_xy = true, a.widoczny = false, a.zablokowany = true;
  a.sciezka = "C:\\mapy\\plan.bmp";
  a.przezroczystosc = 0.375;
  obrazek b;
  b.sciezka = "";
  return {a, b};
}

void jak_zapisany(const obrazek& jest, const obrazek& byl) {
  EXPECT_EQ(jest.x1, byl.x1);
  EXPECT_EQ(jest.y1, byl.y1);
  EXPECT_EQ(jest.x2, byl.x2);
  EXPECT_EQ(jest.y2, byl.y2);
  EXPECT_EQ(jest.rotacja, byl.rotacja);
  EXPECT_EQ(jest.zamien_xy, byl.zamien_xy);
  EXPECT_EQ(jest.widoczny, byl.widoczny);
  EXPECT_EQ(jest.sciezka, byl.sciezka);
  EXPECT_EQ(jest.przezroczystosc, byl.przezroczystosc);
  EXPECT_EQ(jest.tekstura, 0u);
  EXPECT_FALSE(jest.tekstura_wczytana);
}

TEST(PlikPcr, UkladBajtow) {
  const std::vector<std::uint8_t> dane = koduj_pcr(dwa_obrazki());
  ASSERT_EQ(dane.size(), 12u + (55 + 16) + 55);
  czytnik_rekordow s(dane);
  EXPECT_EQ(s.int32(), 0);
  EXPECT_EQ(s.int32(), 1410);
  EXPECT_EQ(s.int32(), 2);
  EXPECT_EQ(s.f64(), -10.5);
  EXPECT_EQ(s.f64(), 2);
  EXPECT_EQ(s.f64(), 30);
  EXPECT_EQ(s.f64(), 40.25);
  EXPECT_EQ(s.f64(), 12.5);
  EXPECT_EQ(s.u8(), 1);  // swap
  EXPECT_EQ(s.u8(), 0);  // visible
  EXPECT_EQ(s.u8(), 1);  // locked
  EXPECT_EQ(s.int32(), 16);
  EXPECT_EQ(std::memcmp(dane.data() + s.pozycja(), "C:\\mapy\\plan.bmp", 16), 0);
  s.pomin(16);
  EXPECT_EQ(s.f64(), 0.375);
}

TEST(PlikPcr, ZapisIOdczytTymiSamymiBajtami) {
  katalog_tymczasowy katalog;
  const std::string sciezka = katalog.plik("a.pcr");
  lista_obrazkow lista(bez_tekstur());
  lista.zastap(dwa_obrazki());
  ASSERT_TRUE(zapisz_pcr(lista, sciezka));
  lista_obrazkow druga(bez_tekstur());
  log_tymczasowy log;
  ASSERT_TRUE(wczytaj_pcr(druga, sciezka));
  ASSERT_EQ(druga.obrazki().size(), 2u);
  jak_zapisany(druga.obrazki()[0], dwa_obrazki()[0]);
  EXPECT_TRUE(druga.obrazki()[0].zablokowany);
  jak_zapisany(druga.obrazki()[1], dwa_obrazki()[1]);
  EXPECT_EQ(log.tresc(), "} wczytywanie 2 tektur(y)\n} tekstura 0: [C:\\mapy\\plan.bmp]\n} tekstura 1: []\n");
  EXPECT_EQ(koduj_pcr(druga.obrazki()), wczytaj_gz(sciezka));
}

// The older form: the count first, no locked flag.
std::vector<std::uint8_t> stary_plik(std::int32_t licznik, int rekordy) {
  pisarz_rekordow p;
  p.int32(licznik);
  for (int i = 0; i < rekordy; ++i) {
    for (double v : {1.0, 2.0, 3.0, 4.0, 90.0}) p.f64(v * (i + 1));
    p.u8(0);
    p.u8(1);
    p.int32(3);
    p.bajty("x.b", 3);
    p.f64(0.5);
  }
  return p.dane();
}

TEST(PlikPcr, StaryFormat) {
  bool stary = false;
  const std::vector<obrazek> o = dekoduj_pcr(stary_plik(2, 2), stary);
  EXPECT_TRUE(stary);
  ASSERT_EQ(o.size(), 2u);
  EXPECT_EQ(o[1].x1, 2);
  EXPECT_EQ(o[1].rotacja, 180);
  EXPECT_TRUE(o[1].widoczny);
  EXPECT_FALSE(o[1].zablokowany);
  EXPECT_EQ(o[1].sciezka, "x.b");
  EXPECT_EQ(o[1].przezroczystosc, 0.5);

  katalog_tymczasowy katalog;
  const std::string sciezka = katalog.plik("stary.pcr");
  zapisz_gz(sciezka, stary_plik(1, 1));
  lista_obrazkow lista(bez_tekstur());
  log_tymczasowy log;
  ASSERT_TRUE(wczytaj_pcr(lista, sciezka));
  EXPECT_EQ(log.tresc(), "} wczytywanie starego formatu - 1 tektur(y)\n} tekstura 0: [x.b]\n");
}

TEST(PlikPcr, UcieciaNaKazdejGranicyOdrzucone) {
  const std::vector<std::uint8_t> nowy = koduj_pcr(dwa_obrazki());
  const std::vector<std::uint8_t> stary = stary_plik(2, 2);
  for (const auto* pelny : {&nowy, &stary}) {
    for (std::size_t n = 0; n < pelny->size(); ++n) {
      SCOPED_TRACE(n);
      const std::vector<std::uint8_t> uciety(pelny->begin(), pelny->begin() + static_cast<std::ptrdiff_t>(n));
      bool s = false;
      EXPECT_THROW(dekoduj_pcr(uciety, s), blad_pliku);
    }
  }
}

TEST(PlikPcr, ZleLicznikiDlugosciIWartosciOdrzucone) {
  const auto zmien = [](std::size_t gdzie, const auto& wartosc) {
    std::vector<std::uint8_t> d = koduj_pcr(dwa_obrazki());
    std::memcpy(d.data() + gdzie, &wartosc, sizeof wartosc);
    return d;
  };
  constexpr std::size_t DLUGOSC_SCIEZKI = 12 + 43;
  const struct {
    const char* nazwa;
    std::vector<std::uint8_t> dane;
  } przypadki[] = {
      {"ujemny poczatek", zmien(0, std::int32_t{-1})},
      {"nieznany format", zmien(4, std::int32_t{1411})},
      {"ujemna liczba", zmien(8, std::int32_t{-2})},
      {"ogromna liczba", zmien(8, std::int32_t{0x7fffffff})},
      {"liczba o jeden za duza", zmien(8, std::int32_t{3})},
      {"ujemna dlugosc sciezki", zmien(DLUGOSC_SCIEZKI, std::int32_t{-1})},
      {"ogromna dlugosc sciezki", zmien(DLUGOSC_SCIEZKI, std::int32_t{0x7ffffff0})},
      {"sciezka za koncem", zmien(DLUGOSC_SCIEZKI, std::int32_t{16 + 8 + 55 + 1})},
      {"NaN", zmien(12, std::numeric_limits<double>::quiet_NaN())},
      {"nieskonczony obrot", zmien(12 + 32, std::numeric_limits<double>::infinity())},
      {"stary z ogromna liczba", stary_plik(0x7fffffff, 1)},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    bool s = false;
    EXPECT_THROW(dekoduj_pcr(p.dane, s), blad_pliku);
  }
}

TEST(PlikPcr, OdrzuconyPlikZostawiaObrazki) {
  katalog_tymczasowy katalog;
  lista_obrazkow lista(bez_tekstur());
  lista.zastap(dwa_obrazki());
  std::vector<std::uint8_t> zly = koduj_pcr(dwa_obrazki());
  zly.pop_back();
  zapisz_gz(katalog.plik("zly.pcr"), zly);
  zapisz_gz(katalog.plik("obcy.pcr"), std::vector<std::uint8_t>{0, 0, 0, 0, 7, 0, 0, 0});
  log_tymczasowy log;
  rejestrator_komunikatow komunikaty;
  EXPECT_FALSE(wczytaj_pcr(lista, katalog.plik("zly.pcr")));
  EXPECT_FALSE(wczytaj_pcr(lista, katalog.plik("obcy.pcr")));
  EXPECT_FALSE(wczytaj_pcr(lista, katalog.plik("brak.pcr")));
  EXPECT_EQ(lista.obrazki().size(), 2u);
  EXPECT_EQ(komunikaty.kody, (std::vector<unsigned>(3, KOM_TEKST)));
  EXPECT_NE(komunikaty.teksty[0].find("zly.pcr"), std::string::npos);
  EXPECT_EQ(komunikaty.teksty[2], "nie można otworzyć pliku " + katalog.plik("brak.pcr") + " (No such file or directory)");
  const std::string linia = "pic-coords load: Błąd odczytu pliku!\n";
  EXPECT_EQ(log.tresc().find(linia), 0u);
  EXPECT_NE(log.tresc().rfind(linia), 0u);
}

TEST(PlikPcr, NieudanyZapisZgloszony) {
  katalog_tymczasowy katalog;
  lista_obrazkow lista(bez_tekstur());
  lista.zastap(dwa_obrazki());
  // A folder in the file's place cannot be replaced: the write is refused after it was made.
  const std::string folder = katalog.plik("folder.pcr");
  std::filesystem::create_directory(folder);
  log_tymczasowy log;
  rejestrator_komunikatow komunikaty;
  EXPECT_FALSE(zapisz_pcr(lista, katalog.plik("brak_katalogu/a.pcr")));
  EXPECT_FALSE(zapisz_pcr(lista, folder));
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_EQ(komunikaty.kody, (std::vector<unsigned>{KOM_TEKST, KOM_TEKST}));
  EXPECT_EQ(komunikaty.teksty[0], "nie można zapisać pliku " + katalog.plik("brak_katalogu/a.pcr") +
                                      " (No such file or directory); plik na dysku pozostał bez zmian");
  EXPECT_NE(komunikaty.teksty[1].find("pozostał bez zmian"), std::string::npos);
  const std::string linia = "pic-coords save: Błąd zapisu pliku!\n";
  EXPECT_EQ(log.tresc(), linia + "!!! " + komunikaty.teksty[0] + "\n" + linia + "!!! " + komunikaty.teksty[1] + "\n");
}

}  // namespace
