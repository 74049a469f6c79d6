#pragma once

#include <string>
#include <vector>

#include "analiza/profil.h"

// The picture of a height profile as lines, texts and event symbols in pixels, so that the
// window paints the same picture that the SVG file holds.

struct kolor_rgb {
  int r = 0, g = 0, b = 0;
};

struct kreska {
  double x1, y1, x2, y2;
  kolor_rgb kolor;
  double grubosc = 1;
};

struct napis {
  double x, y;  // the text's baseline point
  std::string tekst;
  kolor_rgb kolor;
  enum { do_lewej, srodek, do_prawej } wyrownanie = do_lewej;
};

struct symbol_zdarzenia {
  double x, y;  // the place on the profile line; the symbol stands above it
  int typ;
};

struct rysunek_profilu {
  double szerokosc = 0, wysokosc = 0;
  std::vector<kreska> kreski;
  std::vector<napis> napisy;
  std::vector<symbol_zdarzenia> symbole;

  // Between distance and height and the picture's pixels.
  double lewy = 0, prawy = 0, gorny = 0, dolny = 0;
  double s_max = 1, h_min = 0, h_max = 1;
  double x_z_drogi(double s) const;
  double y_z_wysokosci(double h) const;
  double droga_z_x(double x) const;
};

// Gradients steeper than `nachylenie_max` (per mille) are written in the warning colour.
rysunek_profilu narysuj_profil(const profil_trasy& profil, double szerokosc, double wysokosc, double nachylenie_max);

// The picture as an SVG document (event symbols as small marks with their initial).
std::string profil_svg(const rysunek_profilu& rysunek);
// One row per straight, arc, stop and signal: kind, item, from and to (m), heights (m), gradient (per mille).
std::string profil_csv(const profil_trasy& profil);
