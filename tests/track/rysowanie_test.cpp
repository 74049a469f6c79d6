// How layouts are drawn: rails and arcs, faults in red, display options, markers and event symbols.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "app/stan.h"
#include "support/malarz_rejestrujacy.h"
#include "support/uklad_testowy.h"
#include "track/siec.h"

namespace {

// Sets the display options for one test and restores them after it.
struct opcje {
  opcje_rysowania zachowane = stan.rysowanie;
  opcje(int flagi, bool biale = false) { stan.rysowanie = {flagi, biale}; }
  ~opcje() { stan.rysowanie = zachowane; }
};

using prymityw = malarz_rejestrujacy::prymityw;

bool czerwony(const prymityw& p) { return p.r == 1 && p.g == 0 && p.b == 0; }

// Vertices of each arc strip.
std::map<int, std::vector<prymityw>> luki(const malarz_rejestrujacy& m) {
  std::map<int, std::vector<prymityw>> wynik;
  for (const prymityw& p : m.tylko("wierzcholek")) wynik[p.pasek].push_back(p);
  return wynik;
}

// A - P - B with a right-angle vertex at P.
struct kat_prosty {
  tor_uklad u;
  tor_punkt *A, *P, *B;
  tor_linia *AP, *PB;
  explicit kat_prosty(double promien) {
    A = dodaj_punkt_toru(u, 0, -10, promien);
    P = dodaj_punkt_toru(u, 0, 0, promien);
    B = dodaj_punkt_toru(u, 10, 0, promien);
    AP = polacz_tor(u, A, P);
    PB = polacz_tor(u, P, B);
    u.przelicz_wszystko();
  }
};

TEST(RysowanieLuku, LiczbaWierzcholkow) {
  malarz_rejestrujacy m;
  rysuj_luk(m, 0, 0, 1, 270, 360);
  rysuj_luk(m, 0, 0, 1, 30, 30);
  rysuj_luk(m, 0, 0, 1, 40, 30);
  rysuj_luk(m, 0, 0, 1, 0.5, 3);
  auto l = luki(m);
  ASSERT_EQ(l.size(), 4u);
  EXPECT_EQ(l[0].size(), 91u);
  EXPECT_EQ(l[1].size(), 1u);
  EXPECT_EQ(l[2].size(), 1u);
  EXPECT_EQ(l[3].size(), 4u);
  EXPECT_NEAR(l[0][0].x1, -1, 1e-15);  // bearing 270
  EXPECT_NEAR(l[0][90].y1, 1, 1e-15);  // bearing 360
  EXPECT_NEAR(l[2][0].x1, std::sin(30 * STOPNIE_NA_RADIANY), 1e-15);  // the end only
}

TEST(RysowanieToru, SzynyLukuWierzcholka) {
  opcje o(POKAZ_SZYNY);
  kat_prosty k(5);
  malarz_rejestrujacy m;
  k.P->rysuj(m, 0, 0);
  auto l = luki(m);
  ASSERT_EQ(l.size(), 2u);
  for (auto& [nr, wierzcholki] : l) {
    const double r = nr == 0 ? 5 - 0.7175 : 5 + 0.7175;
    EXPECT_EQ(wierzcholki.size(), 91u);
    for (const prymityw& w : wierzcholki) {
      EXPECT_NEAR(std::hypot(w.x1 - 5, w.y1 + 5), r, 1e-9);
      EXPECT_EQ(w.r + w.g + w.b, 0);  // black
    }
  }
  EXPECT_TRUE(m.tylko("punkt").empty());  // markers are off
}

TEST(RysowanieToru, BladNaCzerwonoTakzeZBialymiLiniami) {
  for (bool biale : {false, true}) {
    opcje o(POKAZ_SZYNY, biale);
    kat_prosty k(20);  // tangents of 20 on lines of 10
    ASSERT_TRUE(k.AP->blad);
    malarz_rejestrujacy m;
    k.P->rysuj(m, 0, 0);
    k.AP->rysuj(m, 0, 0);
    ASSERT_EQ(m.tylko("wierzcholek").size(), 2 * 91u);
    for (const prymityw& w : m.tylko("wierzcholek")) EXPECT_TRUE(czerwony(w));
    ASSERT_EQ(m.tylko("linia").size(), 2u);
    for (const prymityw& w : m.tylko("linia")) EXPECT_TRUE(czerwony(w));
  }
  opcje o(POKAZ_SZYNY, true);
  kat_prosty dobry(5);
  malarz_rejestrujacy m;
  dobry.P->rysuj(m, 0, 0);
  dobry.AP->rysuj(m, 0, 0);
  for (const prymityw& w : m.prymitywy) EXPECT_EQ(w.r + w.g + w.b, 3);  // white
}

TEST(RysowanieToru, SzynyProsteOdStycznejDoStycznej) {
  opcje o(POKAZ_SZYNY | POKAZ_SKRAJNIE);
  kat_prosty k(5);
  malarz_rejestrujacy m;
  k.AP->rysuj(m, 0, 0);
  const auto linie = m.tylko("linia");
  ASSERT_EQ(linie.size(), 4u);
  // From A (no curve) to the tangent point 5 m before P, 0.7175 and 1.45 m to each side.
  const double boki[] = {0.7175, -0.7175, 1.45, -1.45};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(std::fabs(linie[i].x1), std::fabs(boki[i]), 1e-12);
    EXPECT_NEAR(linie[i].y1, -10, 1e-12);
    EXPECT_NEAR(linie[i].y2, -5, 1e-12);
  }
  EXPECT_NEAR(linie[2].r, 0.65, 1e-6);
}

TEST(RysowanieToru, WierzcholekNaWprostBezLuku) {
  opcje o(POKAZ_SZYNY | POKAZ_SKRAJNIE);
  const double kierunki[][2] = {{0, 1}, {1, 0}, {0, -1}, {-1, 0}, {0.6, 0.8}, {-0.28, 0.96}};
  for (const auto& d : kierunki) {
    tor_uklad u;
    tor_punkt* P = dodaj_punkt_toru(u, 3.1, 7.7);
    polacz_tor(u, dodaj_punkt_toru(u, 3.1 - 10 * d[0], 7.7 - 10 * d[1]), P);
    polacz_tor(u, P, dodaj_punkt_toru(u, 3.1 + 20 * d[0], 7.7 + 20 * d[1]));
    u.przelicz_wszystko();
    malarz_rejestrujacy m;
    P->rysuj(m, 0, 0);
    for (auto& [nr, wierzcholki] : luki(m))
      for (const prymityw& w : wierzcholki) {
        EXPECT_NEAR(w.x1, wierzcholki[0].x1, 1e-9) << d[0] << ' ' << d[1];
        EXPECT_NEAR(w.y1, wierzcholki[0].y1, 1e-9) << d[0] << ' ' << d[1];
      }
  }
  kat_prosty bez_promienia(0);  // no tangent: nothing to draw
  malarz_rejestrujacy m;
  bez_promienia.P->rysuj(m, 0, 0);
  EXPECT_EQ(m.paski, 0);
}

TEST(RysowanieToru, ZwrotnicaNieRysujeNic) {
  opcje o(POKAZ_PUNKTY_LINIE | POKAZ_SZYNY | POKAZ_SKRAJNIE);
  kat_prosty k(5);
  polacz_tor(k.u, k.P, dodaj_punkt_toru(k.u, -10, 0));
  k.P->dlugosc_stycznej = 5;  // even with a stale curve
  k.P->zdarzenia.dodaj(zdarzenie{});
  malarz_rejestrujacy m;
  k.P->rysuj(m, 0, 0);
  EXPECT_TRUE(m.wywolania.empty());
}

TEST(RysowanieToru, PunktyLinieWylaczoneUkrywajaZnacznikiToruNieSieci) {
  opcje o(POKAZ_SZYNY);
  kat_prosty k(5);
  siec_uklad siec;
  siec.dodaj_punkt(1, 1, 0);
  siec.dodaj_punkt(2, 2, 0);
  siec.polacz_przewodem(siec.p[0], siec.p[1], 1);
  malarz_rejestrujacy m;
  k.u.rysuj_uklad(m, true);
  EXPECT_TRUE(m.tylko("punkt").empty());
  EXPECT_EQ(m.tylko("linia").size(), 4u);  // rails only

  siec.rysuj_uklad(m, false);
  const auto punkty = m.tylko("punkt");
  ASSERT_EQ(punkty.size(), 2u);
  EXPECT_EQ(punkty[0].rozmiar_punktu, 3);
  EXPECT_NEAR(punkty[0].r, 0.75, 1e-6);
  EXPECT_EQ(m.tylko("linia").back().x2, 2);
}

TEST(RysowanieToru, ZnacznikiWedlugStanu) {
  opcje o(POKAZ_PUNKTY_LINIE);
  tor_uklad u;
  u.ustaw_kolorystyke(KOLORYSTYKA_BRAZOWA);
  w_element* el = u.nowy_element(0, 0, 0);
  tor_punkt* E1 = dodaj_punkt_elementu(u, el, 0, 0);
  tor_punkt* E2 = dodaj_punkt_elementu(u, el, 0, 10);
  tor_punkt* E3 = dodaj_punkt_elementu(u, el, 0, 20);
  polacz_w_elemencie(u, E1, E2);
  polacz_w_elemencie(u, E2, E3);
  tor_punkt* F = dodaj_punkt_toru(u, 50, 0);
  tor_punkt* G = dodaj_punkt_toru(u, 60, 0);
  polacz_tor(u, F, G);
  G->ustaw_zaznaczony(1);
  u.punkt_kursor = 0;
  u.ostatni_punkt = 3;  // F, not selected: no mark of its own
  u.przelicz_wszystko();

  malarz_rejestrujacy m;
  u.rysuj_uklad(m, true);
  const auto punkty = m.tylko("punkt");
  // E2 is an interior turnout point: no marker.
  ASSERT_EQ(punkty.size(), 4u);
  EXPECT_EQ(punkty[0].rozmiar_punktu, 12);  // element point under the cursor
  EXPECT_NEAR(punkty[0].r, 0.45, 1e-6);
  EXPECT_EQ(punkty[1].rozmiar_punktu, 7);  // an end
  EXPECT_EQ(punkty[3].rozmiar_punktu, 10);  // selected
  EXPECT_NEAR(punkty[3].g, 0.9, 1e-6);
  EXPECT_EQ(punkty[2].y1, 0);
  EXPECT_NEAR(punkty[2].r, 0.65, 1e-6);

  G->ustaw_zaznaczony(0);
  F->ustaw_zaznaczony(1);
  malarz_rejestrujacy m2;
  u.rysuj_uklad(m2, true);
  const prymityw ostatni = m2.tylko("punkt")[2];
  EXPECT_EQ(ostatni.r + ostatni.g + ostatni.b, 2);  // yellow: selected and clicked last
}

TEST(RysowanieToru, LaczenieWToku) {
  opcje o(0);
  tor_uklad u;
  dodaj_punkt_toru(u, 0, 0);
  tor_punkt* T = dodaj_punkt_toru(u, 1, 2);
  u.punkt_docelowy = T;
  malarz_rejestrujacy m;
  u.rysuj_uklad(m, true);
  EXPECT_TRUE(m.tylko("linia").empty());  // no cursor point yet
  u.punkt_kursor = 0;
  u.rysuj_uklad(m, true);
  const auto linie = m.tylko("linia");
  ASSERT_EQ(linie.size(), 1u);
  EXPECT_EQ(linie[0].szerokosc_linii, 5);
  EXPECT_EQ(linie[0].r + linie[0].b, 2);
  EXPECT_EQ(linie[0].x1, 1);
  EXPECT_EQ(m.tylko("punkt").size(), 2u);
}

TEST(SymbolZdarzenia, StrzalkiWedlugKierunku) {
  auto linie = [](std::uint8_t kierunek) {
    zdarzenie z;
    z.kierunek = kierunek;
    malarz_rejestrujacy m;
    rysuj_symbol_zdarzenia(m, z, 7);
    std::vector<double> konce;
    for (const prymityw& p : m.tylko("linia")) konce.push_back(p.x2);
    return konce;
  };
  EXPECT_EQ(linie(PO_OSTATNIM_WOZKU), std::vector<double>{0.9});
  EXPECT_EQ(linie(KIERUNEK_PRAWO), (std::vector<double>{0.9, 0.9, 0.9}));
  EXPECT_EQ(linie(KIERUNEK_LEWO), (std::vector<double>{0.9, -0.9, -0.9}));
  EXPECT_EQ(linie(KIERUNEK_PRAWO | KIERUNEK_LEWO).size(), 5u);
}

TEST(SymbolZdarzenia, IkonaZAtlasuICzujnik) {
  zdarzenie z;
  z.typ = ZD_IZOLATOR;  // column 1, row 1
  malarz_rejestrujacy m;
  rysuj_symbol_zdarzenia(m, z, 7);
  EXPECT_NE(std::find(m.wywolania.begin(), m.wywolania.end(), "tekstura 7"), m.wywolania.end());
  EXPECT_NE(std::find(m.wywolania.begin(), m.wywolania.end(),
                      "czworokat -1 3 0.49 -0.26 -1 1 0.49 -0.49 1 1 0.26 -0.49 1 3 0.26 -0.26"),
            m.wywolania.end());
  EXPECT_EQ(m.tylko("punkt").size(), 1u);

  z.typ = ZD_CZUJNIK;
  malarz_rejestrujacy c;
  rysuj_symbol_zdarzenia(c, z, 7);
  const prymityw wskaznik = c.tylko("linia").back();
  EXPECT_EQ(wskaznik.b, 1);
  EXPECT_EQ(wskaznik.szerokosc_linii, 3);
  EXPECT_EQ(wskaznik.x2, 0);
}

TEST(SymbolZdarzenia, MiejsceIObrotNaLiniiINaPunkcie) {
  opcje o(0);
  kat_prosty k(5);
  zdarzenie z;
  z.pozycja = 0.5;
  k.AP->zdarzenia.dodaj(z);
  k.P->zdarzenia.dodaj(z);
  malarz_rejestrujacy m;
  k.AP->rysuj(m, 0, 0);
  k.P->rysuj(m, 0, 0);
  // The line points from P to A (bearing 180, atan2 -90): halfway along its straight part.
  const std::vector<std::string> oczekiwane = {"przesun 0 -7.5 0", "obroc 90 0 0 1"};
  auto it = std::search(m.wywolania.begin(), m.wywolania.end(), oczekiwane.begin(), oczekiwane.end());
  EXPECT_NE(it, m.wywolania.end());
  const std::string obrot_luku = "obroc -135 0 0 1";  // 180 - 315
  EXPECT_NE(std::find(m.wywolania.begin(), m.wywolania.end(), obrot_luku), m.wywolania.end());
}

// A point without an arc has its arc centre nowhere near the track (the straight vertex keeps its
// own position as the centre, an end keeps whatever it had): its events stand on the point.
TEST(SymbolZdarzenia, BezLukuNaSamymPunkcie) {
  opcje o(0);
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 3, 4, 50);
  tor_punkt* P = dodaj_punkt_toru(u, 3, 14, 50);
  polacz_tor(u, A, P);
  polacz_tor(u, P, dodaj_punkt_toru(u, 3, 24, 50));
  u.przelicz_wszystko();
  ASSERT_EQ(P->skret, 0);
  zdarzenie z;
  z.pozycja = 0.5;
  for (tor_punkt* t : {A, P}) {
    t->zdarzenia.dodaj(z);
    malarz_rejestrujacy m;
    t->rysuj(m, 0, 0);
    const std::string tutaj = "przesun 3 " + std::to_string(static_cast<int>(t->y)) + " 0";
    EXPECT_NE(std::find(m.wywolania.begin(), m.wywolania.end(), tutaj), m.wywolania.end()) << tutaj;
  }
}

}  // namespace
