// Curve fitting at a track point with two lines.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "support/uklad_testowy.h"

namespace {

// P at the origin, its first line towards A, its second towards B.
struct wierzcholek {
  tor_uklad uklad;
  tor_punkt* P;
  wierzcholek(double ax, double ay, double bx, double by, double promien) {
    tor_punkt* A = dodaj_punkt_toru(uklad, ax, ay, promien);
    P = dodaj_punkt_toru(uklad, 0, 0, promien);
    tor_punkt* B = dodaj_punkt_toru(uklad, bx, by, promien);
    polacz_tor(uklad, A, P);
    polacz_tor(uklad, P, B);
    uklad.przelicz_wszystko();
  }
  bool blad(int i) const { return uklad.linia(i)->blad; }
};

TEST(Luk, PrawyKatWPrawoDajeLukOdTangensaDoTangensa) {
  wierzcholek w(0, -10, 10, 0, 5);
  EXPECT_EQ(w.P->skret, 1);
  EXPECT_NEAR(w.P->dlugosc_stycznej, 5, 1e-12);
  EXPECT_NEAR(w.P->srodek_x, 5, 1e-12);
  EXPECT_NEAR(w.P->srodek_y, -5, 1e-12);
  EXPECT_EQ(w.P->kat_poczatkowy, 270);
  EXPECT_EQ(w.P->kat_koncowy, 360);
  EXPECT_NEAR(w.P->dlugosc(), 5 * PI / 2, 1e-12);
  // The arc starts on the leg towards A and ends on the leg towards B.
  const wektor poczatek = punkt_na_azymucie({w.P->srodek_x, w.P->srodek_y}, 5, w.P->kat_poczatkowy);
  const wektor koniec = punkt_na_azymucie({w.P->srodek_x, w.P->srodek_y}, 5, w.P->kat_koncowy);
  EXPECT_NEAR(poczatek.x, 0, 1e-12);
  EXPECT_NEAR(poczatek.y, -5, 1e-12);
  EXPECT_NEAR(koniec.x, 5, 1e-12);
  EXPECT_NEAR(koniec.y, 0, 1e-12);
}

TEST(Luk, PrawyKatWLewoMaSrodekPoDrugiejStronie) {
  wierzcholek w(0, -10, -10, 0, 5);
  EXPECT_EQ(w.P->skret, -1);
  EXPECT_NEAR(w.P->dlugosc_stycznej, 5, 1e-12);
  EXPECT_NEAR(w.P->srodek_x, -5, 1e-12);
  EXPECT_NEAR(w.P->srodek_y, -5, 1e-12);
  EXPECT_EQ(w.P->kat_poczatkowy, 0);
  EXPECT_EQ(w.P->kat_koncowy, 90);
  EXPECT_NEAR(w.P->dlugosc(), 5 * PI / 2, 1e-12);
}

TEST(Luk, PromienSkalujeStycznaISrodek) {
  // A 60 degree turn: tangent = r / tan(120/2).
  wierzcholek w(0, -10, 10 * std::sin(PI / 3), 10 * std::cos(PI / 3), 12);
  EXPECT_EQ(w.P->skret, 1);
  EXPECT_NEAR(w.P->dlugosc_stycznej, 12 / std::tan(PI / 3), 1e-9);
  EXPECT_NEAR(w.P->kat_koncowy - w.P->kat_poczatkowy, 60, 1e-9);
  EXPECT_NEAR(std::hypot(w.P->srodek_x, w.P->srodek_y), 12 / std::sin(PI / 3), 1e-9);
}

TEST(Luk, PunktyWspolliniowe) {
  wierzcholek w(0, -10, 0, 10, 5);
  EXPECT_EQ(w.P->skret, 0);
  EXPECT_EQ(w.P->srodek_x, 0);
  EXPECT_EQ(w.P->srodek_y, 0);
  EXPECT_EQ(w.P->kat_poczatkowy, w.P->kat_koncowy);
  EXPECT_LT(w.P->dlugosc_stycznej, 1e-12);
  EXPECT_FALSE(w.blad(0));
  EXPECT_FALSE(w.blad(1));
}

TEST(Luk, ZawrocenieDajeOgromnaStycznaIOznaczaLinie) {
  wierzcholek w(0, -10, 0, -5, 5);
  EXPECT_EQ(w.P->skret, 0);
  EXPECT_EQ(w.P->srodek_x, 0);
  EXPECT_EQ(w.P->srodek_y, 0);
  EXPECT_GT(w.P->dlugosc_stycznej, 1e15);
  EXPECT_TRUE(w.blad(0));
  EXPECT_TRUE(w.blad(1));
}

TEST(Luk, WierzcholekNaWprostNieDajePelnegoOkregu) {
  // Through the seam of the bearings (+-180) and along both axes and random directions.
  const double kierunki[][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1e-13}, {1, -1e-13}, {-1, 1e-13}, {-1, -1e-13}};
  for (const auto& k : kierunki) {
    wierzcholek w(-k[0] * 7, -k[1] * 7, k[0] * 3, k[1] * 3, 5);
    EXPECT_LT(w.P->dlugosc(), 1e-9) << k[0] << ' ' << k[1];
    EXPECT_LE(w.P->kat_koncowy - w.P->kat_poczatkowy, 1e-9) << k[0] << ' ' << k[1];
  }
  std::mt19937 los(7);
  std::uniform_real_distribution<double> kat(0, 2 * PI), daleko(-500, 500), ramie(0.5, 40);
  for (int i = 0; i < 2000; ++i) {
    tor_uklad u;
    const double fi = kat(los), px = daleko(los), py = daleko(los), a = ramie(los), b = ramie(los);
    tor_punkt* A = dodaj_punkt_toru(u, px - a * std::sin(fi), py - a * std::cos(fi));
    tor_punkt* P = dodaj_punkt_toru(u, px, py);
    tor_punkt* B = dodaj_punkt_toru(u, px + b * std::sin(fi), py + b * std::cos(fi));
    polacz_tor(u, A, P);
    polacz_tor(u, P, B);
    u.przelicz_wszystko();
    ASSERT_LT(P->dlugosc(), 1e-6) << "fi " << fi;
  }
}

TEST(Luk, KoniecIZwrotnicaNieMajaStycznej) {
  tor_uklad u;
  tor_punkt* P = dodaj_punkt_toru(u, 0, 0);
  tor_punkt* A = dodaj_punkt_toru(u, 0, -10);
  tor_punkt* B = dodaj_punkt_toru(u, 10, 0);
  tor_punkt* C = dodaj_punkt_toru(u, -10, 0);
  polacz_tor(u, A, P);
  polacz_tor(u, P, B);
  u.przelicz_wszystko();
  ASSERT_GT(P->dlugosc_stycznej, 1);
  const double srodek = P->srodek_x;

  polacz_tor(u, P, C);  // a third line: a switch point
  u.przelicz_wszystko();
  EXPECT_EQ(P->dlugosc_stycznej, 0);
  EXPECT_EQ(P->srodek_x, srodek);  // the rest of the arc stays as it was
  EXPECT_EQ(A->dlugosc_stycznej, 0);
}

// A - P - Q - B with the line P-Q of length 8 and both vertices at right angles of radius 4.
struct dwa_wierzcholki {
  tor_uklad u;
  tor_punkt *P, *Q;
  tor_linia* srodkowa;
  dwa_wierzcholki(double ax, double bx, double promien_p, double promien_q) {
    tor_punkt* A = dodaj_punkt_toru(u, ax, 0, promien_p);
    P = dodaj_punkt_toru(u, 0, 0, promien_p);
    Q = dodaj_punkt_toru(u, 0, 8, promien_q);
    tor_punkt* B = dodaj_punkt_toru(u, bx, 8, promien_q);
    polacz_tor(u, A, P);
    srodkowa = polacz_tor(u, P, Q);
    polacz_tor(u, Q, B);
    u.przelicz_wszystko();
  }
  bool regula() const { return P->dlugosc_stycznej + Q->dlugosc_stycznej > srodkowa->dl; }
};

TEST(Luk, BladGdySumaStycznychPrzekraczaDlugosc) {
  // Both turns the same way: each tangent is 4 plus a rounding remainder, together above 8.
  dwa_wierzcholki u_ksztalt(10, 10, 4, 4);
  EXPECT_EQ(u_ksztalt.P->skret, u_ksztalt.Q->skret);
  EXPECT_TRUE(u_ksztalt.regula());
  EXPECT_TRUE(u_ksztalt.srodkowa->blad);

  dwa_wierzcholki esowka(-10, 10, 4, 4);  // opposite turns
  EXPECT_EQ(esowka.P->skret, -esowka.Q->skret);
  EXPECT_FALSE(esowka.regula());
  EXPECT_FALSE(esowka.srodkowa->blad);

  dwa_wierzcholki za_ciasno(-10, 10, 5, 4);
  EXPECT_TRUE(za_ciasno.srodkowa->blad);
  EXPECT_NEAR(za_ciasno.srodkowa->dlugosc(), -1, 1e-9);

  dwa_wierzcholki z_zapasem(-10, 10, 3, 4);
  EXPECT_FALSE(z_zapasem.srodkowa->blad);
  EXPECT_NEAR(z_zapasem.srodkowa->dlugosc(), 1, 1e-9);
}

TEST(Luk, NowaLiniaNieJestOznaczonaDoPrzeliczenia) {
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 0, -10);
  tor_punkt* P = dodaj_punkt_toru(u, 0, 0);
  tor_punkt* B = dodaj_punkt_toru(u, 0, -5);
  polacz_tor(u, A, P);
  u.przelicz_wszystko();
  P->dlugosc_stycznej = 100;  // a curve that the new line cannot hold
  tor_linia* nowa = polacz_tor(u, P, B);
  EXPECT_FALSE(nowa->blad);
  u.przelicz_wszystko();  // P now reverses: the line is flagged
  EXPECT_TRUE(nowa->blad);
}

}  // namespace
