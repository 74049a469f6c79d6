#include "siec_miejska.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr double BOK_MIASTA = 30000;  // metres; about the density of a large tram city
constexpr double ODSTEP_MIN = 10;
constexpr double ODSTEP_MAX = 20;
constexpr double PROMIEN_MIN = 25;
constexpr double PROMIEN_MAX = 300;
constexpr double SKRET_MAX = 6;  // degrees at one vertex

class losowanie {
 public:
  explicit losowanie(std::uint32_t ziarno) : generator(ziarno) {}
  // Uniform in [a, b), the same on every standard library.
  double rownomiernie(double a, double b) { return a + (b - a) * (generator() / 4294967296.0); }
  int calkowita(int a, int b) { return a + static_cast<int>(generator() % static_cast<std::uint32_t>(b - a + 1)); }

 private:
  std::mt19937 generator;
};

wektor pozycja(const w_punkt* punkt) { return {punkt->GET_X(), punkt->GET_Y()}; }

// A chain of `ile` new points from `start` along bearing `kierunek`, joined to `poczatek`
// when given. Straights alternate with bends of one radius per chain; the turn at a vertex
// keeps both tangent lengths below half the shortest spacing, so no line is flagged.
void dodaj_lancuch(tor_uklad& uklad, losowanie& los, w_punkt* poczatek, wektor start, double kierunek, int ile) {
  uklad.promien_domyslny = los.rownomiernie(PROMIEN_MIN, PROMIEN_MAX);
  const double skret_max = std::min(SKRET_MAX, 2 * std::atan(0.45 * ODSTEP_MIN / uklad.promien_domyslny) * RADIANY_NA_STOPNIE);
  w_punkt* poprzedni = poczatek;
  wektor miejsce = start;
  int do_zmiany = 0;
  double skret = 0;
  for (int i = 0; i < ile; ++i) {
    w_punkt* punkt = uklad.utworz_punkt(miejsce.x, miejsce.y, 0);
    uklad.dodaj_do_p(punkt);
    if (poprzedni) uklad.polacz(poprzedni, punkt);
    poprzedni = punkt;

    if (do_zmiany-- == 0) {
      // Next section: a straight or a bend to either side.
      do_zmiany = los.calkowita(3, 25);
      const int rodzaj = los.calkowita(0, 2);
      skret = rodzaj == 0 ? 0 : (rodzaj == 1 ? 1 : -1) * los.rownomiernie(0.3 * skret_max, skret_max);
    }
    kierunek += skret;
    const double odstep = los.rownomiernie(ODSTEP_MIN, ODSTEP_MAX);
    miejsce = punkt_na_azymucie(miejsce, odstep, kierunek);
  }
}

// Template indices of tram turnouts of standard gauge.
std::vector<int> zwrotnice_tramwajowe(const tor_uklad& uklad) {
  std::vector<int> wynik;
  for (int i = 0; i < uklad.szab_max(); ++i)
    if (uklad.szablony[i].rodzaj_transportu == TRANSPORT_TRAMWAJ && uklad.szablony[i].przeswit == 0) wynik.push_back(i);
  return wynik;
}

// Points of the last element with one line that starts at them: free track leaving there
// continues that line outwards, which the joint snapping accepts.
std::vector<w_punkt*> wyjscia_elementu(const tor_uklad& uklad, int pierwszy_punkt) {
  std::vector<w_punkt*> wynik;
  for (int i = pierwszy_punkt; i < uklad.pmax(); ++i) {
    w_punkt* punkt = uklad.p[i];
    if (punkt->li.size() == 1 && punkt->li[0]->p1 == punkt) wynik.push_back(punkt);
  }
  return wynik;
}

void dodaj_zdarzenia(tor_uklad& uklad, int ile) {
  const int na_liniach = std::min(ile / 2, uklad.lmax());
  std::vector<w_punkt*> wierzcholki;
  for (w_punkt* punkt : uklad.p)
    if (!punkt->element && punkt->li.size() == 2) wierzcholki.push_back(punkt);
  const int na_punktach = std::min(ile - na_liniach, static_cast<int>(wierzcholki.size()));

  auto zdarzenie_nr = [](int i) {
    zdarzenie z;
    z.typ = i % (ZD_PRZERWA + 1);
    z.kierunek = (i % 2) ? KIERUNEK_PRAWO : KIERUNEK_LEWO;
    z.pozycja = 0.25 + 0.5 * (i % 3) / 2;
    z.argument = z.typ == ZD_OGRANICZENIE ? 30 : 0;
    return z;
  };
  for (int i = 0; i < na_liniach; ++i)
    uklad.l[static_cast<std::size_t>(i) * uklad.lmax() / na_liniach]->zdarzenia.dodaj(zdarzenie_nr(i));
  for (int i = 0; i < na_punktach; ++i)
    wierzcholki[static_cast<std::size_t>(i) * wierzcholki.size() / na_punktach]->zdarzenia.dodaj(zdarzenie_nr(i));
}

}  // namespace

std::unique_ptr<tor_uklad> siec_miejska(const parametry_sieci& parametry) {
  auto wynik = std::make_unique<tor_uklad>();
  tor_uklad& uklad = *wynik;
  losowanie los(parametry.ziarno);
  const std::string biblioteka = VIALTOR_ZRODLA "/data/dataeditor/sb.txt";
  uklad.wczytaj_szablony(biblioteka);
  const std::vector<int> szablony = zwrotnice_tramwajowe(uklad);
  if (szablony.empty()) throw std::runtime_error("no tram turnout of 1,435 m in " + biblioteka);
  const double promien = uklad.promien_domyslny;

  // Turnouts go in first, while the layout is small: each template point is added with the
  // full recompute of the editing path.
  struct wyjscie {
    w_punkt* punkt;
    double kierunek;
  };
  std::vector<wyjscie> wyjscia;
  for (int i = 0; i < parametry.zwrotnice; ++i) {
    uklad.szab_akt = szablony[i % szablony.size()];
    const int pierwszy = uklad.pmax();
    uklad.wstaw_szablon(los.rownomiernie(0, BOK_MIASTA), los.rownomiernie(0, BOK_MIASTA));
    uklad.e.back()->kat = los.rownomiernie(0, 360);
    for (w_punkt* koniec : wyjscia_elementu(uklad, pierwszy)) {
      const wektor kierunek = pozycja(koniec) - pozycja(koniec->li[0]->p2);
      wyjscia.push_back({koniec, azymut(kierunek)});
    }
  }
  uklad.odznacz_wszystko();
  uklad.punkt_kursor = uklad.linia_kursor = uklad.ostatni_punkt = -1;

  // Two of every three turnout ends lead on into free track; the rest of the points make
  // chains that start anywhere.
  for (std::size_t i = 0; i < wyjscia.size() && uklad.pmax() < parametry.punkty; ++i) {
    if (i % 3 == 2) continue;
    const int ile = std::min(los.calkowita(30, 300), parametry.punkty - uklad.pmax());
    const wektor start = punkt_na_azymucie(pozycja(wyjscia[i].punkt), los.rownomiernie(ODSTEP_MIN, ODSTEP_MAX), wyjscia[i].kierunek);
    dodaj_lancuch(uklad, los, wyjscia[i].punkt, start, wyjscia[i].kierunek, ile);
  }
  while (uklad.pmax() < parametry.punkty) {
    const int ile = std::min(los.calkowita(30, 300), parametry.punkty - uklad.pmax());
    const wektor start{los.rownomiernie(0, BOK_MIASTA), los.rownomiernie(0, BOK_MIASTA)};
    dodaj_lancuch(uklad, los, nullptr, start, los.rownomiernie(0, 360), ile);
  }
  uklad.promien_domyslny = promien;

  dodaj_zdarzenia(uklad, parametry.zdarzenia);
  uklad.przelicz_wszystko();
  return wynik;
}

wektor miejsce_bez_punktu(const tor_uklad& uklad, double r) {
  for (const w_linia* linia : uklad.l) {
    const wektor a = pozycja(linia->p1);
    const wektor b = pozycja(linia->p2);
    const wektor srodek = (a + b) * 0.5;
    const bool wolne = std::none_of(uklad.p.begin(), uklad.p.end(), [&](const w_punkt* punkt) {
      return dlugosc(pozycja(punkt) - srodek) < r;
    });
    if (wolne) return srodek;
  }
  return {-BOK_MIASTA, -BOK_MIASTA};
}

void przenies_siec(tor_uklad& siec, tor_uklad& cel) {
  std::swap(cel.p, siec.p);
  std::swap(cel.l, siec.l);
  std::swap(cel.e, siec.e);
  std::swap(cel.szablony, siec.szablony);
}
