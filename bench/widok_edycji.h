#pragma once

#include <cmath>

#include "track/tor.h"
#include "view/widok.h"

// The points of the layout inside the camera's view.
inline int punkty_w_widoku(const tor_uklad& u, const widok& w) {
  const prostokat_planu r = widoczny_prostokat(w);
  int ile = 0;
  for (const w_punkt* p : u.p) {
    const double x = p->GET_X(), y = p->GET_Y();
    ile += x >= r.x1 && x <= r.x2 && y >= r.y1 && y <= r.y2;
  }
  return ile;
}

// An editing view: the zoom at which about `ile` points are in view around (x, y), in a view
// of the proportions of `w`.
inline widok widok_edycji(const tor_uklad& u, double x, double y, int ile, widok w = {}) {
  w.przes_x = -x;
  w.przes_y = -y;
  double a = 1e-5, b = 1;
  for (int i = 0; i < 60; ++i) {
    w.skala = std::sqrt(a * b);
    (punkty_w_widoku(u, w) > ile ? a : b) = w.skala;
  }
  return w;
}
