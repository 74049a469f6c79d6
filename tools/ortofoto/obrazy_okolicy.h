#pragma once

#include <vector>

#include "imagery/obraz.h"
#include "odcinki_toru.h"

// Made-up pictures of the sample project's neighbourhood: streets run along its track.

// A part of the plan in metres, with the pixels per metre it is drawn at.
struct obszar_planu {
  double x0, y0, x1, y1;
  double piksele_na_metr;
};

// An aerial view: grass, a grid of side streets, roofs with shadows, trees, and wide streets
// with the tram rails along the track.
obraz rysuj_ortofotomape(const std::vector<odcinek_planu>& tor, const obszar_planu& o);
// A street map: blocks, white streets, the tram route in red.
obraz rysuj_plan_miasta(const std::vector<odcinek_planu>& tor, const obszar_planu& o);

// The square of `bok` pixels whose bottom left pixel is (x, y) of `o` (y from the bottom).
obraz wytnij(const obraz& o, int x, int y, int bok);
