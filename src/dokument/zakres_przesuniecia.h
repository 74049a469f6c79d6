#pragma once

#include "io/rekordy_stanu.h"

class tor_uklad;

// What a drag or a rotation of the selection can change, taken before it starts: the points it
// moves (selected free points, the ends of selected free lines, the points of selected
// elements), the free ends of lines from an element, which the recompute snaps, and the
// selected elements. Lines keep their records. After the drag's last whole recompute, the
// points are the `okolica` for which recomputing only them gives the layout's whole recompute.
zakres_zmiany zakres_przesuniecia(const tor_uklad& tor);
