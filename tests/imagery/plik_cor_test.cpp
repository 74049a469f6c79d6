// Tile-coordinate files: the 32 bytes, refusals that change nothing, saving beside the target.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "imagery/plik_cor.h"
#include "io/blad_pliku.h"
#include "io/gz_plik.h"
#include "support/katalog_tymczasowy.h"
#include "support/log_tymczasowy.h"
#include "support/rejestrator_komunikatow.h"

namespace {

const wspolrzedne_satek PRZYKLAD{4780, -6192, -45.5, 117.25, 0.006};

TEST(PlikCor, TrzydziesciDwaBajty) {
  const std::vector<std::uint8_t> d = koduj_cor(PRZYKLAD);
  ASSERT_EQ(d.size(), ROZMIAR_COR);
  std::int32_t k, w;
  double x, y, s;
  std::memcpy(&k, &d[0], 4);
  std::memcpy(&w, &d[4], 4);
  std::memcpy(&x, &d[8], 8);
  std::memcpy(&y, &d[16], 8);
  std::memcpy(&s, &d[24], 8);
  EXPECT_EQ(k, 4780);
  EXPECT_EQ(w, -6192);
  EXPECT_EQ(x, -45.5);
  EXPECT_EQ(y, 117.25);
  EXPECT_EQ(s, 0.006);
  EXPECT_EQ(d[0], 0xac);  // little-endian: 4780 = 0x12ac
}

TEST(PlikCor, ZapisIOdczyt) {
  katalog_tymczasowy katalog;
  const std::string sciezka = katalog.plik("a.cor");
  ASSERT_TRUE(zapisz_cor(sciezka, PRZYKLAD));
  EXPECT_EQ(wczytaj_gz(sciezka), koduj_cor(PRZYKLAD));
  const std::optional<wspolrzedne_satek> w = wczytaj_cor(sciezka);
  ASSERT_TRUE(w);
  EXPECT_EQ(koduj_cor(*w), koduj_cor(PRZYKLAD));
}

TEST(PlikCor, ZleWartosciOdrzucone) {
  const auto z = [](std::size_t gdzie, double v) {
    std::vector<std::uint8_t> d = koduj_cor(PRZYKLAD);
    std::memcpy(&d[gdzie], &v, 8);
    return d;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* nazwa;
    std::vector<std::uint8_t> dane;
  } przypadki[] = {
      {"pusty", {}},           {"31 bajtow", std::vector<std::uint8_t>(31)},
      {"NaN x", z(8, nan)},    {"nieskonczony y", z(16, -inf)},
      {"skala 0", z(24, 0)},   {"skala ujemna", z(24, -0.02)},
      {"skala NaN", z(24, nan)}, {"skala ogromna", z(24, 1e6)},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    EXPECT_THROW(dekoduj_cor(p.dane), blad_pliku);
  }
}

TEST(PlikCor, OdrzuconyZKomunikatemLubPoCichu) {
  katalog_tymczasowy katalog;
  std::vector<std::uint8_t> krotki = koduj_cor(PRZYKLAD);
  krotki.resize(20);
  zapisz_gz(katalog.plik("krotki.cor"), krotki);
  log_tymczasowy log;
  rejestrator_komunikatow komunikaty;
  for (const char* nazwa : {"krotki.cor", "brak.cor"}) EXPECT_FALSE(wczytaj_cor_po_cichu(katalog.plik(nazwa)));
  EXPECT_TRUE(komunikaty.kody.empty());
  EXPECT_EQ(log.tresc(), "");
  for (const char* nazwa : {"krotki.cor", "brak.cor"}) EXPECT_FALSE(wczytaj_cor(katalog.plik(nazwa)));
  EXPECT_EQ(komunikaty.kody, (std::vector<unsigned>{KOM_TEKST, KOM_TEKST}));
  EXPECT_EQ(komunikaty.teksty[0].rfind("plik " + katalog.plik("krotki.cor") + " nie został wczytany: ", 0), 0u)
      << komunikaty.teksty[0];
  EXPECT_EQ(komunikaty.teksty[1], "nie można otworzyć pliku " + katalog.plik("brak.cor") + " (No such file or directory)");
  EXPECT_EQ(log.tresc(), "sat-coords load: Błąd zapisu pliku!\n!!! " + komunikaty.teksty[0] +
                             "\nsat-coords load: Błąd zapisu pliku!\n!!! " + komunikaty.teksty[1] + "\n");
}

TEST(PlikCor, NieudanyZapisZostawiaStaryPlik) {
  katalog_tymczasowy katalog;
  log_tymczasowy log;
  rejestrator_komunikatow komunikaty;
  EXPECT_FALSE(zapisz_cor(katalog.plik("brak/a.cor"), PRZYKLAD));
  EXPECT_EQ(komunikaty.teksty, std::vector<std::string>{"nie można zapisać pliku " + katalog.plik("brak/a.cor") +
                                                         " (No such file or directory); plik na dysku pozostał bez zmian"});
  EXPECT_EQ(log.tresc(), "sat-coords save: Błąd zapisu pliku!\n!!! " + komunikaty.teksty[0] + "\n");
}

}  // namespace
