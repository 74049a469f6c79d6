#pragma once

#include <vector>

#include "track/geometria.h"

// Fitting the editor's own geometry (straights and arcs fillet at track points) to a mapped
// polyline: the track's centre line as surveyed nodes give it, in plan metres.

struct opcje_dopasowania {
  double tolerancja = 0.5;  // largest distance of a node from the fitted centre line, metres
  double promien_min = 15;
  double promien_max = 10000;
};

// A track point between two lines: where the two legs meet and the radius of its arc.
struct wierzcholek_osi {
  wektor miejsce;
  double promien = 0;
};

// The inner track points of a chain that runs from q.front() to q.back() (both become its end
// points). A straight run gives none. `kierunek_poczatku` and `kierunek_konca` (unit, in the
// chain's direction) hold the centre line's direction at an end where it joins another chain
// straight through; a zero vector leaves it free. Each leg meets the next at a point whose arc
// fits the nodes between them, so consecutive arcs never overlap; where no arc fits the nodes
// within the tolerance, a point goes on the node itself.
std::vector<wierzcholek_osi> dopasuj_os(const std::vector<wektor>& q, wektor kierunek_poczatku, wektor kierunek_konca,
                                        const opcje_dopasowania& opcje);

// The direction of the circle through a, b, c at b, oriented from a to c (the chord's direction
// when the three are in line).
wektor styczna_okregu(wektor a, wektor b, wektor c);
