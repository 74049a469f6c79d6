// The problem list: each kind found where it is planted and nowhere else, every faulty line of
// the geometry test, the bundled samples sound, and the update after edits equal to a full pass.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <set>

#include "analiza/problemy.h"
#include "dokument/wczytywanie.h"
#include "support/uklad_testowy.h"

namespace {

using R = rodzaj_problemu;

std::multiset<std::pair<R, std::string>> rodzaje_i_przedmioty(const lista_problemow& lista) {
  std::multiset<std::pair<R, std::string>> w;
  for (const problem& p : lista.problemy()) w.insert({p.rodzaj, opis_przedmiotu(p)});
  return w;
}

// A loop of n points on a circle (every vertex an arc, no ends): nothing to report.
std::vector<tor_punkt*> petla(tor_uklad& tor, double cx, double cy, double r, int n, double promien) {
  std::vector<tor_punkt*> p;
  for (int i = 0; i < n; ++i) {
    const double a = 2 * PI * i / n;
    p.push_back(dodaj_punkt_toru(tor, cx + r * std::cos(a), cy + r * std::sin(a), promien));
  }
  for (int i = 0; i < n; ++i) polacz_tor(tor, p[i], p[(i + 1) % n]);
  return p;
}

// The list as lines of text, so that a difference reads as one.
std::vector<std::string> wiersze(const lista_problemow& lista) {
  std::vector<std::string> w;
  for (const problem& p : lista.problemy()) {
    char xy[96];
    std::snprintf(xy, sizeof xy, " %.17g %.17g %.17g", p.x, p.y, p.wartosc);
    w.push_back(std::string(klucz_rodzaju(p.rodzaj)) + ' ' + opis_przedmiotu(p) + xy);
  }
  return w;
}

int indeks(const tor_uklad& tor, const w_punkt* p) { return tor.indeks_punktu(p); }
int indeks(const tor_uklad& tor, const w_linia* l) { return tor.indeks_linii(l); }

}  // namespace

TEST(ListaProblemow, KazdyPodrzuconyProblemJestNaLiscieIPozaNimNic) {
  tor_uklad tor;
  // Sound loops hold the planted faults; each planted fault stands far from the others.
  const auto a = petla(tor, 0, 0, 100, 12, 30);
  a[0]->promien = 12;                                              // radius under 18 m
  tor_punkt* krotki = a[3];                                        // arc under 1 m
  krotki->promien = 1.5;
  zdarzenie poza;
  poza.pozycja = 1.5;
  tor.linia(indeks(tor, w_uklad::linia_miedzy(a[6], a[7])))->zdarzenia.dodaj(poza);  // event beyond its line
  a[9]->z = 20;  // steep on both lines around it: line 0 takes z, line 1 the second elevation
  a[9]->wysokosc2 = 20;
  tor_punkt* samotny = dodaj_punkt_toru(tor, 500, 500);
  samotny->zdarzenia.dodaj(zdarzenie{});                           // event on a point with no track
  // A straight of a few metres between arcs bending opposite ways.
  tor_punkt* s1 = dodaj_punkt_toru(tor, 2000, 0, 30);
  tor_punkt* s2 = dodaj_punkt_toru(tor, 2020, 0, 30);
  tor_punkt* s3 = dodaj_punkt_toru(tor, 2040, 10, 30);
  tor_punkt* s4 = dodaj_punkt_toru(tor, 2060, 10, 30);
  tor_punkt* s5 = dodaj_punkt_toru(tor, 2080, 0, 30);
  polacz_tor(tor, s1, s2);
  polacz_tor(tor, s2, s3);
  polacz_tor(tor, s3, s4);
  polacz_tor(tor, s4, s5);
  s3->promien = 50;  // the straight from s2 to s3 is left short
  // A track end 4 cm from a loose point, and two track ends 60 cm apart.
  tor_punkt* k1 = dodaj_punkt_toru(tor, 3000, 0);
  tor_punkt* k2 = dodaj_punkt_toru(tor, 3050, 0);
  polacz_tor(tor, k1, k2);
  tor_punkt* blisko = dodaj_punkt_toru(tor, 3050.04, 0);
  tor_punkt* k3 = dodaj_punkt_toru(tor, 3000, 0.6);
  tor_punkt* k4 = dodaj_punkt_toru(tor, 2960, 20);
  polacz_tor(tor, k3, k4);
  // A sharp bend with a radius far too large for its lines: a geometry fault.
  tor_punkt* g1 = dodaj_punkt_toru(tor, 4000, 0);
  tor_punkt* g2 = dodaj_punkt_toru(tor, 4010, 0, 50);
  tor_punkt* g3 = dodaj_punkt_toru(tor, 4010, 10);
  polacz_tor(tor, g1, g2);
  polacz_tor(tor, g2, g3);
  tor.przelicz_wszystko();

  lista_problemow lista;
  lista.przelicz(tor);
  const auto pkt = [&](const w_punkt* p) { return "punkt " + std::to_string(indeks(tor, p)); };
  const auto lin = [&](const w_punkt* p, const w_punkt* q) {
    return "linia " + std::to_string(indeks(tor, w_uklad::linia_miedzy(p, q)));
  };
  const std::multiset<std::pair<R, std::string>> oczekiwane = {
      {R::blad_geometrii, lin(g1, g2)},
      {R::blad_geometrii, lin(g2, g3)},
      {R::zdarzenie_poza_zakresem, lin(a[6], a[7])},
      {R::zdarzenie_bez_toru, pkt(samotny)},
      {R::maly_promien, pkt(a[0])},
      {R::maly_promien, pkt(krotki)},
      {R::krotki_luk, pkt(krotki)},
      {R::krotka_prosta, lin(s2, s3)},
      {R::duze_nachylenie, lin(a[8], a[9])},
      {R::duze_nachylenie, lin(a[9], a[10])},
      {R::zmiana_nachylenia, pkt(a[8])},
      {R::zmiana_nachylenia, pkt(a[9])},
      {R::zmiana_nachylenia, pkt(a[10])},
      {R::bliskie_punkty, "punkty " + std::to_string(indeks(tor, k2)) + " i " + std::to_string(indeks(tor, blisko))},
      {R::bliski_koniec, "punkty " + std::to_string(indeks(tor, k1)) + " i " + std::to_string(indeks(tor, k3))},
      {R::koniec_toru, pkt(s1)},
      {R::koniec_toru, pkt(s5)},
      {R::koniec_toru, pkt(k1)},
      {R::koniec_toru, pkt(k2)},
      {R::koniec_toru, pkt(k3)},
      {R::koniec_toru, pkt(k4)},
      {R::koniec_toru, pkt(g1)},
      {R::koniec_toru, pkt(g3)},
  };
  EXPECT_EQ(rodzaje_i_przedmioty(lista), oczekiwane);
  EXPECT_EQ(lista.ile(waga_problemu::blad), 4);

  // Errors first, then warnings, then notes; a faulty line is placed where the geometry test
  // centres the view.
  const std::vector<problem> p = lista.problemy();
  for (std::size_t i = 1; i < p.size(); ++i) EXPECT_LE(waga(p[i - 1].rodzaj), waga(p[i].rodzaj));
  EXPECT_EQ(p.front().x, g1->GET_X());
  EXPECT_EQ(p.front().y, g1->GET_Y());

  // The limits are settings: a looser list drops the warnings they govern.
  lista.ustaw({.promien_min = 10, .prosta_min = 1, .nachylenie_max = 2000, .zmiana_nachylenia_max = 2000});
  lista.aktualizuj(tor);
  const auto luzniej = rodzaje_i_przedmioty(lista);
  EXPECT_EQ(luzniej.count({R::maly_promien, pkt(a[0])}), 0u);
  EXPECT_EQ(luzniej.count({R::maly_promien, pkt(krotki)}), 1u);
  for (R r : {R::krotka_prosta, R::duze_nachylenie, R::zmiana_nachylenia})
    EXPECT_EQ(std::count_if(luzniej.begin(), luzniej.end(), [&](const auto& e) { return e.first == r; }), 0);
}

TEST(ListaProblemow, KazdaBlednaLiniaTestuGeometriiJestNaLiscie) {
  tor_uklad tor;
  for (int i = 0; i < 5; ++i) {
    tor_punkt* a = dodaj_punkt_toru(tor, 100.0 * i, 0);
    tor_punkt* b = dodaj_punkt_toru(tor, 100.0 * i + 10, 0, i % 2 ? 50 : 2);
    tor_punkt* c = dodaj_punkt_toru(tor, 100.0 * i + 10, 10);
    polacz_tor(tor, a, b);
    polacz_tor(tor, b, c);
  }
  tor.przelicz_wszystko();
  lista_problemow lista;
  lista.przelicz(tor);
  std::set<int> na_liscie;
  for (const problem& p : lista.problemy())
    if (p.rodzaj == R::blad_geometrii) na_liscie.insert(p.nr);
  std::set<int> czerwone;
  for (int j = 0; j < tor.lmax(); ++j)
    if (tor.linia(j)->blad) czerwone.insert(j);
  EXPECT_EQ(czerwone.size(), 4u);
  EXPECT_EQ(na_liscie, czerwone);
}

// The samples' one height step (a point whose second elevation was left at 0 while its z rose)
// reads, as the export takes heights, as a steep straight and a change of gradient: those are
// the only warnings a sound sample may give.
TEST(ListaProblemow, ProbkiProjektowNieMajaBledowIOstrzezenPozaNachyleniem) {
  const std::string zrodla = VIALTOR_ZRODLA;
  for (const char* nazwa : {"elblag_petla.vxm", "elblag_petla.txt", "elblag_0945b.vxp"}) {
    dokument model;
    ASSERT_TRUE(wczytaj_model(zrodla + "/data/projects/" + nazwa, zrodla + "/data", model).ok) << nazwa;
    lista_problemow lista;
    lista.przelicz(model.tor);
    int uwagi = 0;
    for (const problem& p : lista.problemy()) {
      uwagi += waga(p.rodzaj) == waga_problemu::uwaga;
      if (p.rodzaj == R::duze_nachylenie || p.rodzaj == R::zmiana_nachylenia) continue;
      EXPECT_EQ(waga(p.rodzaj), waga_problemu::uwaga) << nazwa << ": " << klucz_rodzaju(p.rodzaj) << ' '
                                                       << opis_przedmiotu(p) << ' ' << opis_wartosci(p);
    }
    EXPECT_GT(uwagi, 0) << nazwa << ": the samples end in stubs";
  }
}

// Random edits of every sort the editor makes; after each the kept list must equal a new one.
TEST(ListaProblemow, AktualizacjaPoEdycjachRownaPelnemuPrzeliczeniu) {
  std::mt19937 los(7);
  tor_uklad tor;
  for (int k = 0; k < 6; ++k) {
    tor_punkt* poprzedni = nullptr;
    for (int i = 0; i < 25; ++i) {
      tor_punkt* p = dodaj_punkt_toru(tor, 15.0 * i, 40.0 * k + (i % 3) * 4.0, 20 + (i % 4) * 10);
      p->z = (i % 5) * 0.4;
      if (poprzedni) polacz_tor(tor, poprzedni, p);
      poprzedni = p;
    }
  }
  tor.przelicz_wszystko();
  lista_problemow kept;
  kept.przelicz(tor);
  const auto u = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(los); };
  for (int krok = 0; krok < 300; ++krok) {
    const int rodzaj = u(7);
    w_punkt* p = tor.p[u(tor.pmax())];
    if (rodzaj == 0) {  // a move, sometimes onto another point
      w_punkt* cel = tor.p[u(tor.pmax())];
      const bool na_punkt = u(4) == 0;
      p->SET_X(na_punkt ? cel->GET_X() + 0.03 : p->GET_X() + u(21) - 10);
      p->SET_Y(na_punkt ? cel->GET_Y() : p->GET_Y() + u(21) - 10);
    } else if (rodzaj == 1 && tor.pmax() > 20) {
      tor.usun_punkt(p);
    } else if (rodzaj == 2) {
      static_cast<tor_punkt*>(p)->promien = 5 + u(40);
    } else if (rodzaj == 3) {
      p->SET_Z(u(5));
    } else if (rodzaj == 4) {
      zdarzenie z;
      z.pozycja = u(3) - 0.5;
      if (u(2) && tor.lmax() > 0)
        tor.l[u(tor.lmax())]->zdarzenia.dodaj(z);
      else
        p->zdarzenia.dodaj(z);
    } else if (rodzaj == 5) {
      w_punkt* q = tor.p[u(tor.pmax())];
      if (tor.mozna_polaczyc(p, q)) tor.polacz(p, q);
    } else if (tor.lmax() > 0) {
      tor.usun_linie_nr(u(tor.lmax()));
    }
    tor.przelicz_wszystko();
    kept.aktualizuj(tor);
    lista_problemow nowa;
    nowa.przelicz(tor);
    const std::vector<std::string> a = wiersze(kept), b = wiersze(nowa);
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    ASSERT_EQ(a, b) << "krok " << krok << ", rodzaj edycji " << rodzaj << ", pierwsza różnica: "
                    << (i < a.size() ? a[i] : "-") << " / " << (i < b.size() ? b[i] : "-");
    ASSERT_EQ(kept.problemy(), nowa.problemy());
  }
}
