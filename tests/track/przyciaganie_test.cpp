// Free track joined to a turnout continues the turnout's own line at the joint.
#include <gtest/gtest.h>

#include <cmath>

#include "support/uklad_testowy.h"

namespace {

// A turnout (element at `x`, `y`, turned by `kat`) with its joint K at local (0, 0) and an inner
// point K0 at local (0, -10); a free point F is joined to K.
struct rozjazd {
  tor_uklad u;
  w_element* el;
  tor_punkt *K0, *K, *F;
  tor_linia *O, *L;
  // od_stawu: the turnout line starts at the joint (its direction points out of the turnout).
  rozjazd(bool od_stawu, double fx, double fy, double promien_stawu = 5, double kat = 0) {
    el = u.nowy_element(100, 50, 0);
    el->kat = kat;
    K0 = dodaj_punkt_elementu(u, el, 0, -10);
    K = dodaj_punkt_elementu(u, el, 0, 0, promien_stawu);
    O = od_stawu ? polacz_w_elemencie(u, K, K0) : polacz_w_elemencie(u, K0, K);
    F = dodaj_punkt_toru(u, fx, fy);
    L = polacz_tor(u, K, F);
    u.przelicz_wszystko();
  }
  // F's distance from the turnout line's continuation.
  double z_boku() const {
    const double dx = F->GET_X() - K->GET_X(), dy = F->GET_Y() - K->GET_Y();
    return std::fabs(O->kx * dy - O->ky * dx);
  }
};

TEST(Przyciaganie, WolnyPunktSiadaNaPrzedluzeniu) {
  rozjazd r(true, 100 + 1, 50 + 5);
  EXPECT_EQ(r.F->x, 100);
  EXPECT_EQ(r.F->y, 55);
  EXPECT_FALSE(r.L->blad);
}

TEST(Przyciaganie, ZaStawemPoprawnieZaPrzedStawemBlad) {
  // Radius 0 at the joint: the reversal there gives no tangent, so only the backward rule flags.
  rozjazd za(true, 100 + 1, 50 + 5, 0);
  EXPECT_FALSE(za.L->blad);
  rozjazd przed(true, 100 + 1, 50 - 3, 0);
  EXPECT_EQ(przed.F->y, 47);
  EXPECT_EQ(przed.K->dlugosc_stycznej, 0);
  EXPECT_TRUE(przed.L->blad);
}

TEST(Przyciaganie, LiniaRozjazduOdwrotnieZamieniaWyniki) {
  rozjazd za(false, 100 + 1, 50 + 5, 0);
  EXPECT_EQ(za.F->y, 55);
  EXPECT_TRUE(za.L->blad);
  rozjazd przed(false, 100 + 1, 50 - 3, 0);
  EXPECT_FALSE(przed.L->blad);
}

TEST(Przyciaganie, ObroconyRozjazdWeWspolrzednychSwiata) {
  rozjazd r(true, 130, 80, 5, 30);
  EXPECT_LT(r.z_boku(), 1e-9);
  EXPECT_FALSE(r.L->blad);
  // The turnout's line K0 -> K has bearing 30 in the world; F continues it.
  const double fx = r.F->GET_X() - r.K->GET_X(), fy = r.F->GET_Y() - r.K->GET_Y();
  EXPECT_NEAR(azymut({fx, fy}), 30, 1e-9);
}

TEST(Przyciaganie, StawZJednaLiniaNiePrzyciaga) {
  tor_uklad u;
  w_element* el = u.nowy_element(0, 0, 0);
  tor_punkt* K = dodaj_punkt_elementu(u, el, 0, 0);
  tor_punkt* F = dodaj_punkt_toru(u, 3, 4);
  tor_linia* L = polacz_tor(u, K, F);
  u.przelicz_wszystko();
  EXPECT_EQ(F->x, 3);
  EXPECT_EQ(F->y, 4);
  EXPECT_EQ(L->dl, 5);
  EXPECT_FALSE(L->blad);
}

TEST(Przyciaganie, DwieWolneLinieWJednymStawieKoncza) {
  // Each line's recompute asks for the other one first; neither may start the other's again.
  tor_uklad u;
  w_element* el = u.nowy_element(0, 0, 0);
  tor_punkt* K = dodaj_punkt_elementu(u, el, 0, 0);
  tor_punkt* F1 = dodaj_punkt_toru(u, 1, 10);
  tor_punkt* F2 = dodaj_punkt_toru(u, 2, -10);
  polacz_tor(u, K, F1);
  polacz_tor(u, F2, K);
  u.przelicz_wszystko();
  u.przelicz_wszystko();
  // K, F1 and F2 end on one straight line.
  const double iloczyn = (F1->GET_X() - K->GET_X()) * (F2->GET_Y() - K->GET_Y()) -
                         (F1->GET_Y() - K->GET_Y()) * (F2->GET_X() - K->GET_X());
  EXPECT_NEAR(iloczyn, 0, 1e-9);
}

}  // namespace
