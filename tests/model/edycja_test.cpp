// Editing the selection: dragging with a join target, turning, mirroring, making parallel, framing.
#include <gtest/gtest.h>

#include <cmath>

#include "support/rejestrator_komunikatow.h"
#include "support/uklad_testowy.h"

namespace {

TEST(Przesuwanie, KonceZaznaczonychLiniiRazemZPunktami) {
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 0, 0);
  tor_punkt* B = dodaj_punkt_toru(u, 10, 0);
  tor_punkt* C = dodaj_punkt_toru(u, 20, 0);
  tor_punkt* D = dodaj_punkt_toru(u, 30, 0);
  tor_punkt* E = dodaj_punkt_toru(u, 40, 0);
  polacz_tor(u, A, B)->ustaw_zaznaczony(1);
  polacz_tor(u, B, C)->ustaw_zaznaczony(1);
  tor_linia* CD = polacz_tor(u, C, D);
  polacz_tor(u, D, E);
  C->ustaw_zaznaczony(1);
  E->ustaw_zaznaczony(1);

  u.przesun_zaznaczone(1, 2, 0.5);
  // Every moved point moves once, shared ends and selected ends included.
  for (tor_punkt* t : {A, B, C}) EXPECT_EQ(t->y, 2);
  EXPECT_EQ(B->x, 11);
  EXPECT_EQ(D->y, 0);
  EXPECT_EQ(E->x, 41);
  EXPECT_DOUBLE_EQ(CD->dl, std::sqrt(85.0));  // recomputed
}

TEST(Przesuwanie, ElementPrzesuwaSieCaly) {
  tor_uklad u;
  w_element* el = u.nowy_element(5, 5, 0);
  tor_punkt* K = dodaj_punkt_elementu(u, el, 1, 0);
  tor_punkt* F = dodaj_punkt_toru(u, 20, 0);
  polacz_tor(u, K, F)->ustaw_zaznaczony(1);  // a line with an element end moves no ends
  K->ZAZNACZ(true);
  u.przesun_zaznaczone(2, -1, 0.5);
  EXPECT_EQ(el->x, 7);
  EXPECT_EQ(el->y, 4);
  EXPECT_EQ(K->x, 1);
  EXPECT_EQ(K->y, 0);
  EXPECT_EQ(F->x, 20);
}

TEST(Przesuwanie, CelNajblizszyMozliwyNiepolaczony) {
  tor_uklad u;
  tor_punkt* D = dodaj_punkt_toru(u, 0, 0);
  tor_punkt* polaczony = dodaj_punkt_toru(u, 0.1, 0);
  dodaj_punkt_toru(u, 0.15, 0, 5, 1);  // another gauge
  tor_punkt* pelny = dodaj_punkt_toru(u, 0, 0.2);
  polacz_tor(u, pelny, dodaj_punkt_toru(u, 0, 50));
  polacz_tor(u, pelny, dodaj_punkt_toru(u, 50, 0));
  polacz_tor(u, D, polaczony);
  tor_punkt* dobry = dodaj_punkt_toru(u, -0.3, 0);
  dodaj_punkt_toru(u, -0.4, 0);
  D->ustaw_zaznaczony(1);
  u.punkt_kursor = 0;

  u.przesun_zaznaczone(-1, 0, 0.5);  // D at -1: nothing within 0.5
  EXPECT_EQ(u.punkt_docelowy, nullptr);
  u.przesun_zaznaczone(1, 0, 0.5);
  EXPECT_EQ(u.punkt_docelowy, dobry);
  u.przesun_zaznaczone(0, 0, 0.25);
  EXPECT_EQ(u.punkt_docelowy, nullptr);
}

TEST(Przesuwanie, CelNieLaczyDwochElementow) {
  tor_uklad u;
  w_element* el = u.nowy_element(0, 0, 0);
  w_element* drugi = u.nowy_element(0, 0, 0);
  dodaj_punkt_elementu(u, el, 0, 0);  // the dragged point
  dodaj_punkt_elementu(u, drugi, 0.1, 0);
  tor_punkt* wolny = dodaj_punkt_toru(u, 0.3, 0);
  u.punkt_kursor = 0;
  u.przesun_zaznaczone(0, 0, 0.5);
  EXPECT_EQ(u.punkt_docelowy, wolny);
}

TEST(Obracanie, PunktyWokolSrodkaElementyKatemRazDoZakresu) {
  tor_uklad u;
  tor_punkt* P = dodaj_punkt_toru(u, 3, 1);
  P->ustaw_zaznaczony(1);
  w_element* el = u.nowy_element(1, 1, 0);
  dodaj_punkt_elementu(u, el, 0, 0);
  el->ustaw_zaznaczony(1);
  w_element* bez_punktow = u.nowy_element(3, 1, 0);
  bez_punktow->ustaw_zaznaczony(1);

  u.obroc_zaznaczone(1, 1, 90);
  EXPECT_NEAR(P->x, 1, 1e-12);
  EXPECT_NEAR(P->y, 3, 1e-12);
  EXPECT_EQ(el->x, 1);  // turned about its own origin
  EXPECT_EQ(el->y, 1);
  EXPECT_EQ(el->kat, 270);
  EXPECT_EQ(bez_punktow->x, 3);  // no point of it reports selected

  el->kat = 350;
  u.obroc_zaznaczone(1, 1, -30);
  EXPECT_EQ(el->kat, 20);
  el->kat = 0;
  u.obroc_zaznaczone(1, 1, -720);
  EXPECT_EQ(el->kat, 360);  // brought back once only

  u.odznacz_wszystko();
  el->kat = 10;
  u.obroc_zaznaczone(1, 1, 30);
  EXPECT_EQ(el->kat, 10);
}

TEST(Elementy, OdbicieDwaRazyPrzywracaPunkty) {
  tor_uklad u;
  w_element* el = u.nowy_element(0, 0, 0);
  el->kat = 30;
  tor_punkt* A = dodaj_punkt_elementu(u, el, 1.5, 2.25);
  tor_punkt* B = dodaj_punkt_elementu(u, el, -3, -4.5);
  w_element* inny = u.nowy_element(0, 0, 0);
  tor_punkt* C = dodaj_punkt_elementu(u, inny, 7, 8);
  el->ustaw_zaznaczony(1);

  u.odbij_elementy();
  EXPECT_EQ(A->y, -2.25);
  EXPECT_EQ(B->y, 4.5);
  EXPECT_EQ(C->y, 8);
  EXPECT_TRUE(el->odbity);
  u.odbij_elementy();
  EXPECT_EQ(A->x, 1.5);
  EXPECT_EQ(A->y, 2.25);
  EXPECT_EQ(B->y, -4.5);
  EXPECT_FALSE(el->odbity);
  EXPECT_FALSE(inny->odbity);
}

TEST(Elementy, Obrot180) {
  tor_uklad u;
  w_element* a = u.nowy_element(0, 0, 0);
  w_element* b = u.nowy_element(0, 0, 0);
  w_element* c = u.nowy_element(0, 0, 0);
  a->kat = 180;
  b->kat = 200;
  c->kat = 200;
  a->ustaw_zaznaczony(1);
  b->ustaw_zaznaczony(1);
  u.obroc_elementy_180();
  EXPECT_EQ(a->kat, 360);
  EXPECT_EQ(b->kat, 20);
  EXPECT_EQ(c->kat, 200);
}

// A reference line R (selected) from (0, 0) to (10, 0), a free target line T from (0, 5) to
// (10, 7), and an element with an inner line and a line to free track.
struct rownolegle {
  tor_uklad u;
  rejestrator_komunikatow komunikaty;
  tor_linia *R, *T, *wewnatrz, *do_elementu;
  w_element* el;
  rownolegle() {
    R = polacz_tor(u, dodaj_punkt_toru(u, 0, 0), dodaj_punkt_toru(u, 10, 0));
    T = polacz_tor(u, dodaj_punkt_toru(u, 0, 5), dodaj_punkt_toru(u, 10, 7));
    el = u.nowy_element(50, 50, 0);
    tor_punkt* E1 = dodaj_punkt_elementu(u, el, 0, 0);
    tor_punkt* E2 = dodaj_punkt_elementu(u, el, 0, 10);
    wewnatrz = polacz_w_elemencie(u, E1, E2);
    do_elementu = polacz_tor(u, E2, dodaj_punkt_toru(u, 60, 70));
    u.przelicz_wszystko();
    R->ustaw_zaznaczony(1);
  }
};

TEST(Rownolegle, WolnaLiniaObracaSieWokolKonca) {
  rownolegle t;
  t.u.linia_kursor = 1;
  t.u.ustaw_rownolegle();
  EXPECT_EQ(t.T->p1->GET_X(), 0);
  EXPECT_EQ(t.T->p1->GET_Y(), 7);
  EXPECT_EQ(t.T->p2->GET_Y(), 7);
  EXPECT_EQ(t.T->dl, 10);  // the layout is recomputed
  EXPECT_TRUE(t.komunikaty.kody.empty());
}

TEST(Rownolegle, ElementPodPunktemLubLinia) {
  rownolegle t;
  t.R->p1->y = 10;  // d = (0, 10) - (10, 0) = (-10, 10): kat = -45 + 90
  const double przed = t.do_elementu->dl;
  t.u.punkt_kursor = 4;  // a point of the element
  t.u.ustaw_rownolegle();
  EXPECT_DOUBLE_EQ(t.el->kat, 45);
  EXPECT_NE(t.do_elementu->dl, przed);  // the layout is recomputed

  rownolegle w;
  w.R->p1->x = 10;
  w.R->p1->y = 10;  // d = (0, 10): kat = 0 + 90
  w.u.linia_kursor = 2;  // the inner line
  w.u.ustaw_rownolegle();
  EXPECT_EQ(w.el->kat, 90);
}

TEST(Rownolegle, LiniaZJednymKoncemWElemencieBezZmian) {
  rownolegle t;
  t.u.linia_kursor = 3;
  const double x = t.do_elementu->p2->x, y = t.do_elementu->p2->y;
  t.u.ustaw_rownolegle();
  EXPECT_EQ(t.el->kat, 0);
  EXPECT_EQ(t.do_elementu->p2->x, x);
  EXPECT_EQ(t.do_elementu->p2->y, y);
  EXPECT_TRUE(t.komunikaty.kody.empty());
}

TEST(Rownolegle, OdmowyZKomunikatami) {
  rownolegle t;
  t.T->ustaw_zaznaczony(1);  // two references
  t.u.linia_kursor = 1;
  t.u.ustaw_rownolegle();
  t.R->ustaw_zaznaczony(0);
  t.T->ustaw_zaznaczony(0);  // none
  t.u.ustaw_rownolegle();
  t.R->ustaw_zaznaczony(1);
  t.u.linia_kursor = -1;  // pointing at nothing
  t.u.ustaw_rownolegle();
  EXPECT_EQ(t.komunikaty.kody, (std::vector<unsigned>{26, 26, 27}));
  EXPECT_EQ(t.komunikaty.teksty[0], "Aby zrównoleglić elementy należy zaznaczyć tylko jeden odcinek wzorcowy!");
  EXPECT_EQ(t.komunikaty.teksty[2], "Aby zrównoleglić element należy dokładnie na niego wskazać!");
  EXPECT_EQ(t.T->p1->GET_Y(), 5);
}

TEST(Kadr, Wszystko) {
  tor_uklad u;
  kadr k = u.pokaz_wszystko();
  EXPECT_TRUE(k.ma_srodek);
  EXPECT_EQ(k.x, 0);
  EXPECT_EQ(k.y, 0);
  EXPECT_FALSE(k.ma_skale);

  dodaj_punkt_toru(u, 5, -2);
  k = u.pokaz_wszystko();
  EXPECT_EQ(k.x, -5);
  EXPECT_EQ(k.y, 2);
  EXPECT_FALSE(k.ma_skale);

  dodaj_punkt_toru(u, 5, -2);
  k = u.pokaz_wszystko();  // all in one place: centred, zoom kept
  EXPECT_TRUE(k.ma_srodek);
  EXPECT_EQ(k.x, -5);
  EXPECT_FALSE(k.ma_skale);

  w_element* el = u.nowy_element(0, 0, 0);
  el->kat = 180;
  dodaj_punkt_elementu(u, el, 1, 0);  // world (-1, 0)
  dodaj_punkt_toru(u, 5, 4);
  k = u.pokaz_wszystko();
  EXPECT_DOUBLE_EQ(k.x, -2);
  EXPECT_DOUBLE_EQ(k.y, -1);
  EXPECT_TRUE(k.ma_skale);
  EXPECT_DOUBLE_EQ(k.skala, 1.9 / 6);
}

TEST(Kadr, Zaznaczone) {
  tor_uklad u;
  EXPECT_TRUE(u.pokaz_zaznaczone().ma_srodek);

  tor_punkt* A = dodaj_punkt_toru(u, 5, -2);
  EXPECT_FALSE(u.pokaz_zaznaczone().ma_srodek);
  A->ustaw_zaznaczony(1);
  kadr k = u.pokaz_zaznaczone();
  EXPECT_TRUE(k.ma_srodek);
  EXPECT_EQ(k.x, -5);

  tor_punkt* B = dodaj_punkt_toru(u, 5, 8);
  dodaj_punkt_toru(u, 100, 100);
  k = u.pokaz_zaznaczone();  // one selected of many
  EXPECT_EQ(k.x, -5);
  EXPECT_EQ(k.y, 2);
  EXPECT_FALSE(k.ma_skale);

  B->ustaw_zaznaczony(1);
  k = u.pokaz_zaznaczone();  // the same x: no zoom
  EXPECT_EQ(k.y, -3);
  EXPECT_FALSE(k.ma_skale);

  B->x = 7;
  k = u.pokaz_zaznaczone();
  EXPECT_EQ(k.x, -6);
  EXPECT_TRUE(k.ma_skale);
  EXPECT_EQ(k.skala, 1.9 / 10);

  u.odznacz_wszystko();
  EXPECT_FALSE(u.pokaz_zaznaczone().ma_srodek);
}

}  // namespace
