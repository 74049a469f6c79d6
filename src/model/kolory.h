#pragma once

#include "track/malarz.h"

// The colour table of point markers and model lines, by colour scheme.
struct kolor_rgb {
  float r, g, b;
};

kolor_rgb kolor_zwykly(int kolorystyka);
kolor_rgb kolor_elementu(int kolorystyka);
kolor_rgb kolor_zaznaczony(int kolorystyka);
// Points and lines of a layout that is not being edited.
kolor_rgb kolor_nieaktywny(int kolorystyka);
kolor_rgb kolor_nieaktywnej_linii(int kolorystyka);

inline void ustaw_kolor(malarz& m, kolor_rgb k) { m.kolor(k.r, k.g, k.b); }
