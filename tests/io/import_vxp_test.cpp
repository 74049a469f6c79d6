// Importing a version 0.945b project: the catenary is appended, the track replaces the track
// layout, and message 23 follows every import.
#include <gtest/gtest.h>

#include "app/komunikaty.h"
#include "io/import_vxp.h"
#include "io/pliki_testowe.h"
#include "io/plik_vxp.h"
#include "support/katalog_tymczasowy.h"
#include "support/log_tymczasowy.h"
#include "support/rejestrator_komunikatow.h"
#include "support/uklad_testowy.h"
#include "track/siec.h"

namespace {

// Catenary of three points with one span from the first to the third; track of two points
// joined by a line, unversioned.
std::vector<std::uint8_t> prosty_plik() {
  pisarz_rekordow s;
  s.int32(3);
  punkt_sieci_vxp(s, 0, 0, 6);
  punkt_sieci_vxp(s, 10, 0, 6);
  punkt_sieci_vxp(s, 20, 0, 6.5f);
  s.int32(1);
  przeslo_vxp(s, 0, 2, 4);
  s.int32(2);
  punkt_toru_vxp_zapisz(s, {.x = 1, .y = 2, .promien = 25, .parametr1_mm = 1435}, false);
  punkt_toru_vxp_zapisz(s, {.x = 1, .y = 30, .promien = 30, .przeswit = 1, .obiekt = 1}, false);
  s.int32(1);
  linia_toru_vxp(s, 0, 1, 1, 1);
  return s.dane();
}

TEST(ImportVxp, SekcjaZWersjaNiesieDrugaWysokoscIParametr2) {
  katalog_tymczasowy katalog;
  pisarz_rekordow s;
  s.int32(0);
  s.int32(0);
  s.int32(0);  // versioned section
  s.int32(3);  // format 3
  s.int32(2);
  punkt_toru_vxp_zapisz(s, {.x = 0.1f, .y = -4, .z = 1, .wysokosc2 = 1.5f, .promien = 190, .przeswit = 4,
                            .parametr1_mm = 1435, .parametr2_mm = -70, .obiekt = 1, .zdarzen = 1},
                        true);
  punkt_toru_vxp_zapisz(s, {.x = 10, .promien = 25}, true);
  s.int32(1);
  linia_toru_vxp(s, 1, 0, 2, 1, 2);
  zapisz_bajty(katalog.plik("v.vxp"), s.dane());

  tor_uklad tor;
  siec_uklad siec;
  log_tymczasowy log;
  rejestrator_komunikatow komunikaty;
  const wynik_odczytu w = importuj_vxp(katalog.plik("v.vxp"), tor, siec);
  ASSERT_TRUE(w.ok) << w.blad;
  ASSERT_EQ(tor.pmax(), 2);
  const tor_punkt& a = *tor.punkt(0);
  EXPECT_EQ(a.x, static_cast<double>(0.1f));
  EXPECT_EQ(a.y, -4);
  EXPECT_EQ(a.z, 1);
  EXPECT_EQ(a.wysokosc2, 1.5);
  EXPECT_EQ(a.promien, 190);
  EXPECT_EQ(a.przeswit, 4);
  EXPECT_EQ(a.parametr1, 1.435);
  EXPECT_EQ(a.parametr2, -0.07);
  EXPECT_EQ(a.obiekt, 1);
  EXPECT_TRUE(a.zdarzenia.pusta());
  EXPECT_EQ(a.element, nullptr);
  ASSERT_EQ(tor.lmax(), 1);
  EXPECT_EQ(tor.l[0]->p1, tor.p[1]);
  EXPECT_EQ(tor.linia(0)->przeswit, 2);
  EXPECT_EQ(tor.linia(0)->obiekt, 1);
  EXPECT_TRUE(tor.l[0]->zdarzenia.pusta());
  EXPECT_GT(tor.l[0]->dl, 10);  // recomputed
  EXPECT_EQ(tor.emax(), 0);
  EXPECT_EQ(siec.pmax(), 0);
  EXPECT_EQ(log.tresc(), "wczytywanie formatu 3\n$$$ wczytany\n#komunikat: 23\n");
  EXPECT_EQ(komunikaty.teksty,
            std::vector<std::string>{"Aby projekt był kompatybilny należy wymienić rozjazdy w całem projekcie"});
}

TEST(ImportVxp, SekcjaBezWersjiZaczynaSieLiczbaPunktow) {
  katalog_tymczasowy katalog;
  zapisz_bajty(katalog.plik("s.vxp"), prosty_plik());
  tor_uklad tor;
  for (int i = 0; i < 4; ++i) dodaj_punkt_toru(tor, i, 0);
  siec_uklad siec;
  log_tymczasowy log;
  rejestrator_komunikatow komunikaty;
  ASSERT_TRUE(importuj_vxp(katalog.plik("s.vxp"), tor, siec).ok);
  ASSERT_EQ(tor.pmax(), 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(tor.punkt(i)->wysokosc2, 0);
    EXPECT_EQ(tor.punkt(i)->parametr2, 0);
    EXPECT_TRUE(tor.p[i]->CZY_ZAZNACZONY());
  }
  EXPECT_EQ(tor.punkt(0)->parametr1, 1.435);
  EXPECT_EQ(tor.punkt(1)->przeswit, 1);
  EXPECT_EQ(tor.ostatni_punkt, 1);
  EXPECT_EQ(tor.punkt_kursor, -1);
  EXPECT_EQ(tor.l[0]->dl, 28);
  EXPECT_EQ(log.tresc(), "wczytywanie starego formatu\n$$$ wczytany\n#komunikat: 23\n");
  EXPECT_EQ(komunikaty.kody, std::vector<unsigned>{KOM_WYMIEN_ROZJAZDY});
}

TEST(ImportVxp, PunktZDwomaZdarzeniamiMa62Bajty) {
  pisarz_rekordow rekord;
  punkt_toru_vxp_zapisz(rekord, {.x = 5, .zdarzen = 2}, false);
  EXPECT_EQ(rekord.dane().size(), 12u + 4 + 16 + 26 + 4);

  // The line after the record is read from the right place.
  katalog_tymczasowy katalog;
  pisarz_rekordow s;
  s.int32(0);
  s.int32(0);
  s.int32(2);
  s.bajty(rekord.dane().data(), rekord.dane().size());
  punkt_toru_vxp_zapisz(s, {.x = 9}, false);
  s.int32(1);
  linia_toru_vxp(s, 0, 1, 3, 1);
  zapisz_bajty(katalog.plik("z.vxp"), s.dane());
  tor_uklad tor;
  siec_uklad siec;
  rejestrator_komunikatow komunikaty;
  ASSERT_TRUE(importuj_vxp(katalog.plik("z.vxp"), tor, siec).ok);
  EXPECT_EQ(tor.punkt(1)->x, 9);
  EXPECT_EQ(tor.linia(0)->przeswit, 3);
  EXPECT_TRUE(tor.p[0]->zdarzenia.pusta());
}

TEST(ImportVxp, DwaImportyDajaJedenTorIDwieSieci) {
  katalog_tymczasowy katalog;
  zapisz_bajty(katalog.plik("s.vxp"), prosty_plik());
  tor_uklad tor;
  siec_uklad siec;
  rejestrator_komunikatow komunikaty;
  ASSERT_TRUE(importuj_vxp(katalog.plik("s.vxp"), tor, siec).ok);
  ASSERT_TRUE(importuj_vxp(katalog.plik("s.vxp"), tor, siec).ok);
  EXPECT_EQ(tor.pmax(), 2);
  EXPECT_EQ(tor.lmax(), 1);
  ASSERT_EQ(siec.pmax(), 6);
  ASSERT_EQ(siec.lmax(), 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(siec.l[i]->p1, siec.p[3 * i]);
    EXPECT_EQ(siec.l[i]->p2, siec.p[3 * i + 2]);
    EXPECT_EQ(static_cast<const siec_linia*>(siec.l[i])->typ, 4);
  }
  EXPECT_EQ(siec.p[2]->z, 6.5);
  // Only the last catenary point read stays selected.
  for (int i = 0; i < 6; ++i) EXPECT_EQ(siec.p[i]->CZY_ZAZNACZONY(), i == 5) << i;
  EXPECT_EQ(komunikaty.kody, (std::vector<unsigned>{KOM_WYMIEN_ROZJAZDY, KOM_WYMIEN_ROZJAZDY}));
}

TEST(ImportVxp, PrzesloPodaneDwaRazyPowstajeRazZPierwszymTypem) {
  katalog_tymczasowy katalog;
  pisarz_rekordow s;
  s.int32(3);
  for (int i = 0; i < 3; ++i) punkt_sieci_vxp(s, static_cast<float>(i), 0, 0);
  s.int32(3);
  przeslo_vxp(s, 0, 2, 1);
  przeslo_vxp(s, 2, 0, 3);
  przeslo_vxp(s, 1, 1, 2);  // a point joined to itself makes nothing
  // An empty track section: a section starting with 0 carries its format number.
  for (int i = 0; i < 4; ++i) s.int32(0);
  zapisz_bajty(katalog.plik("p.vxp"), s.dane());
  tor_uklad tor;
  siec_uklad siec;
  rejestrator_komunikatow komunikaty;
  ASSERT_TRUE(importuj_vxp(katalog.plik("p.vxp"), tor, siec).ok);
  ASSERT_EQ(siec.lmax(), 1);
  EXPECT_EQ(static_cast<const siec_linia*>(siec.l[0])->typ, 1);
  EXPECT_EQ(siec.p[1]->GET_LIMAX(), 0);
}

TEST(ImportVxp, PrzykladowyPlikIBrakPliku) {
  rejestrator_komunikatow komunikaty;
  tor_uklad tor;
  siec_uklad siec;
  const wynik_odczytu w = importuj_vxp(std::string(VIALTOR_ZRODLA) + "/data/projects/elblag_0945b.vxp", tor, siec);
  ASSERT_TRUE(w.ok) << w.blad;
  EXPECT_GT(tor.pmax(), 0);
  EXPECT_GT(siec.pmax(), 0);
  EXPECT_EQ(komunikaty.kody, std::vector<unsigned>{KOM_WYMIEN_ROZJAZDY});

  log_tymczasowy log;
  const int punkty = tor.pmax();
  const wynik_odczytu brak = importuj_vxp("/nie/ma/takiego.vxp", tor, siec);
  EXPECT_FALSE(brak.ok);
  EXPECT_EQ(komunikaty.kody, (std::vector<unsigned>{KOM_WYMIEN_ROZJAZDY, KOM_TEKST}));
  EXPECT_EQ(log.tresc(), "Blok save: Błąd zapisu pliku!\n!!! nie można otworzyć pliku /nie/ma/takiego.vxp (No such file or directory)\n");
  EXPECT_EQ(tor.pmax(), punkty);
}

}  // namespace
