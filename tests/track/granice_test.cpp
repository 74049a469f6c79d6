// Boundaries of the arc fitting, the radius slider, turning and picking, where an off-by-one or
// a < for a <= changes what the user sees.
#include <gtest/gtest.h>

#include <cmath>

#include "support/uklad_testowy.h"
#include "track/geometria.h"
#include "track/przeswity.h"

namespace {

TEST(Granice, ProstyWierzcholekZResztaZaokraglenDajeLukZerowy) {
  // Three points on one straight line, chosen so that rounding makes the vertex turn a hair's
  // breadth: no arc, no fault.
  const double kierunek = 9 * 0.173;
  const double dx = std::cos(kierunek) * 3;
  const double dy = std::sin(kierunek) * 3;
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 100, 200);
  tor_punkt* P = dodaj_punkt_toru(u, 100 + dx, 200 + dy, 50);
  tor_punkt* B = dodaj_punkt_toru(u, 100 + 2 * dx, 200 + 2 * dy);
  polacz_tor(u, A, P);
  polacz_tor(u, P, B);
  u.przelicz_wszystko();
  ASSERT_NE(P->skret, 0) << "the rounding case this test is about";
  EXPECT_EQ(P->kat_koncowy, P->kat_poczatkowy);  // not a full circle
  EXPECT_LT(P->dlugosc(), 1e-6);
  EXPECT_LT(P->dlugosc_stycznej, 1e-6);
  EXPECT_TRUE(u.sprawdz_geometrie());
}

TEST(Granice, KoniecLukuPonizejPoczatku) {
  EXPECT_EQ(koniec_luku(90, 120), 120);
  EXPECT_EQ(koniec_luku(90, 90), 90);
  // A rounding remainder: a zero arc, not a full circle.
  EXPECT_EQ(koniec_luku(270.00000000000006, 270), 270.00000000000006);
  EXPECT_EQ(koniec_luku(10 + 5e-10, 10), 10 + 5e-10);
  // A real turn across north goes round once.
  EXPECT_EQ(koniec_luku(350, 10), 370);
  EXPECT_EQ(koniec_luku(10 + 2e-9, 10), 370);
  EXPECT_EQ(koniec_luku(700, 10), 730);
}

TEST(Granice, SuwakPromieniaNaStykuMetrowITablicy) {
  EXPECT_EQ(promien_suwaka(SUWAK_MIN), 18);
  EXPECT_EQ(promien_suwaka(90), 90);
  EXPECT_EQ(promien_suwaka(91), 95);
  EXPECT_EQ(promien_suwaka(SUWAK_MAX), 1200);
  EXPECT_EQ(pozycja_suwaka(90.99), 90);
  EXPECT_EQ(pozycja_suwaka(95), 91);
  EXPECT_EQ(pozycja_suwaka(1200), 100);
  EXPECT_EQ(pozycja_suwaka(17.99), -1);
  EXPECT_EQ(pozycja_suwaka(101), -1);
}

TEST(Granice, ObrotKonczacySieNa360DajeZero) {
  tor_uklad u;
  w_element* el = u.nowy_element(0, 0, 0);
  el->kat = 350;
  tor_punkt* K = dodaj_punkt_elementu(u, el, 10, 0);
  K->ZAZNACZ(true);
  u.obroc_zaznaczone(0, 0, -10);
  EXPECT_EQ(el->kat, 0);
  u.obroc_zaznaczone(0, 0, 10);
  EXPECT_EQ(el->kat, 350);
}

TEST(Granice, LiniaWskazanaTylkoNadOdcinkiem) {
  // The line's end point lies farther than the pick radius from the cursor in both cases,
  // so only the line can be picked.
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 0, 0);
  tor_punkt* B = dodaj_punkt_toru(u, 10, 0);
  polacz_tor(u, A, B);
  const double r = 1;
  u.wskaz(10 - 0.9 * r, 0.5 * r, r, false, false);
  EXPECT_EQ(u.punkt_kursor, -1);
  EXPECT_EQ(u.linia_kursor, 0);
  u.wskaz(10 + 0.4 * r, 0.95 * r, r, false, false);
  EXPECT_EQ(u.punkt_kursor, -1);
  EXPECT_EQ(u.linia_kursor, -1);
}

}  // namespace
