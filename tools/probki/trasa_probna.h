#pragma once

#include "app/stan.h"
#include "track/tor.h"

// A small tram route of Elbląg: a one-way loop with curves of several radii, a depot of three
// stub tracks behind three turnouts from the template library, stops, a speed limit and its end,
// a signal, a sensor at the depot turnout, a section insulator and a rail gap. The layout
// must already hold the templates. Throws when the library has no tram turnout of the gauge or
// the result fails the geometry test.
void zbuduj_trase_probna(tor_uklad& tor, trasa_info& trasa);
