#pragma once

#include <cmath>

// Plane vectors, bearings and the arc primitive. Angles are degrees; a bearing is measured
// from +y towards +x. Every operation is written out so that results are reproducible to the bit.

class malarz;

inline constexpr double PI = 3.141592653589793;
inline constexpr double STOPNIE_NA_RADIANY = 0.017453292519943295;  // pi/180
inline constexpr double RADIANY_NA_STOPNIE = 57.29577951308232;    // 180/pi

struct wektor {
  double x = 0;
  double y = 0;
};

inline wektor operator+(wektor v, wektor w) { return {v.x + w.x, v.y + w.y}; }
inline wektor operator-(wektor v, wektor w) { return {v.x - w.x, v.y - w.y}; }
inline wektor operator*(wektor v, double s) { return {v.x * s, v.y * s}; }
inline wektor operator-(wektor v) { return {-v.x, -v.y}; }
inline bool operator==(wektor v, wektor w) { return v.x == w.x && v.y == w.y; }

// +90 degrees in the mathematical sense (-90 in bearing).
inline wektor obroc_w_lewo(wektor v) { return {-v.y, v.x}; }
// -90 degrees: rotate left, then negate.
inline wektor obroc_w_prawo(wektor v) { return {v.y, -v.x}; }

inline double iloczyn_skalarny(wektor v, wektor w) { return v.x * w.x + v.y * w.y; }
// Inline: the layout recompute runs these for every point, where a call costs more than the work.
inline double dlugosc(wektor v) { return std::sqrt(v.x * v.x + v.y * v.y); }
// A zero vector stays zero (its length is taken as 1e-9).
inline wektor normalizuj(wektor v) {
  double d = dlugosc(v);
  if (d == 0) d = 1e-9;
  return {v.x / d, v.y / d};
}
// atan2(x, y) in degrees, in (-180, 180]; the zero vector has bearing 0.
inline double azymut(wektor v) {
  if (v.x == 0 && v.y == 0) return 0;
  return std::atan2(v.x, v.y) * RADIANY_NA_STOPNIE;
}
// The point at bearing `kat` and distance r from a centre.
wektor punkt_na_azymucie(wektor srodek, double r, double kat);

// Line strip along an arc from bearing `poczatek` to `koniec` in 1 degree steps;
// an arc with koniec <= poczatek yields a single vertex.
// The end bearing of an arc turning from `poczatek`: an end below the start goes round until it
// is above it, but a start above the end by a rounding remainder only (a straight-through
// vertex) is a zero arc, not a full circle.
double koniec_luku(double poczatek, double koniec);

void rysuj_luk(malarz& m, double cx, double cy, double r, double poczatek, double koniec);
