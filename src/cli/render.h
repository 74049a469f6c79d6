#pragma once

#include <string>

// The longest side of a picture; Mesa's buffers stay within a few hundred megabytes.
inline constexpr int MAKS_BOK_OBRAZU = 8192;

// What `render` draws: the picture's size in pixels and the camera, "all" (the whole layout, as
// "&Pokaż wszystko" frames it) or "x,y,skala" (the plan view's przes_x, przes_y and skala).
struct opcje_obrazu {
  int szerokosc = 1024;
  int wysokosc = 600;
  std::string widok = "all";
};

// The picture of the layout as the plan view draws it, to .svg (the SVG painter) or .png (the
// editor's GL painter on Mesa's off-screen context). Exit codes as the other commands'.
int polecenie_render(const std::string& wejscie, const std::string& wyjscie, const std::string& katalog_danych,
                     const opcje_obrazu& opcje);
