// Picking under the cursor, the side panel that follows the selection, and the rubber band.
#include <gtest/gtest.h>

#include "support/panel_rejestrujacy.h"
#include "support/uklad_testowy.h"

namespace {

TEST(Wskaz, RownaOdlegloscWygrywaNizszyIndeks) {
  tor_uklad u;
  dodaj_punkt_toru(u, 1, 0);
  dodaj_punkt_toru(u, -1, 0);
  dodaj_punkt_toru(u, 0, 1.5);
  u.wskaz(0, 0, 2, false, false);
  EXPECT_EQ(u.punkt_kursor, 0);
  u.wskaz(0, 0, 1, false, false);  // the distance must be below r
  EXPECT_EQ(u.punkt_kursor, -1);
  u.wskaz(0, 1, 2, false, false);
  EXPECT_EQ(u.punkt_kursor, 2);
}

TEST(Wskaz, PunktPrzedLiniaLiniaTylkoNadOdcinkiem) {
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 0, 0);
  tor_punkt* B = dodaj_punkt_toru(u, 10, 0);
  polacz_tor(u, A, B);
  polacz_tor(u, B, dodaj_punkt_toru(u, 10, 0.5));

  u.wskaz(0.3, 0, 0.5, false, false);  // on the line, and near A
  EXPECT_EQ(u.punkt_kursor, 0);
  EXPECT_EQ(u.linia_kursor, -1);

  u.wskaz(5, 0.2, 0.5, false, false);
  EXPECT_EQ(u.punkt_kursor, -1);
  EXPECT_EQ(u.linia_kursor, 0);

  u.wskaz(-0.6, 0.01, 0.5, false, false);  // beyond A: the foot falls outside the line
  EXPECT_EQ(u.linia_kursor, -1);
  u.wskaz(10.8, 0.2, 0.5, false, false);  // beyond B for the first line, beside the second
  EXPECT_EQ(u.linia_kursor, -1);
  u.wskaz(9.8, 0.25, 0.3, false, false);  // over both lines: the second is nearer
  EXPECT_EQ(u.linia_kursor, 1);
}

TEST(Wskaz, LiniaWidzianaPoPrzesunieciuPunktu) {
  // Picking recomputes each line first: a moved point is seen at once.
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 0, 0);
  tor_punkt* B = dodaj_punkt_toru(u, 10, 0);
  polacz_tor(u, A, B);
  B->y = 10;
  u.wskaz(5, 5, 0.5, false, false);
  EXPECT_EQ(u.linia_kursor, 0);
}

TEST(Wskaz, KlikZaznaczaIZapamietujeOstatniPunkt) {
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 0, 0);
  tor_punkt* B = dodaj_punkt_toru(u, 10, 0);
  tor_linia* L = polacz_tor(u, A, B);

  u.wskaz(0, 0, 1, true, false);
  EXPECT_TRUE(A->CZY_ZAZNACZONY());
  EXPECT_EQ(u.ostatni_punkt, 0);

  // A click on the line: the hovered point is -1, so the selection goes first.
  u.wskaz(5, 0, 1, false, false);
  u.wskaz(5, 0, 1, true, false);
  EXPECT_FALSE(A->CZY_ZAZNACZONY());
  EXPECT_TRUE(L->CZY_ZAZNACZONY());
  EXPECT_EQ(u.ostatni_punkt, 0);  // only points become the last clicked

  // With the keep flag the selection grows.
  u.wskaz(10, 0, 1, false, true);
  u.wskaz(10, 0, 1, true, true);
  EXPECT_TRUE(L->CZY_ZAZNACZONY());
  EXPECT_TRUE(B->CZY_ZAZNACZONY());
}

TEST(Wskaz, KlikNaZaznaczonyPunktZachowujeZaznaczenie) {
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 0, 0);
  tor_punkt* B = dodaj_punkt_toru(u, 10, 0);
  A->ustaw_zaznaczony(1);
  B->ustaw_zaznaczony(1);
  u.wskaz(0, 0, 1, false, false);
  u.wskaz(0, 0, 1, true, false);  // a press on a selected point starts a drag of all
  EXPECT_TRUE(B->CZY_ZAZNACZONY());

  B->ustaw_zaznaczony(0);
  u.wskaz(10, 0, 1, false, false);
  u.wskaz(10, 0, 1, true, false);  // an unselected point replaces the selection
  EXPECT_FALSE(A->CZY_ZAZNACZONY());
  EXPECT_TRUE(B->CZY_ZAZNACZONY());
}

TEST(Wskaz, PodswietlaElementPodKursorem) {
  tor_uklad u;
  w_element* el = u.nowy_element(0, 0, 0);
  w_element* inny = u.nowy_element(50, 0, 0);
  inny->ustaw_podswietlony(1);
  tor_punkt* A = dodaj_punkt_elementu(u, el, 0, 0);
  tor_punkt* B = dodaj_punkt_elementu(u, el, 0, 10);
  polacz_w_elemencie(u, A, B);

  u.wskaz(0, 5, 0.5, false, false);
  EXPECT_EQ(u.linia_kursor, 0);
  EXPECT_TRUE(el->podswietlony());
  EXPECT_FALSE(inny->podswietlony());
  u.wskaz(20, 5, 0.5, false, false);
  EXPECT_FALSE(el->podswietlony());
}

struct uklad_z_panelem {
  tor_uklad u;
  panel_rejestrujacy panel;
  tor_punkt *A, *B;
  tor_linia* L;
  w_element* el;
  uklad_z_panelem() {
    u.panel = &panel;
    A = dodaj_punkt_toru(u, 0, 0, 215);
    B = dodaj_punkt_toru(u, 10, 0);
    L = polacz_tor(u, A, B);
    L->obiekt = 1;
    u.przelicz_wszystko();
    el = u.nowy_element(0, 0, 0);
    el->kat = 90;
    el->przelozenie = 3;
    u.nowy_element(0, 0, 0);
  }
};

TEST(WskazPanel, PokazujeJedenZaznaczonyPunktLinieLubElement) {
  uklad_z_panelem t;
  t.u.wskaz(0, 0, 1, true, false);
  t.u.wskaz(0, 0, 1, true, false);  // the same point again: the panel already shows it
  EXPECT_EQ(t.u.panel_tryb, PANEL_PUNKT);
  EXPECT_EQ(t.u.panel_nr, 0);

  t.u.wskaz(5, 3, 1, false, false);
  t.u.wskaz(5, 0, 1, false, false);
  t.u.wskaz(5, 0, 1, true, false);
  EXPECT_EQ(t.u.panel_tryb, PANEL_LINIA);

  t.u.wskaz(10, 0, 1, false, true);
  t.u.wskaz(10, 0, 1, true, true);  // a point and a line: one point is selected
  EXPECT_EQ(t.u.panel_nr, 1);

  t.A->ustaw_zaznaczony(1);  // two points: nothing single
  t.L->ustaw_zaznaczony(0);
  t.u.wskaz(50, 50, 1, false, false);
  t.u.wskaz(60, 50, 1, false, false);
  EXPECT_EQ(t.u.panel_nr, 1);  // kept for the empty panel

  t.u.odznacz_wszystko();
  t.el->ustaw_zaznaczony(1);
  t.u.wskaz(50, 50, 1, false, false);
  EXPECT_EQ(t.u.panel_nr, 0);

  EXPECT_EQ(t.panel.wywolania, (std::vector<std::string>{"punkt 0 0 215 0", "linia 10 -90 1", "punkt 10 0 5 0",
                                                         "pusty", "element 0 270 1"}));
}

TEST(Prostokat, ZaznaczaWGranicachLubOdznacza) {
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 0, 0);
  tor_punkt* B = dodaj_punkt_toru(u, 2, 3);
  tor_punkt* C = dodaj_punkt_toru(u, 5, 5);
  tor_linia* L = polacz_tor(u, A, C);
  L->ustaw_zaznaczony(1);

  u.zaznacz_prostokat(2, 3, 0, 0, false);  // corners in any order, edges included
  EXPECT_TRUE(A->CZY_ZAZNACZONY());
  EXPECT_TRUE(B->CZY_ZAZNACZONY());
  EXPECT_FALSE(C->CZY_ZAZNACZONY());
  EXPECT_FALSE(L->CZY_ZAZNACZONY());

  u.zaznacz_prostokat(4, 4, 6, 6, true);
  EXPECT_TRUE(C->CZY_ZAZNACZONY());
  EXPECT_TRUE(A->CZY_ZAZNACZONY());

  u.zaznacz_prostokat(-1, -1, 1, 1, false);  // with a selection and no add flag: deselect
  EXPECT_FALSE(A->CZY_ZAZNACZONY());
  EXPECT_TRUE(B->CZY_ZAZNACZONY());
}

TEST(Prostokat, ZaznaczaCalyElementPoJegoPunkcie) {
  tor_uklad u;
  w_element* el = u.nowy_element(10, 10, 0);
  dodaj_punkt_elementu(u, el, 0, 0);
  tor_punkt* daleko = dodaj_punkt_elementu(u, el, 0, 100);
  u.zaznacz_prostokat(9, 9, 11, 11, false);
  EXPECT_TRUE(daleko->CZY_ZAZNACZONY());
}

}  // namespace
