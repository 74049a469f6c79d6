// Ending a drag: the dragged point merges into the target point.
#include <gtest/gtest.h>

#include <cmath>

#include "support/rejestrator_komunikatow.h"
#include "support/uklad_testowy.h"

namespace {

TEST(Scal, LiniePrzechodzaNaCelWTejSamejRoli) {
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, -10, 0);
  tor_punkt* D = dodaj_punkt_toru(u, 0, 0);
  tor_punkt* B = dodaj_punkt_toru(u, 0, 10);
  tor_punkt* T = dodaj_punkt_toru(u, 0.2, 0.1);
  tor_linia* L1 = polacz_tor(u, D, A);
  tor_linia* L2 = polacz_tor(u, B, D);
  u.punkt_kursor = 1;
  u.punkt_docelowy = T;
  u.scal();

  EXPECT_EQ(u.p, (std::vector<w_punkt*>{A, T, B}));
  EXPECT_EQ(L1->p1, T);
  EXPECT_EQ(L2->p2, T);
  EXPECT_EQ(T->li, (std::vector<w_linia*>{L1, L2}));
  EXPECT_EQ(A->li, std::vector<w_linia*>{L1});
  EXPECT_EQ(T->x, 0.2);  // a free point stays where it is
  EXPECT_EQ(u.punkt_kursor, -1);
  EXPECT_EQ(u.punkt_docelowy, nullptr);
  EXPECT_EQ(T->skret, -1);  // recomputed: T is now a curve vertex
}

TEST(Scal, PunktElementuZostajeTamGdzieByl) {
  tor_uklad u;
  w_element* el = u.nowy_element(10, 20, 0);
  el->kat = 30;
  tor_punkt* E = dodaj_punkt_elementu(u, el, 0, -10);
  tor_punkt* D = dodaj_punkt_elementu(u, el, 2, 1);
  polacz_w_elemencie(u, E, D);
  tor_punkt* T = dodaj_punkt_toru(u, 0, 0);
  polacz_tor(u, T, dodaj_punkt_toru(u, -20, 0));
  const double x = D->GET_X(), y = D->GET_Y();
  T->x = x + 0.1;
  T->y = y - 0.1;

  u.punkt_kursor = u.indeks_punktu(D);
  u.punkt_docelowy = T;
  u.scal();
  EXPECT_EQ(T->element, el);
  EXPECT_NEAR(T->GET_X(), x, 1e-12);
  EXPECT_NEAR(T->GET_Y(), y, 1e-12);
  EXPECT_EQ(u.pmax(), 3);
  EXPECT_EQ(E->GET_LINIA(0)->drugi_koniec(E), T);
}

TEST(Scal, ZaDuzoPolaczenOdmowaZKomunikatem4) {
  rejestrator_komunikatow komunikaty;
  tor_uklad u;
  tor_punkt* D = dodaj_punkt_toru(u, 0, 0);
  tor_punkt* T = dodaj_punkt_toru(u, 0.1, 0);
  polacz_tor(u, D, dodaj_punkt_toru(u, -10, 0));
  polacz_tor(u, D, dodaj_punkt_toru(u, 0, -10));
  polacz_tor(u, T, dodaj_punkt_toru(u, 10, 0));
  u.punkt_kursor = 0;
  u.punkt_docelowy = T;
  u.scal();
  EXPECT_EQ(komunikaty.kody, std::vector<unsigned>{4});
  EXPECT_EQ(komunikaty.teksty[0], "Punkt może mieć najwyżej dwa połączenia. Punkty nie zostały połaczone!");
  EXPECT_EQ(u.pmax(), 5);
  EXPECT_EQ(D->GET_LIMAX(), 2);
  EXPECT_EQ(u.punkt_kursor, -1);
  EXPECT_EQ(u.punkt_docelowy, nullptr);
}

TEST(Scal, KursorNaCeluLubNaSasiedzieCeluNicNieScala) {
  // The hover pick before the release may move the cursor mark onto the target or its neighbour.
  tor_uklad u;
  tor_punkt* T = dodaj_punkt_toru(u, 0, 0);
  tor_punkt* S = dodaj_punkt_toru(u, 0.1, 0);
  tor_linia* TS = polacz_tor(u, T, S);
  u.punkt_kursor = 0;
  u.punkt_docelowy = T;
  u.scal();
  EXPECT_EQ(u.pmax(), 2);
  EXPECT_EQ(u.l, std::vector<w_linia*>{TS});

  u.punkt_kursor = 1;
  u.punkt_docelowy = T;
  u.scal();
  EXPECT_EQ(u.pmax(), 2);
  EXPECT_NE(TS->p1, TS->p2);
  EXPECT_EQ(T->li, std::vector<w_linia*>{TS});
}

}  // namespace
