#pragma once

#include <cstdint>
#include <memory>

#include "app/stan.h"
#include "track/geometria.h"
#include "track/tor.h"

// What the synthetic city network is made of.
struct parametry_sieci {
  int punkty = 100000;     // track points in all, turnout points included
  int zwrotnice = 300;     // turnouts placed from the template library
  int zdarzenia = 0;       // events, half on lines and half on curve vertices
  std::uint32_t ziarno = 1;
};

// The network of the file benchmarks: events on lines and points, saved with a route.
inline constexpr parametry_sieci SIEC_ZE_ZDARZENIAMI{.zdarzenia = 10000};
inline constexpr trasa_info TRASA_SIECI{1, 2024, 7};

// A new layout holding a city-like network: chains of free track whose vertices turn by
// a few degrees (radii 25-300 m, points 10-20 m apart, so that no line is flagged), turnouts
// from the template library at random places and bearings, and chains leaving from some of
// their ends. Points and lines are appended directly; the layout is recomputed once at the end.
std::unique_ptr<tor_uklad> siec_miejska(const parametry_sieci& parametry);

// The network moved whole into a document's layout: points, lines, elements, templates.
void przenies_siec(tor_uklad& siec, tor_uklad& cel);

// A spot at least r from every point and near a line, so that a pick there runs the line loop.
wektor miejsce_bez_punktu(const tor_uklad& uklad, double r);
