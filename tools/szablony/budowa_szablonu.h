#pragma once

#include "wzor_szablonu.h"

// The side the diverging track leaves to, seen from the entry: the sign of its y.
enum class reka { lewa = 1, prawa = -1 };

struct parametry_rozjazdu {
  int transport = 0;  // TRANSPORT_TRAMWAJ or TRANSPORT_KOLEJ
  int rodzaj = 0;     // SZABLON_ZWROTNICA, SZABLON_ROZJAZD or SZABLON_ROZJAZD_PODWOJNY
  int przeswit = 0;   // gauge index
  int promien = 0;    // radius of the diverging track, metres
  int skos = 0;       // n of the turnout angle 1:n
  reka strona = reka::lewa;
};

// The turnout as a template running along +x: the trunk end at the origin, the straight track on
// y = 0, the diverging track a polyline whose vertex carries the radius, so that its arc starts
// at the switch point, and whose end lies at +y on a left turnout, at -y on a right one.
// A double turnout has a second switch point further along, diverging the other way.
wzor_szablonu zbuduj_szablon(const parametry_rozjazdu& p);
