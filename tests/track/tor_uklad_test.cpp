// Operations of the track layout: adding and joining points, settings, the geometry test.
#include <gtest/gtest.h>

#include <cmath>

#include "support/rejestrator_komunikatow.h"
#include "support/uklad_testowy.h"

namespace {

const char* const ROZNY_PRZESWIT = "Nie można łączyć torów o róznym prześwicie!";

TEST(DodajPunkt, KolejneKlikniecaTworzaLancuch) {
  tor_uklad u;
  u.ustaw_promien_domyslny(30);
  u.ustaw_obiekt_domyslny(1);
  u.ustaw_przeswit(1);
  u.dodaj_punkt(0, 0, 0);
  u.dodaj_punkt(10, 0, 0);
  u.dodaj_punkt(10, 10, 0);

  ASSERT_EQ(u.pmax(), 3);
  ASSERT_EQ(u.lmax(), 2);
  EXPECT_EQ(u.l[0]->p1, u.p[0]);
  EXPECT_EQ(u.l[1]->p2, u.p[2]);
  EXPECT_EQ(u.ostatni_punkt, 2);
  EXPECT_EQ(u.ile_zaznaczonych_punktow(), 1);
  EXPECT_TRUE(u.p[2]->CZY_ZAZNACZONY());
  const tor_punkt* srodek = u.punkt(1);
  EXPECT_EQ(srodek->promien, 30);
  EXPECT_EQ(srodek->obiekt, 1);
  EXPECT_EQ(srodek->przeswit, 1);
  EXPECT_EQ(u.linia(0)->obiekt, 1);
  EXPECT_EQ(u.linia(0)->przeswit, 1);
  EXPECT_EQ(srodek->skret, -1);  // recomputed
  EXPECT_NEAR(srodek->dlugosc_stycznej, 30, 1e-9);
}

TEST(DodajPunkt, NiezaznaczonyOstatniNieJestLaczony) {
  tor_uklad u;
  u.dodaj_punkt(0, 0, 0);
  u.odznacz_wszystko();
  u.dodaj_punkt(10, 0, 0);
  EXPECT_EQ(u.lmax(), 0);
  EXPECT_EQ(u.ostatni_punkt, 1);
}

TEST(DodajPunkt, PunktPodKursoremZamykaPetle) {
  tor_uklad u;
  u.dodaj_punkt(0, 0, 0);
  u.dodaj_punkt(10, 0, 0);
  u.dodaj_punkt(10, 10, 0);
  u.punkt_kursor = 0;
  u.dodaj_punkt(0.2, 0.2, 0);
  EXPECT_EQ(u.pmax(), 3);
  EXPECT_EQ(u.lmax(), 3);
  EXPECT_EQ(u.ostatni_punkt, 0);
  EXPECT_EQ(u.punkt(0)->GET_LIMAX(), 2);
}

TEST(DodajPunkt, OdmowyNieTworzaNiczego) {
  rejestrator_komunikatow komunikaty;
  tor_uklad u;
  tor_punkt* inny = dodaj_punkt_toru(u, 0, 0, 5, 1);
  tor_punkt* pelny = dodaj_punkt_toru(u, 10, 0);
  polacz_tor(u, pelny, dodaj_punkt_toru(u, 20, 0));
  polacz_tor(u, pelny, dodaj_punkt_toru(u, 10, 10));

  u.punkt_kursor = 0;  // another gauge
  u.dodaj_punkt(0, 0, 0);
  u.punkt_kursor = 1;  // two lines already
  u.dodaj_punkt(10, 0, 0);
  EXPECT_EQ(komunikaty.kody, (std::vector<unsigned>{2, 3}));
  EXPECT_EQ(komunikaty.teksty[0], ROZNY_PRZESWIT);
  EXPECT_EQ(komunikaty.teksty[1], "Punkt może mieć najwyżej dwa połączenia!");
  EXPECT_EQ(u.pmax(), 4);
  EXPECT_EQ(u.lmax(), 2);
  EXPECT_FALSE(inny->CZY_ZAZNACZONY());
}

TEST(DodajPunkt, OstatniOInnymPrzeswicieNiePolaczony) {
  rejestrator_komunikatow komunikaty;
  tor_uklad u;
  u.ustaw_przeswit(1);
  u.dodaj_punkt(0, 0, 0);
  u.ustaw_przeswit(0);
  u.dodaj_punkt(10, 0, 0);
  EXPECT_EQ(komunikaty.kody, std::vector<unsigned>{2});
  EXPECT_EQ(u.pmax(), 2);
  EXPECT_EQ(u.lmax(), 0);
  EXPECT_EQ(u.ostatni_punkt, 1);
  EXPECT_TRUE(u.p[1]->CZY_ZAZNACZONY());
}

TEST(DodajPunkt, PunktNaLiniiDzieliJa) {
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 0, 0);
  tor_punkt* B = dodaj_punkt_toru(u, 10, 0);
  tor_linia* AB = polacz_tor(u, A, B);
  AB->ustaw_zaznaczony(1);  // a selected line does not stop the split, a selected point does
  u.linia_kursor = 0;
  u.dodaj_punkt(5, 1, 0);
  ASSERT_EQ(u.pmax(), 3);
  ASSERT_EQ(u.lmax(), 2);
  const w_punkt* N = u.p[2];
  EXPECT_EQ(u.l[0]->p1, A);
  EXPECT_EQ(u.l[0]->p2, N);
  EXPECT_EQ(u.l[1]->p1, B);
  EXPECT_EQ(u.l[1]->p2, N);
  EXPECT_EQ(A->GET_LIMAX(), 1);
  EXPECT_EQ(B->GET_LIMAX(), 1);
}

TEST(DodajPunkt, PodzialLiniiInnegoPrzeswituNieZostawiaPunktu) {
  rejestrator_komunikatow komunikaty;
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 0, 0, 5, 4);
  polacz_tor(u, A, dodaj_punkt_toru(u, 10, 0, 5, 4));
  u.linia_kursor = 0;
  u.dodaj_punkt(5, 1, 0);
  EXPECT_EQ(komunikaty.kody, std::vector<unsigned>{2});
  EXPECT_EQ(u.pmax(), 2);
  EXPECT_EQ(u.lmax(), 1);
}

TEST(Polacz, ZasadyLaczenia) {
  rejestrator_komunikatow komunikaty;
  tor_uklad u;
  u.ustaw_obiekt_domyslny(1);
  tor_punkt* A = dodaj_punkt_toru(u, 0, 0);
  tor_punkt* B = dodaj_punkt_toru(u, 10, 0);
  EXPECT_EQ(u.polacz(A, A), nullptr);
  tor_linia* AB = polacz_tor(u, A, B);
  EXPECT_EQ(AB->obiekt, 1);
  EXPECT_EQ(u.polacz(B, A), AB);
  EXPECT_EQ(u.lmax(), 1);

  w_element* el = u.nowy_element(0, 0, 0);
  w_element* drugi = u.nowy_element(0, 0, 0);
  tor_punkt* E1 = dodaj_punkt_elementu(u, el, 0, 0);
  tor_punkt* E2 = dodaj_punkt_elementu(u, el, 0, 1);
  tor_punkt* F = dodaj_punkt_elementu(u, drugi, 0, 2);
  EXPECT_EQ(u.polacz(E1, E2), nullptr);  // inside an element only while a template is put down
  EXPECT_TRUE(komunikaty.kody.empty());
  EXPECT_NE(polacz_w_elemencie(u, E1, E2), nullptr);
  EXPECT_EQ(u.polacz(E2, F), nullptr);
  EXPECT_EQ(komunikaty.kody, std::vector<unsigned>{22});
  EXPECT_EQ(komunikaty.teksty[0], "Nie można bezpośrednio łaczyć dwóch bloków. Punkty nie zostały połaczone!");
  EXPECT_EQ(u.lmax(), 2);
}

TEST(Polacz, MoznaPolaczyc) {
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 0, 0);
  tor_punkt* B = dodaj_punkt_toru(u, 10, 0);
  tor_punkt* C = dodaj_punkt_toru(u, 20, 0, 5, 2);
  EXPECT_TRUE(u.mozna_polaczyc(A, B));
  EXPECT_FALSE(u.mozna_polaczyc(A, C));

  polacz_tor(u, B, dodaj_punkt_toru(u, 10, 10));
  EXPECT_TRUE(u.mozna_polaczyc(A, B));
  polacz_tor(u, B, dodaj_punkt_toru(u, 10, -10));
  EXPECT_FALSE(u.mozna_polaczyc(A, B));
  EXPECT_FALSE(u.mozna_polaczyc(B, A));

  // A point of an element may not take a free point whose line already ends at an element.
  w_element* el = u.nowy_element(0, 0, 0);
  tor_punkt* K = dodaj_punkt_elementu(u, el, 50, 0);
  tor_punkt* wolny = dodaj_punkt_toru(u, 60, 0);
  tor_punkt* drugi_wolny = dodaj_punkt_toru(u, 70, 0);
  polacz_tor(u, dodaj_punkt_elementu(u, el, 60, 10), wolny);
  polacz_tor(u, drugi_wolny, dodaj_punkt_toru(u, 70, 10));
  EXPECT_FALSE(u.mozna_polaczyc(K, wolny));
  EXPECT_TRUE(u.mozna_polaczyc(wolny, K));
  EXPECT_TRUE(u.mozna_polaczyc(K, drugi_wolny));
}

TEST(Ustawienia, PrzeswityNieuzywaneOstrzegaja) {
  rejestrator_komunikatow komunikaty;
  tor_uklad u;
  for (int i : {0, 1, 2, 3, 4}) u.ustaw_przeswit(i);
  EXPECT_EQ(komunikaty.kody, (std::vector<unsigned>{15, 16, 17}));
  EXPECT_EQ(komunikaty.teksty[0], "Uwaga! Prześwit obecnie nieużywany! Tylko dla rekonstrukcji dawnego Krakowa.");
  EXPECT_EQ(komunikaty.teksty[1], "Uwaga! Prześwit obecnie nieużywany! Tylko dla rekonstrukcji dawnego Śląska.");
  EXPECT_EQ(komunikaty.teksty[2], "Uwaga! Prześwit obecnie nieużywany! Tylko dla rekonstrukcji dawnej Warszawy.");
  EXPECT_EQ(u.przeswit_akt, 4);
  u.ustaw_przeswit(5);
  EXPECT_EQ(u.przeswit_akt, 4);
}

TEST(Ustawienia, PromienZaznaczonychPrzeliczaPunktIJegoLinie) {
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 0, -10);
  tor_punkt* P = dodaj_punkt_toru(u, 0, 0);
  tor_punkt* B = dodaj_punkt_toru(u, 10, 0);
  tor_linia* AP = polacz_tor(u, A, P);
  tor_linia* PB = polacz_tor(u, P, B);
  u.przelicz_wszystko();
  ASSERT_FALSE(AP->blad);
  P->ustaw_zaznaczony(1);
  u.ustaw_promien_zaznaczonych(20);
  EXPECT_EQ(P->promien, 20);
  EXPECT_EQ(A->promien, 5);
  EXPECT_NEAR(P->dlugosc_stycznej, 20, 1e-9);
  EXPECT_TRUE(AP->blad);
  EXPECT_TRUE(PB->blad);
}

TEST(Ustawienia, ObiektIPrzelozenieZaznaczonych) {
  tor_uklad u;
  w_element* el = u.nowy_element(0, 0, 0);
  w_element* inny = u.nowy_element(0, 0, 0);
  tor_punkt* E1 = dodaj_punkt_elementu(u, el, 0, 0);
  tor_linia* wewnatrz = polacz_w_elemencie(u, E1, dodaj_punkt_elementu(u, el, 0, 5));
  tor_punkt* F = dodaj_punkt_toru(u, 10, 0);
  tor_linia* wolna = polacz_tor(u, F, dodaj_punkt_toru(u, 20, 0));
  el->ustaw_zaznaczony(1);
  wolna->ustaw_zaznaczony(1);

  u.ustaw_obiekt_zaznaczonych(1);
  EXPECT_EQ(E1->obiekt, 1);
  EXPECT_EQ(wewnatrz->obiekt, 1);
  EXPECT_EQ(wolna->obiekt, 1);
  EXPECT_EQ(F->obiekt, 0);

  el->przelozenie = 6;
  inny->przelozenie = 0;
  u.ustaw_przelozenie(1);
  EXPECT_EQ(el->przelozenie, 7);
  EXPECT_EQ(inny->przelozenie, 0);
  u.ustaw_przelozenie(0);
  EXPECT_EQ(el->przelozenie, 6);
}

TEST(Geometria, PierwszyBladWKolejnosciLinii) {
  tor_uklad u;
  double x = 1, y = 1;
  EXPECT_TRUE(u.sprawdz_geometrie());
  u.znajdz_blad(x, y);
  EXPECT_EQ(x, 0);

  w_element* el = u.nowy_element(100, 0, 0);
  el->kat = 90;
  polacz_tor(u, dodaj_punkt_toru(u, 0, 0), dodaj_punkt_toru(u, 1, 0));
  tor_linia* L1 = polacz_tor(u, dodaj_punkt_elementu(u, el, 0, 3), dodaj_punkt_toru(u, 5, 5));
  tor_linia* L2 = polacz_tor(u, dodaj_punkt_toru(u, 7, 7), dodaj_punkt_toru(u, 8, 8));
  L2->blad = true;
  EXPECT_FALSE(u.sprawdz_geometrie());
  u.znajdz_blad(x, y);
  EXPECT_EQ(x, 7);
  L1->blad = true;
  u.znajdz_blad(x, y);
  EXPECT_DOUBLE_EQ(x, 103);  // world coordinates of the start point
  EXPECT_NEAR(y, 0, 1e-12);
}

TEST(Geometria, DlugoscTrasyProsteILukiWierzcholkow) {
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 0, -10);
  tor_punkt* P = dodaj_punkt_toru(u, 0, 0);
  polacz_tor(u, A, P);
  polacz_tor(u, P, dodaj_punkt_toru(u, 10, 0));
  u.przelicz_wszystko();
  EXPECT_NEAR(u.dlugosc_trasy(), 10 + 5 * PI / 2, 1e-9);

  // A third line at P: a switch point's stale arc does not count.
  polacz_tor(u, P, dodaj_punkt_toru(u, -10, 0));
  u.przelicz_wszystko();
  EXPECT_GT(P->dlugosc(), 1);
  EXPECT_NEAR(u.dlugosc_trasy(), 30, 1e-9);
}

}  // namespace
