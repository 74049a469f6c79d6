#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "track/geometria.h"

class tor_uklad;

// The heights along a chain of track: from an item in both directions up to the first junction
// (a point with three lines), a track end, or back round to the start of a loop. Distances run
// along the centre line: each line's straight part, then the arc at the point after it.

struct odcinek_profilu {
  bool luk = false;   // an arc at point nr, else the straight part of line nr
  int nr = -1;
  double s0 = 0, s1 = 0;  // distance from the start, m
  double h0 = 0, h1 = 0;  // heights at both ends, as the simulator export takes them
  double nachylenie = 0;  // per mille in the direction of travel
  // Straight: its plan ends. Arc: centre, radius and the bearings where it is entered and left.
  wektor a, b;
  wektor srodek;
  double promien = 0, kat0 = 0, kat1 = 0;
};

// A stop or a signal along the chain.
struct znak_profilu {
  std::int32_t typ = 0;
  double s = 0;
  double h = 0;
};

struct profil_trasy {
  std::vector<odcinek_profilu> odcinki;
  std::vector<znak_profilu> znaki;

  double dlugosc() const { return odcinki.empty() ? 0 : odcinki.back().s1; }
  // The segment at distance s (the last one that starts at or before it); none when empty.
  const odcinek_profilu* odcinek(double s) const;
  double wysokosc(double s) const;
  wektor miejsce(double s) const;
};

enum class poczatek_profilu { punkt, linia };

// The profile through point or line nr; an index outside the layout gives an empty profile.
profil_trasy profil(const tor_uklad& tor, poczatek_profilu od, int nr);

// The item nearest to a plan place: the nearest point, unless a line's centre is nearer.
struct przedmiot_toru {
  poczatek_profilu rodzaj;
  int nr;
};
std::optional<przedmiot_toru> najblizszy_przedmiot(const tor_uklad& tor, double x, double y);
