#include <gtest/gtest.h>

#include "track/tor.h"

namespace {

// P at the origin, its first line towards A, its second towards B.
struct wierzcholek_fixture {
  tor_uklad uklad;
  tor_punkt* P;
  wierzcholek_fixture(double ax, double ay, double bx, double by, double promien) {
    uklad.dodaj_do_p(new tor_punkt(0, ax, ay, 0, promien, 0));
    uklad.dodaj_do_p(new tor_punkt(0, 0, 0, 0, promien, 0));
    uklad.dodaj_do_p(new tor_punkt(0, bx, by, 0, promien, 0));
    P = uklad.punkt(1);
    uklad.polacz(uklad.p[0], P);
    uklad.polacz(P, uklad.p[2]);
    uklad.przelicz_wszystko();
  }
};

TEST(Luk, PrawyKatSkreca) {
  wierzcholek_fixture w(0, -10, 10, 0, 5);
  EXPECT_EQ(w.P->skret, 1);
  EXPECT_NEAR(w.P->dlugosc_stycznej, 5, 1e-12);
  EXPECT_NEAR(w.P->srodek_x, 5, 1e-12);
  EXPECT_NEAR(w.P->srodek_y, -5, 1e-12);
  EXPECT_NEAR(w.P->kat_poczatkowy, 270, 1e-12);
  EXPECT_NEAR(w.P->kat_koncowy, 360, 1e-12);
  EXPECT_NEAR(w.P->dlugosc(), 5 * PI / 2, 1e-12);
}

}  // namespace
