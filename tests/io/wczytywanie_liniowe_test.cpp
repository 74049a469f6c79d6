// The project reader appends points, lines and elements directly; the result must be exactly
// what building the layout one item at a time through add-point and join gives.
#include <gtest/gtest.h>

#include <random>

#include "io/generator_projektow.h"
#include "io/pliki_testowe.h"
#include "io/porownanie_ukladow.h"
#include "io/projekt.h"
#include "io/strumien_rekordow.h"
#include "support/katalog_tymczasowy.h"
#include "support/rejestrator_komunikatow.h"
#include "track/tor.h"

namespace {

// The reading as the add-point operation builds it: every point is a new point of the layout
// at (0, 0, 0) with the cursor markers cleared, which then reads its record.
void wczytaj_po_jednym(tor_uklad& u, czytnik_rekordow& s) {
  const int p0 = u.pmax();
  const int e0 = u.emax();
  const int format = s.int32();
  const int n = s.int32();
  for (int i = 0; i < n; ++i) {
    u.punkt_kursor = u.linia_kursor = u.ostatni_punkt = -1;
    u.dodaj_punkt(0, 0, 0);
    u.p.back()->wczytaj(s);
  }
  const int m = s.int32();
  for (int i = 0; i < m; ++i) {
    const int a = s.int32();
    const int b = s.int32();
    u.polacz(u.p[p0 + a], u.p[p0 + b])->wczytaj(s);
  }
  const int k = s.int32();
  for (int i = 0; i < k; ++i) {
    w_element* element = u.nowy_element(0, 0, 0);
    if (format == 1412)
      element->wczytaj(s);
    else if (format == 1411)
      element->wczytaj_1411(s);
    else
      element->wczytaj_1410(s);
  }
  for (int i = 0; i < n; ++i) {
    const int r = s.int32();
    if (r >= 0) u.p[p0 + i]->ustaw_element(u.e[e0 + r]);
  }
  u.usun_puste_elementy();
  u.przelicz_wszystko();
  u.przelicz_wszystko();
  u.ostatni_punkt = -1;
  // The records hold the second elevation absolute.
  for (int i = p0; i < u.pmax(); ++i)
    if (u.p[i]->element) u.punkt(i)->wysokosc2 -= u.p[i]->element->z;
}

void ustaw_domyslne(tor_uklad& u) {
  u.przeswit_akt = 1;
  u.promien_domyslny = 215;
  u.obiekt_domyslny = 1;
  u.szab_akt = 7;
}

// A layout that is already open, with some selection and cursor state.
void otwarty_uklad(tor_uklad& u, unsigned ziarno) {
  std::mt19937 los(ziarno);
  opcje_generatora opcje;
  // Snapped points move a little with every recompute, and adding point by point recomputes
  // what is open once per point read.
  opcje.przyciaganie = false;
  const auto dane = losowy_uklad(los, opcje);
  czytnik_rekordow s(dane);
  u.wczytaj(s);
  u.zaznacz_wszystko();
  if (u.lmax() > 0) u.l[0]->ZAZNACZ(true);
  u.punkt_kursor = u.pmax() - 1;
  u.linia_kursor = u.lmax() - 1;
  u.ostatni_punkt = 0;
}

class WczytywanieLiniowe : public ::testing::TestWithParam<int> {};

TEST_P(WczytywanieLiniowe, RownePoPunkcieDoPustegoUkladu) {
  rejestrator_komunikatow komunikaty;
  for (unsigned ziarno = 1; ziarno <= 150; ++ziarno) {
    std::mt19937 los(ziarno);
    opcje_generatora opcje;
    opcje.format = GetParam();
    const auto dane = losowy_uklad(los, opcje);

    tor_uklad oczekiwany, wynik;
    ustaw_domyslne(oczekiwany);
    ustaw_domyslne(wynik);
    czytnik_rekordow a(dane), b(dane);
    wczytaj_po_jednym(oczekiwany, a);
    wynik.wczytaj(b);
    ASSERT_EQ(roznica_ukladow(oczekiwany, wynik), "") << "ziarno " << ziarno;
    EXPECT_EQ(b.pozycja(), dane.size());
  }
  EXPECT_TRUE(komunikaty.kody.empty());
}

TEST_P(WczytywanieLiniowe, RownePoPunkcieDoOtwartegoUkladu) {
  rejestrator_komunikatow komunikaty;
  for (unsigned ziarno = 1; ziarno <= 100; ++ziarno) {
    std::mt19937 los(ziarno * 7919);
    opcje_generatora opcje;
    opcje.format = GetParam();
    const auto dane = losowy_uklad(los, opcje);

    tor_uklad oczekiwany, wynik;
    ustaw_domyslne(oczekiwany);
    ustaw_domyslne(wynik);
    otwarty_uklad(oczekiwany, ziarno);
    otwarty_uklad(wynik, ziarno);
    czytnik_rekordow a(dane), b(dane);
    wczytaj_po_jednym(oczekiwany, a);
    wynik.wczytaj(b);
    ASSERT_EQ(roznica_ukladow(oczekiwany, wynik), "") << "ziarno " << ziarno;
  }
  EXPECT_TRUE(komunikaty.kody.empty());
}

INSTANTIATE_TEST_SUITE_P(Formaty, WczytywanieLiniowe, ::testing::Values(1410, 1411, 1412));

// The commands: load clears first, add appends; both as the literal reading of the file.
TEST(WczytywanieLinioweProjektu, WczytanieIDodanieJakPoPunkcie) {
  rejestrator_komunikatow komunikaty;
  katalog_tymczasowy katalog;
  for (unsigned ziarno = 1; ziarno <= 30; ++ziarno) {
    std::mt19937 los(ziarno * 104729);
    const std::string plik = katalog.plik("p.vxm");
    opcje_generatora opcje;
    opcje.przyciaganie = false;  // the file is added to itself, and then it is open
    const auto uklad = losowy_uklad(los, opcje);
    zapisz_gz_bajty(plik, projekt_z_ukladem(uklad, 3, 1990, 12));

    tor_uklad oczekiwany, wynik;
    ustaw_domyslne(oczekiwany);
    ustaw_domyslne(wynik);
    otwarty_uklad(oczekiwany, ziarno);
    otwarty_uklad(wynik, ziarno);
    oczekiwany.punkt_kursor = oczekiwany.linia_kursor = oczekiwany.ostatni_punkt = -1;
    wynik.punkt_kursor = wynik.linia_kursor = wynik.ostatni_punkt = -1;

    oczekiwany.wyczysc();
    czytnik_rekordow s(uklad);
    wczytaj_po_jednym(oczekiwany, s);
    trasa_info trasa;
    ASSERT_TRUE(wczytaj_projekt(plik, wynik, trasa).ok);
    ASSERT_EQ(roznica_ukladow(oczekiwany, wynik), "") << "ziarno " << ziarno;

    czytnik_rekordow s2(uklad);
    wczytaj_po_jednym(oczekiwany, s2);
    ASSERT_TRUE(dodaj_do_projektu(plik, wynik).ok);
    ASSERT_EQ(roznica_ukladow(oczekiwany, wynik), "") << "ziarno " << ziarno;
  }
  EXPECT_TRUE(komunikaty.kody.empty());
}

}  // namespace
