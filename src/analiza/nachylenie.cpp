#include "analiza/nachylenie.h"

#include <cmath>

#include "io/eksport.h"
#include "track/tor.h"

double nachylenie_linii(const tor_linia& linia) {
  const double hS = koniec_toru_w_punkcie(linia, *linia.poczatek()).wysokosc;
  const double hE = koniec_toru_w_punkcie(linia, *linia.koniec()).wysokosc;
  const double g = (hE - hS) / linia.dlugosc() * 1000;
  return std::isfinite(g) ? g : 0;
}

double nachylenie_od(const tor_linia& linia, const tor_punkt& od) {
  const double g = nachylenie_linii(linia);
  return linia.p1 == &od ? g : -g;
}
