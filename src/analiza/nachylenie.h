#pragma once

class tor_linia;
class tor_punkt;

// Gradients as the simulator export writes them: the heights a line takes at its two end points
// over its straight length, in per mille, positive when the track climbs from p1 to p2. A straight
// of no length gives 0, as in the export.
double nachylenie_linii(const tor_linia& linia);

// The same gradient for travel along the line away from `od` (one of its end points).
double nachylenie_od(const tor_linia& linia, const tor_punkt& od);
