// Points and lines of the network model: line lists, element frames, selection, recompute.
#include <gtest/gtest.h>

#include "support/log_tymczasowy.h"
#include "support/uklad_testowy.h"
#include "track/siec.h"

namespace {

TEST(ListaLinii, DolaczanieIOdlaczanieZachowujeKolejnosc) {
  tor_uklad u;
  tor_punkt* P = dodaj_punkt_toru(u, 0, 0);
  tor_linia* L1 = polacz_tor(u, P, dodaj_punkt_toru(u, 1, 0));
  tor_linia* L2 = polacz_tor(u, dodaj_punkt_toru(u, 0, 1), P);
  tor_linia* L3 = polacz_tor(u, P, dodaj_punkt_toru(u, -1, 0));
  ASSERT_EQ(P->li, (std::vector<w_linia*>{L1, L2, L3}));

  u.usun_linie(L2);
  EXPECT_EQ(P->li, (std::vector<w_linia*>{L1, L3}));
  EXPECT_EQ(P->GET_LIMAX(), 2);
  EXPECT_EQ(P->GET_LINIA(1), L3);

  u.usun_linie(L1);
  u.usun_linie(L3);
  EXPECT_EQ(P->GET_LIMAX(), 0);
}

TEST(ListaLinii, BledySpojnosciTrafiajaDoLoguINieNiszczaListy) {
  log_tymczasowy log;
  tor_uklad u;
  tor_punkt* P = dodaj_punkt_toru(u, 0, 0);
  tor_punkt* Q = dodaj_punkt_toru(u, 1, 0);
  tor_punkt* R = dodaj_punkt_toru(u, 2, 0);
  tor_linia* PQ = polacz_tor(u, P, Q);
  tor_linia* QR = polacz_tor(u, Q, R);

  P->usun_linie(QR);  // not P's line
  EXPECT_NE(log.tresc().find("FATALNY BŁĄD!!! - usuwania w_linii z w_punktu - brak usuwanej linii w punkcje\n"),
            std::string::npos);
  EXPECT_EQ(P->li, std::vector<w_linia*>{PQ});

  siec_punkt pusty(0, 0, 0);
  pusty.usun_linie(PQ);
  EXPECT_NE(log.tresc().find("FATALNY BŁĄD!!! - nadmiarowe usuwanie w_linii z w_punktu\n"), std::string::npos);
  EXPECT_EQ(pusty.GET_LIMAX(), 0);

  // Deleting P through the layout still removes its real line from Q.
  u.usun_punkt(P);
  EXPECT_EQ(Q->li, std::vector<w_linia*>{QR});
}

TEST(ListaLinii, PunktUsuwanyZLiniamiZapisujeBlad) {
  log_tymczasowy log;
  {
    siec_punkt punkt(0, 0, 0);
    punkt.dodaj_linie(nullptr);
    punkt.dodaj_linie(nullptr);
  }
  EXPECT_NE(log.tresc().find("!!!!!FATALNY BŁĄD - usuwany punkt ma 2 wskaźnik(i) na linie\n"), std::string::npos);
}

TEST(UkladElementu, WspolrzedneSwiataPrzezObrot) {
  tor_uklad u;
  w_element* el = u.nowy_element(10, 20, 3);
  el->kat = 90;
  tor_punkt* P = dodaj_punkt_elementu(u, el, 1, 0);
  P->z = 2;
  EXPECT_DOUBLE_EQ(P->GET_X(), 10);
  EXPECT_DOUBLE_EQ(P->GET_Y(), 19);
  EXPECT_EQ(P->GET_Z(), 5);

  el->kat = 30;
  P->x = 2;
  P->y = 1;
  const double a = 30 * STOPNIE_NA_RADIANY;
  EXPECT_EQ(P->GET_X(), std::cos(a) * 2 + std::sin(a) * 1 + 10);
  EXPECT_EQ(P->GET_Y(), std::cos(a) * 1 - std::sin(a) * 2 + 20);
}

TEST(UkladElementu, SetOdejmujePoczatekBezObrotu) {
  tor_uklad u;
  w_element* el = u.nowy_element(10, 20, 3);
  el->kat = 45;
  tor_punkt* P = dodaj_punkt_elementu(u, el, 0, 0);
  P->SET_X(15);
  P->SET_Y(18);
  P->SET_Z(4);
  EXPECT_EQ(P->x, 5);
  EXPECT_EQ(P->y, -2);
  EXPECT_EQ(P->z, 1);

  tor_punkt* wolny = dodaj_punkt_toru(u, 0, 0);
  wolny->SET_X(15);
  EXPECT_EQ(wolny->x, 15);
}

TEST(UkladElementu, ZaznaczenieJednegoPunktuZaznaczaCalyElement) {
  tor_uklad u;
  w_element* el = u.nowy_element(0, 0, 0);
  tor_punkt* A = dodaj_punkt_elementu(u, el, 0, 0);
  tor_punkt* B = dodaj_punkt_elementu(u, el, 0, 10);
  tor_linia* wewnatrz = polacz_w_elemencie(u, A, B);
  tor_punkt* F = dodaj_punkt_toru(u, 0, 20);
  tor_linia* na_zewnatrz = polacz_tor(u, B, F);

  A->ZAZNACZ(true);
  EXPECT_TRUE(el->zaznaczony());
  EXPECT_TRUE(B->CZY_ZAZNACZONY());
  EXPECT_TRUE(wewnatrz->CZY_ZAZNACZONY());
  EXPECT_FALSE(na_zewnatrz->CZY_ZAZNACZONY());
  EXPECT_FALSE(F->CZY_ZAZNACZONY());
  EXPECT_FALSE(A->zaznaczony());  // the point's own flag is not used

  wewnatrz->ZAZNACZ_WLASNY(false);  // inner lines keep the element's flag
  EXPECT_TRUE(el->zaznaczony());
  wewnatrz->ZAZNACZ(false);
  EXPECT_FALSE(A->CZY_ZAZNACZONY());

  na_zewnatrz->ZAZNACZ_WLASNY(true);
  EXPECT_TRUE(na_zewnatrz->CZY_ZAZNACZONY());
  EXPECT_FALSE(el->zaznaczony());
}

TEST(PrzeliczenieLinii, DlugoscIKierunekOdKoncaDoPoczatku) {
  siec_uklad u;
  w_punkt* A = u.utworz_punkt(0, 0, 0);
  w_punkt* B = u.utworz_punkt(3, 4, 0);
  u.dodaj_do_p(A);
  u.dodaj_do_p(B);
  w_linia* L = u.polacz(A, B);
  EXPECT_EQ(L->dl, 0);  // not computed until the layout's recompute
  u.przelicz_wszystko();
  EXPECT_EQ(L->dl, 5);
  EXPECT_EQ(L->kx, -0.6);
  EXPECT_EQ(L->ky, -0.8);

  B->x = 0;
  B->y = 0;
  u.przelicz_wszystko();
  EXPECT_EQ(L->dl, 0);
  EXPECT_EQ(L->kx, -0.6);  // a zero length keeps the last direction
  EXPECT_EQ(L->ky, -0.8);
}

}  // namespace
