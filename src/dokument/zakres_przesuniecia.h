#pragma once

#include "io/rekordy_stanu.h"

class tor_uklad;

// What a drag or a rotation of the selection can change, taken before it starts: the points it
// moves (selected free points, the ends of selected free lines, the points of selected
// elements), the free ends of lines from an element, which the recompute snaps, all of these
// with their neighbours, whose arcs follow, and the selected elements. Lines keep their
// records. The points are the `okolica` for which recomputing only them gives the layout's
// whole recompute.
zakres_zmiany zakres_przesuniecia(const tor_uklad& tor);
