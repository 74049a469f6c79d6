#pragma once

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
double dlugosc(wektor v);
// A zero vector stays zero (its length is taken as 1e-9).
wektor normalizuj(wektor v);
// atan2(x, y) in degrees, in (-180, 180]; the zero vector has bearing 0.
double azymut(wektor v);
// The point at bearing `kat` and distance r from a centre.
wektor punkt_na_azymucie(wektor srodek, double r, double kat);

// Line strip along an arc from bearing `poczatek` to `koniec` in 1 degree steps;
// an arc with koniec <= poczatek yields a single vertex.
void rysuj_luk(malarz& m, double cx, double cy, double r, double poczatek, double koniec);
