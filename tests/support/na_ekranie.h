#pragma once

#include "view/widok.h"

// Where plan point (x, y) lands in the 1024 x 600 plan view under the camera `w`: pixels from
// its top left corner, not rounded.
struct polozenie_na_ekranie {
  double x, y;
};

inline polozenie_na_ekranie na_ekranie(const widok& w, double x, double y) {
  const double nx = (x + w.przes_x) * w.skala / w.proporcja;
  const double ny = (y + w.przes_y) * w.skala;
  return {(nx + 1) * SZEROKOSC_WIDOKU / 2, (1 - ny) * WYSOKOSC_WIDOKU / 2};
}
