#pragma once

#include "plotno.h"

// The event symbol atlas: 4 x 4 cells of BOK pixels, the icon of event type t in column t mod 4
// and row t div 4 from the top. The plan shows the middle 92 % of a cell, so the icons keep
// clear of the cell's edge.
inline constexpr int BOK_IKONY = 64;
inline constexpr int IKON_W_RZEDZIE = 4;

obraz rysuj_atlas_zdarzen();
