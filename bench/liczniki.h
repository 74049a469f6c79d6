#pragma once

#include <algorithm>

#include <benchmark/benchmark.h>

#include "track/tor.h"

// Counters that every benchmark line carries: the size of the network it ran on and its target.
inline void opisz_siec(benchmark::State& state, const tor_uklad& uklad) {
  state.counters["punkty"] = uklad.pmax();
  state.counters["linie"] = uklad.lmax();
  state.counters["zwrotnice"] = uklad.emax();
  state.counters["bledne_linie"] = static_cast<double>(
      std::count_if(uklad.l.begin(), uklad.l.end(), [](const w_linia* l) { return static_cast<const tor_linia*>(l)->blad; }));
}

// Target: at most this many milliseconds per iteration.
inline void cel_ms(benchmark::State& state, double ms) { state.counters["cel_ms"] = ms; }
