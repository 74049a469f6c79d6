// The layout container: removal order, selection sets and the side panel's value boxes.
#include <gtest/gtest.h>

#include <cmath>

#include "support/log_tymczasowy.h"
#include "support/uklad_testowy.h"

namespace {

TEST(Usuwanie, PunktOstatniWchodziNaMiejsceLinieSiePrzesuwaja) {
  tor_uklad u;
  dodaj_punkt_toru(u, 0, 0);
  tor_punkt* B = dodaj_punkt_toru(u, 1, 0);
  tor_punkt* C = dodaj_punkt_toru(u, 2, 0);
  tor_punkt* D = dodaj_punkt_toru(u, 3, 0);
  polacz_tor(u, B, C);
  tor_linia* L1 = polacz_tor(u, C, D);
  tor_linia* L2 = polacz_tor(u, D, B);

  u.usun_linie_nr(0);
  EXPECT_EQ(u.l, (std::vector<w_linia*>{L1, L2}));
  u.usun_punkt_nr(0);
  EXPECT_EQ(u.p, (std::vector<w_punkt*>{D, B, C}));

  u.usun_punkt_nr(-1);
  u.usun_punkt_nr(3);
  u.usun_linie_nr(2);
  EXPECT_EQ(u.pmax(), 3);
  EXPECT_EQ(u.lmax(), 2);
}

TEST(Usuwanie, PunktZDwiemaLiniamiZabieraObie) {
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 0, 0);
  tor_punkt* P = dodaj_punkt_toru(u, 1, 0);
  tor_punkt* B = dodaj_punkt_toru(u, 2, 0);
  tor_punkt* C = dodaj_punkt_toru(u, 3, 0);
  polacz_tor(u, A, P);
  tor_linia* BC = polacz_tor(u, B, C);
  polacz_tor(u, P, B);
  u.usun_punkt(P);
  EXPECT_EQ(u.l, std::vector<w_linia*>{BC});
  EXPECT_EQ(A->GET_LIMAX(), 0);
  EXPECT_EQ(B->li, std::vector<w_linia*>{BC});
}

TEST(Usuwanie, DocelowyPunktZnikaZUsuwanymPunktem) {
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 0, 0);
  u.punkt_docelowy = A;
  u.usun_punkt(A);
  EXPECT_EQ(u.punkt_docelowy, nullptr);
}

// One element with two points and an inner line, two free points joined by a free line.
struct uklad_z_elementem {
  tor_uklad u;
  w_element* el;
  tor_punkt *E1, *E2, *F1, *F2;
  tor_linia *wewnatrz, *wolna;
  uklad_z_elementem() {
    el = u.nowy_element(0, 0, 0);
    E1 = dodaj_punkt_elementu(u, el, 0, 0);
    E2 = dodaj_punkt_elementu(u, el, 0, 10);
    F1 = dodaj_punkt_toru(u, 10, 0);
    F2 = dodaj_punkt_toru(u, 10, 10);
    wewnatrz = polacz_w_elemencie(u, E1, E2);
    wolna = polacz_tor(u, F1, F2);
  }
};

TEST(Zaznaczenie, WszystkoOdwrocenieIOdznaczenie) {
  uklad_z_elementem t;
  t.wolna->ustaw_zaznaczony(1);
  t.u.zaznacz_wszystko();
  EXPECT_TRUE(t.F1->CZY_ZAZNACZONY());
  EXPECT_TRUE(t.F2->CZY_ZAZNACZONY());
  EXPECT_TRUE(t.el->zaznaczony());
  EXPECT_FALSE(t.wolna->CZY_ZAZNACZONY());
  EXPECT_EQ(t.u.ile_zaznaczonych_punktow(), 4);
  EXPECT_EQ(t.u.ile_zaznaczonych_linii(), 1);  // the inner line follows its element

  t.F2->ustaw_zaznaczony(0);
  t.wolna->ustaw_zaznaczony(1);
  t.u.odwroc_zaznaczenie();
  EXPECT_FALSE(t.F1->CZY_ZAZNACZONY());
  EXPECT_TRUE(t.F2->CZY_ZAZNACZONY());
  EXPECT_FALSE(t.el->zaznaczony());
  EXPECT_FALSE(t.wolna->CZY_ZAZNACZONY());

  t.el->ustaw_zaznaczony(1);
  t.wolna->ustaw_zaznaczony(1);
  t.u.odznacz_wszystko();
  EXPECT_EQ(t.u.ile_zaznaczonych_punktow(), 0);
  EXPECT_EQ(t.u.ile_zaznaczonych_linii(), 0);
  EXPECT_FALSE(t.el->zaznaczony());
}

TEST(Zaznaczenie, ElementZaznaczonyTylkoZPunktem) {
  uklad_z_elementem t;
  w_element* pusty = t.u.nowy_element(5, 5, 0);
  pusty->ustaw_zaznaczony(1);
  t.el->ustaw_zaznaczony(1);
  EXPECT_TRUE(t.u.element_zaznaczony(t.el));
  EXPECT_FALSE(t.u.element_zaznaczony(pusty));
  EXPECT_EQ(t.u.elementy_zaznaczone(), std::vector<w_element*>{t.el});
}

TEST(Zaznaczenie, CoPodKursorem) {
  uklad_z_elementem t;
  EXPECT_EQ(t.u.co_pod_kursorem(), 0);
  t.u.punkt_kursor = 2;  // F1
  t.u.linia_kursor = 0;  // the inner line
  EXPECT_EQ(t.u.co_pod_kursorem(), 0);
  t.el->ustaw_zaznaczony(1);
  EXPECT_EQ(t.u.co_pod_kursorem(), 2);
  t.F1->ustaw_zaznaczony(1);
  EXPECT_EQ(t.u.co_pod_kursorem(), 1);
  t.u.punkt_kursor = 7;  // outside the array
  EXPECT_EQ(t.u.co_pod_kursorem(), 2);
}

TEST(Panel, WartosciWedlugTrybu) {
  uklad_z_elementem t;
  t.u.przelicz_wszystko();
  t.el->kat = 30;
  t.F1->x = 12.5;

  t.u.panel_tryb = PANEL_PUNKT;
  t.u.panel_nr = 2;
  EXPECT_EQ(t.u.panel_wartosc_1(), 12.5);
  EXPECT_EQ(t.u.panel_wartosc_2(), 0);
  t.u.panel_ustaw_1(7);
  t.u.panel_ustaw_2(8);
  EXPECT_EQ(t.F1->x, 7);
  EXPECT_EQ(t.F1->y, 8);

  t.u.panel_tryb = PANEL_LINIA;
  t.u.panel_nr = 1;  // F1 -> F2, pointing from F2 to F1: (0, -1)
  EXPECT_EQ(t.u.panel_wartosc_1(), 10);
  EXPECT_DOUBLE_EQ(t.u.panel_wartosc_2(), 90);

  t.u.panel_tryb = PANEL_ELEMENT;
  t.u.panel_nr = 0;
  EXPECT_EQ(t.u.panel_wartosc_1(), 0);
  EXPECT_EQ(t.u.panel_wartosc_2(), 330);

  t.u.panel_nr = 5;
  EXPECT_EQ(t.u.panel_wartosc_1(), 0);
  EXPECT_EQ(t.u.panel_wartosc_2(), 0);
  t.u.panel_ustaw_2(10);
  EXPECT_EQ(t.el->kat, 30);

  t.u.panel_tryb = PANEL_PUSTY;
  EXPECT_TRUE(std::isnan(t.u.panel_wartosc_1()));
  EXPECT_TRUE(std::isnan(t.u.panel_wartosc_2()));
}

TEST(Panel, KatElementuSprowadzonyDoPelnegoObrotu) {
  uklad_z_elementem t;
  t.u.panel_tryb = PANEL_ELEMENT;
  t.u.panel_nr = 0;
  const double wejscie[][2] = {{-30, 30}, {400, 320}, {360, 0}, {0, 0}, {-1000, 280}, {1090, 350}};
  for (const auto& w : wejscie) {
    t.u.panel_ustaw_2(w[0]);
    EXPECT_EQ(t.el->kat, w[1]) << w[0];
  }
  t.u.panel_ustaw_2(std::nan(""));
  EXPECT_EQ(t.el->kat, 350);
}

TEST(Panel, IndeksPozaTablicaTylkoWLogu) {
  log_tymczasowy log;
  uklad_z_elementem t;
  t.u.pokaz_punkt(4);
  t.u.pokaz_linie(-1);
  EXPECT_NE(log.tresc().find("!!! pokaz panel punkt index error [4] pmax=[4]\n"), std::string::npos);
  EXPECT_NE(log.tresc().find("!!! pokaz panel linia index error [-1] lmax=[2]\n"), std::string::npos);
}

}  // namespace
