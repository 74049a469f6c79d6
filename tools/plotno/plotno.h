#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "imagery/obraz.h"

struct kolor_rgb {
  std::uint8_t r, g, b;
};

// An RGB drawing surface with y growing downwards (as one draws on paper). Shapes are filled
// with antialiased edges: each pixel is covered by the share of 4 x 4 samples inside the shape.
// Only + - * / and sqrt are used, so the output is the same bits on every run.
class plotno {
 public:
  plotno(int szerokosc, int wysokosc, kolor_rgb tlo);

  // Coordinates below are in pixels of the whole surface, relative to `poczatek`.
  void ustaw_poczatek(double x, double y) { px = x, py = y; }

  void kolo(double cx, double cy, double r, kolor_rgb k);
  void pierscien(double cx, double cy, double r_wew, double r_zew, kolor_rgb k);
  // The part of a ring whose direction from the centre lies within `polkat` of straight up,
  // given as the cosine of that half-angle.
  void luk_w_gore(double cx, double cy, double r_wew, double r_zew, double cos_polkata, kolor_rgb k);
  // A segment with round ends, `grubosc` wide.
  void odcinek(double x1, double y1, double x2, double y2, double grubosc, kolor_rgb k);
  // An axis-aligned rectangle with corners rounded by `promien`.
  void prostokat(double x1, double y1, double x2, double y2, double promien, kolor_rgb k);

  // The picture as an image: bottom row first.
  obraz jako_obraz() const;

 private:
  void wypelnij(double x1, double y1, double x2, double y2, const std::function<bool(double, double)>& wewnatrz,
                kolor_rgb k);
  int szer, wys;
  double px = 0, py = 0;
  std::vector<double> piksele;  // r, g, b per pixel, top row first
};
