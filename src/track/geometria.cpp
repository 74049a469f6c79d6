#include "track/geometria.h"

#include <cmath>

#include "track/malarz.h"

wektor punkt_na_azymucie(wektor srodek, double r, double kat) {
  const double a = kat * STOPNIE_NA_RADIANY;
  return {srodek.x + r * std::sin(a), srodek.y + r * std::cos(a)};
}

double koniec_luku(double poczatek, double koniec) {
  if (poczatek <= koniec) return koniec;
  if (poczatek - koniec < 1e-9) return poczatek;
  while (poczatek > koniec) koniec += 360;
  return koniec;
}

void rysuj_luk(malarz& m, double cx, double cy, double r, double poczatek, double koniec) {
  m.pasek_poczatek();
  if (koniec > poczatek) {
    for (double krok = 0;; krok += 1) {
      const double kat = poczatek + krok;
      if (!(kat < koniec)) break;
      const wektor w = punkt_na_azymucie({cx, cy}, r, kat);
      m.wierzcholek(w.x, w.y, 0);
    }
  }
  const wektor w = punkt_na_azymucie({cx, cy}, r, koniec);
  m.wierzcholek(w.x, w.y, 0);
  m.pasek_koniec();
}
