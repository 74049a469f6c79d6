// The plan's mouse handling on the track layout, driven by events at widget pixels.
#include <gtest/gtest.h>

#include <cmath>

#include "dokument/dokument.h"
#include "support/na_ekranie.h"
#include "support/panel_rejestrujacy.h"
#include "support/rejestrator_komunikatow.h"
#include "support/uklad_testowy.h"
#include "view/stan_edytora.h"
#include "view/sterowanie.h"

namespace {

struct plan_testowy : ::testing::Test {
  dokument dok;
  stan_edytora stan;
  sterowanie mysz{dok, stan};
  panel_rejestrujacy panel;
  rejestrator_komunikatow komunikaty;

  plan_testowy() { dok.tor.panel = &panel; }

  // The event at the widget pixel over plan point (x, y), with the buttons held after it.
  zdarzenie_myszy nad(double x, double y, bool lewy = false, bool prawy = false, bool srodkowy = false,
                      bool shift = false) const {
    const polozenie_na_ekranie p = na_ekranie(stan.kamera, x, y);
    zdarzenie_myszy z;
    z.px = p.x;
    z.py = p.y;
    z.lewy = lewy;
    z.prawy = prawy;
    z.srodkowy = srodkowy;
    z.shift = shift;
    return z;
  }
  void klik_prawym(double x, double y) {
    mysz.ruch(nad(x, y));
    mysz.nacisniecie(przycisk_myszy::prawy, nad(x, y, false, true));
    mysz.zwolnienie(przycisk_myszy::prawy, nad(x, y));
  }
  // Left press over plan point a, the cursor moved in steps over the pixels where b was at the
  // press, release there.
  void ciagnij_lewym(double ax, double ay, double bx, double by, bool shift = false, int kroki = 4) {
    zdarzenie_myszy a = nad(ax, ay, false, false, false, shift);
    const zdarzenie_myszy b = nad(bx, by, false, false, false, shift);
    mysz.ruch(a);
    a.lewy = true;
    mysz.nacisniecie(przycisk_myszy::lewy, a);
    for (int i = 1; i <= kroki; ++i) {
      zdarzenie_myszy z = a;
      z.px += (b.px - a.px) * i / kroki;
      z.py += (b.py - a.py) * i / kroki;
      mysz.ruch(z);
    }
    mysz.zwolnienie(przycisk_myszy::lewy, b);
  }
};

TEST_F(plan_testowy, PrawyKlikDodajeLancuchIZaznaczaOstatni) {
  klik_prawym(10, 10);
  klik_prawym(30, 10);
  klik_prawym(30, 40);
  tor_uklad& u = dok.tor;
  ASSERT_EQ(u.pmax(), 3);
  EXPECT_EQ(u.lmax(), 2);
  EXPECT_EQ(u.ile_zaznaczonych_punktow(), 1);
  EXPECT_TRUE(u.p[u.ostatni_punkt]->CZY_ZAZNACZONY());
  // 0.5 m is added to x only.
  EXPECT_NEAR(u.p[u.ostatni_punkt]->GET_X(), 30.5, 0.1);
  EXPECT_NEAR(u.p[u.ostatni_punkt]->GET_Y(), 40, 0.1);
  EXPECT_TRUE(dok.zmieniony());
  // The panel shows the new point, not the one before it.
  ASSERT_FALSE(panel.wywolania.empty());
  EXPECT_EQ(panel.wywolania.back().rfind("punkt 30.", 0), 0u) << panel.wywolania.back();

  // Left of the map, and below it.
  klik_prawym(-5, 20);
  klik_prawym(20, -5);
  EXPECT_EQ(u.pmax(), 3);
  EXPECT_EQ(komunikaty.kody, (std::vector<unsigned>{KOM_POZA_MAPA, KOM_POZA_MAPA}));
}

TEST_F(plan_testowy, CiagniecieTlaPrzesuwaWidokPodKursorem) {
  const double x0 = stan.kamera.przes_x;
  const double y0 = stan.kamera.przes_y;
  ciagnij_lewym(20, 20, 45, 5);
  // The plan point first pressed is under the cursor again at the end.
  EXPECT_NEAR(stan.kamera.przes_x - x0, 25, 1e-9);
  EXPECT_NEAR(stan.kamera.przes_y - y0, -15, 1e-9);
  EXPECT_FALSE(dok.zmieniony());
}

TEST_F(plan_testowy, CiagniecieZaznaczonegoPunktuIScalenie) {
  tor_uklad& u = dok.tor;
  tor_punkt* a = dodaj_punkt_toru(u, 10, 10);
  tor_punkt* b = dodaj_punkt_toru(u, 30, 10);
  tor_punkt* c = dodaj_punkt_toru(u, 60, 10);
  polacz_tor(u, a, b);
  u.przelicz_wszystko();

  // Select c, drag it away: it moves by the cursor's movement.
  mysz.ruch(nad(60, 10));
  mysz.nacisniecie(przycisk_myszy::lewy, nad(60, 10, true));
  mysz.zwolnienie(przycisk_myszy::lewy, nad(60, 10));
  ciagnij_lewym(60, 10, 60, 30);
  EXPECT_NEAR(c->GET_Y(), 30, 1e-6);
  EXPECT_NEAR(c->GET_X(), 60, 1e-6);
  EXPECT_TRUE(dok.zmieniony());

  // Dropped on b's free neighbour a merges into it.
  ciagnij_lewym(60, 30, 10, 10);
  EXPECT_EQ(u.pmax(), 2);
  EXPECT_TRUE(komunikaty.kody.empty());
}

TEST_F(plan_testowy, PunktCiagnietyDrobnymiKrokamiZostajePodKursorem) {
  // The hover under the cursor follows the dragged point all the way, however far it goes,
  // on a layout large enough for the picks to look through its grid.
  tor_uklad& u = dok.tor;
  polacz_tor(u, dodaj_punkt_toru(u, 10, 10), dodaj_punkt_toru(u, 30, 10));
  for (int i = 0; i < 1000; ++i) dodaj_punkt_toru(u, i % 40 * 100, 1000 + i / 40 * 100);
  const tor_punkt* c = dodaj_punkt_toru(u, 300, 200);
  u.przelicz_wszystko();
  mysz.ruch(nad(300, 200));
  mysz.nacisniecie(przycisk_myszy::lewy, nad(300, 200, true));
  mysz.zwolnienie(przycisk_myszy::lewy, nad(300, 200));
  mysz.nacisniecie(przycisk_myszy::lewy, nad(300, 200, true));
  for (int i = 1; i <= 200; ++i) {
    mysz.ruch(nad(300 - i, 200 - i / 2.0, true));
    ASSERT_EQ(u.punkt_kursor, u.indeks_punktu(c)) << i;
  }
}

TEST_F(plan_testowy, PunktZDwomaPolaczeniamiNieJestCelem) {
  tor_uklad& u = dok.tor;
  tor_punkt* a = dodaj_punkt_toru(u, 10, 10);
  tor_punkt* b = dodaj_punkt_toru(u, 30, 10);
  tor_punkt* c = dodaj_punkt_toru(u, 50, 10);
  tor_punkt* d = dodaj_punkt_toru(u, 80, 10);
  tor_punkt* e = dodaj_punkt_toru(u, 80, 40);
  polacz_tor(u, a, b);
  polacz_tor(u, b, c);
  polacz_tor(u, d, e);
  u.przelicz_wszystko();
  mysz.ruch(nad(80, 10));
  mysz.nacisniecie(przycisk_myszy::lewy, nad(80, 10, true));
  mysz.zwolnienie(przycisk_myszy::lewy, nad(80, 10));
  ciagnij_lewym(80, 10, 30, 10);
  // A third connection is never offered as a join target: both stay, d where it was dropped.
  EXPECT_EQ(u.pmax(), 5);
  EXPECT_EQ(u.lmax(), 3);
  EXPECT_EQ(u.punkt_docelowy, nullptr);
  EXPECT_NEAR(d->GET_X(), 30, 1e-6);
}

TEST_F(plan_testowy, RamkaWKazdymPorzadkuRogow) {
  tor_uklad& u = dok.tor;
  dodaj_punkt_toru(u, 10, 10);
  dodaj_punkt_toru(u, 20, 20);
  dodaj_punkt_toru(u, 50, 50);
  const double rogi[4][4] = {{5, 5, 25, 25}, {25, 25, 5, 5}, {5, 25, 25, 5}, {25, 5, 5, 25}};
  for (const auto& r : rogi) {
    u.odznacz_wszystko();
    mysz.ruch(nad(r[0], r[1]));
    mysz.nacisniecie(przycisk_myszy::srodkowy, nad(r[0], r[1], false, false, true));
    mysz.ruch(nad(r[2], r[3], false, false, true));
    const std::uint64_t wersja = dok.wersja();
    mysz.zwolnienie(przycisk_myszy::srodkowy, nad(r[2], r[3]));
    EXPECT_EQ(u.ile_zaznaczonych_punktow(), 2);
    // The selection is no edit's scope: the picture's caches look at everything.
    EXPECT_FALSE(dok.zmienione_od(wersja));
    EXPECT_FALSE(u.p[2]->CZY_ZAZNACZONY());
  }
  // A middle release with no press before it selects nothing.
  u.odznacz_wszystko();
  mysz.zwolnienie(przycisk_myszy::srodkowy, nad(60, 60));
  EXPECT_EQ(u.ile_zaznaczonych_punktow(), 0);
}

TEST_F(plan_testowy, RotacjaOKatZRuchuKursora) {
  tor_uklad& u = dok.tor;
  tor_punkt* a = dodaj_punkt_toru(u, 20, 10);
  a->ZAZNACZ(true);
  stan.tryb_prawego_przycisku = PRAWY_ROTACJA;
  mysz.ruch(nad(10, 10));
  mysz.nacisniecie(przycisk_myszy::prawy, nad(10, 10, false, true));
  // 1 m to the right at skala 0.02 turns by 2 degrees about the press point.
  mysz.ruch(nad(11, 10, false, true));
  mysz.zwolnienie(przycisk_myszy::prawy, nad(11, 10));
  const double kat = std::atan2(a->GET_Y() - 10, a->GET_X() - 10) * 180 / M_PI;
  EXPECT_NEAR(std::fabs(kat), 2, 1e-6);
  EXPECT_NEAR(std::hypot(a->GET_X() - 10, a->GET_Y() - 10), 10, 1e-9);
  EXPECT_TRUE(dok.zmieniony());
}

TEST_F(plan_testowy, ZwolnienieZabraneKonczyPrzeciaganie) {
  tor_uklad& u = dok.tor;
  tor_punkt* a = dodaj_punkt_toru(u, 10, 10);
  mysz.ruch(nad(10, 10));
  mysz.nacisniecie(przycisk_myszy::lewy, nad(10, 10, true));
  mysz.ruch(nad(10, 20, true));
  // A message box took the release: the next move without the button ends the drag.
  mysz.ruch(nad(10, 30));
  EXPECT_FALSE(stan.mysz.lewy_wcisniety);
  mysz.ruch(nad(10, 40));
  EXPECT_NEAR(a->GET_Y(), 20, 1e-6);
}

TEST_F(plan_testowy, UsunieciePodczasPrzeciaganiaNieScala) {
  tor_uklad& u = dok.tor;
  tor_punkt* a = dodaj_punkt_toru(u, 10, 10);
  dodaj_punkt_toru(u, 30, 10);
  tor_punkt* c = dodaj_punkt_toru(u, 10.3, 10);
  a->ZAZNACZ(true);
  mysz.ruch(nad(10, 10));
  mysz.nacisniecie(przycisk_myszy::lewy, nad(10, 10, true));
  mysz.ruch(nad(30, 10, true));
  // Delete pressed while the button is held: the dragged point is gone.
  u.usun_zaznaczone();
  mysz.po_poleceniu();
  mysz.zwolnienie(przycisk_myszy::lewy, nad(30, 10));
  EXPECT_EQ(u.pmax(), 2);
  EXPECT_EQ(u.lmax(), 0);
  EXPECT_EQ(u.indeks_punktu(c) >= 0, true);
}

TEST_F(plan_testowy, WyrownywanieObcinaPrzesunieteOPolMetra) {
  stan.wyrownywanie = true;
  stan.kamera.przes_x = 0;
  stan.kamera.przes_y = 0;
  const double surowe[3] = {3.7, -3.7, 0.3};
  const double wynik[3] = {3, -4, 0};
  for (int i = 0; i < 3; ++i) {
    mysz.ruch(nad(surowe[i], surowe[i]));
    EXPECT_EQ(stan.mysz.x, wynik[i]);
    EXPECT_EQ(stan.mysz.y, wynik[i]);
  }
}

TEST_F(plan_testowy, RuchBezZmianyNieRysuje) {
  tor_uklad& u = dok.tor;
  dodaj_punkt_toru(u, 10, 10);
  EXPECT_TRUE(mysz.ruch(nad(10, 10)));   // the point becomes hovered
  EXPECT_FALSE(mysz.ruch(nad(10.1, 10)));
  EXPECT_TRUE(mysz.ruch(nad(40, 40)));   // and stops being hovered
  EXPECT_FALSE(mysz.ruch(nad(41, 40)));
}

TEST_F(plan_testowy, ShiftDodajeDoZaznaczenia) {
  tor_uklad& u = dok.tor;
  dodaj_punkt_toru(u, 10, 10);
  dodaj_punkt_toru(u, 30, 10);
  for (double x : {10.0, 30.0}) {
    mysz.ruch(nad(x, 10, false, false, false, true));
    mysz.nacisniecie(przycisk_myszy::lewy, nad(x, 10, true, false, false, true));
    mysz.zwolnienie(przycisk_myszy::lewy, nad(x, 10, false, false, false, true));
  }
  EXPECT_EQ(u.ile_zaznaczonych_punktow(), 2);
  mysz.ruch(nad(10, 10));
  mysz.nacisniecie(przycisk_myszy::lewy, nad(10, 10, true));
  mysz.zwolnienie(przycisk_myszy::lewy, nad(10, 10));
  EXPECT_EQ(u.ile_zaznaczonych_punktow(), 2);  // pressing a selected point keeps the selection
  mysz.ruch(nad(60, 60));
  mysz.nacisniecie(przycisk_myszy::lewy, nad(60, 60, true));
  mysz.zwolnienie(przycisk_myszy::lewy, nad(60, 60));
  EXPECT_EQ(u.ile_zaznaczonych_punktow(), 0);
}

TEST_F(plan_testowy, KlikNaLiniiNieNadpisujeKierunkuWPolach) {
  tor_uklad& u = dok.tor;
  polacz_tor(u, dodaj_punkt_toru(u, 10, 10), dodaj_punkt_toru(u, 40, 10));
  u.przelicz_wszystko();
  int wpisane = 0;
  mysz.wpisz_wartosci = [&](double, double) { ++wpisane; };
  mysz.ruch(nad(25, 10));
  mysz.nacisniecie(przycisk_myszy::lewy, nad(25, 10, true));
  mysz.zwolnienie(przycisk_myszy::lewy, nad(25, 10));
  ASSERT_EQ(u.panel_tryb, PANEL_LINIA);
  mysz.nacisniecie(przycisk_myszy::lewy, nad(25, 10, true));
  mysz.zwolnienie(przycisk_myszy::lewy, nad(25, 10));
  // The bearing shown on selection stays; only a real drag writes the drag's values.
  EXPECT_EQ(wpisane, 0);
  ciagnij_lewym(25, 10, 25, 20);
  EXPECT_GT(wpisane, 0);
}

TEST_F(plan_testowy, NacisniecieBezRuchuPrzedNimNiePrzesuwa) {
  tor_uklad& u = dok.tor;
  tor_punkt* a = dodaj_punkt_toru(u, 10, 10);
  a->ZAZNACZ(true);
  mysz.ruch(nad(60, 40));
  // The press comes at a, with no move there first.
  mysz.nacisniecie(przycisk_myszy::lewy, nad(10, 10, true));
  mysz.zwolnienie(przycisk_myszy::lewy, nad(10, 10));
  EXPECT_EQ(a->GET_X(), 10);
  EXPECT_EQ(a->GET_Y(), 10);
  EXPECT_FALSE(dok.zmieniony());
}

}  // namespace
