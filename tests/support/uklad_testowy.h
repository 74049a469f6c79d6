#pragma once

#include "track/tor.h"

// Building small track layouts by hand. Lines are made through the layout's own `polacz`.

inline tor_punkt* dodaj_punkt_toru(tor_uklad& u, double x, double y, double promien = 5, int przeswit = 0) {
  auto* t = new tor_punkt(przeswit, x, y, 0, promien, 0);
  u.dodaj_do_p(t);
  return t;
}

// A point of an element, at local (x, y).
inline tor_punkt* dodaj_punkt_elementu(tor_uklad& u, w_element* el, double x, double y, double promien = 5) {
  tor_punkt* t = dodaj_punkt_toru(u, x, y, promien);
  t->ustaw_element(el);
  return t;
}

inline tor_linia* polacz_tor(tor_uklad& u, w_punkt* a, w_punkt* b) {
  return static_cast<tor_linia*>(u.polacz(a, b));
}

// A line inside an element, as putting a template down makes it.
inline tor_linia* polacz_w_elemencie(tor_uklad& u, w_punkt* a, w_punkt* b) {
  u.wstawianie_bloku = 1;
  tor_linia* t = polacz_tor(u, a, b);
  u.wstawianie_bloku = 0;
  return t;
}
