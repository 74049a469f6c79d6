#pragma once

#include "model/w_uklad.h"

// The camera of the plan view. A plan point (x, y) lands at normalised device coordinates
// ((x + przes_x) * skala / proporcja, (y + przes_y) * skala).
struct widok {
  double skala = 0.02;
  double przes_x = -50.0;
  double przes_y = -40.0;
  double proporcja = 1024.0 / 600.0;
};

// The plan view in pixels; the cursor mapping and the pick radius assume this size.
inline constexpr int SZEROKOSC_WIDOKU = 1024;
inline constexpr int WYSOKOSC_WIDOKU = 600;

// Zoom stays finite: the cursor mapping, the pick radius and the grid divide by it.
inline constexpr double SKALA_NAJMNIEJSZA = 1e-7;
inline constexpr double SKALA_NAJWIEKSZA = 1e4;

struct prostokat_planu {
  double x1, y1, x2, y2;
};

// The plan rectangle that the view shows.
prostokat_planu widoczny_prostokat(const widok& w);

// Wheel, numpad and framing: multiply, kept within [SKALA_NAJMNIEJSZA, SKALA_NAJWIEKSZA].
void mnoz_skale(widok& w, double czynnik);
// The panel's "+" and "-": their own limits (at most 1, at least 0.00001).
void przycisk_plus(widok& w);
void przycisk_minus(widok& w);
// "&Pokaż wszystko" / "&Pokaż zaznaczone" / the geometry test's fault.
void ustaw_kadr(widok& w, const kadr& k);

// A widget pixel (px right, py down from the top left of the plan view) in view coordinates
// (metres before the pan is taken off).
void piksel_na_widok(const widok& w, double px, double py, double& x, double& y);

// Saturating conversion for the few places that need whole numbers of plan values.
int na_int(double v);
