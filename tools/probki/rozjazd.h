#pragma once

#include "track/geometria.h"
#include "track/tor.h"

// A turnout placed from the template library, with the three ends that free track joins.
struct rozjazd {
  w_element* element = nullptr;
  tor_punkt* wjazd = nullptr;  // the trunk end, before the switch point
  tor_punkt* prosto = nullptr;  // the end of the straight track
  tor_punkt* bok = nullptr;     // the end of the diverging track
};

// Places template `nr` so that the trunk runs at bearing `kierunek` from its end towards the
// switch point, the trunk end lands on `wjazd` and the diverging track leaves to the right
// (or to the left). The template is inserted at the origin, mirrored when it diverges the
// other way, then turned and moved as the editor's element operations do it.
rozjazd postaw_rozjazd(tor_uklad& tor, int nr, wektor wjazd, double kierunek, bool w_prawo);

// World position of a point and the unit vector at a bearing.
wektor polozenie(const w_punkt* punkt);
wektor kierunek_azymutu(double kat);
