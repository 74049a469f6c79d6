#pragma once

#include <algorithm>
#include <vector>

#include <benchmark/benchmark.h>

#include "track/tor.h"

// Counters that every benchmark line carries: the size of the network it ran on and its target.
inline void opisz_siec(benchmark::State& state, const tor_uklad& uklad) {
  state.counters["punkty"] = uklad.pmax();
  state.counters["linie"] = uklad.lmax();
  state.counters["zwrotnice"] = uklad.emax();
  int zdarzenia = 0;
  for (const w_punkt* punkt : uklad.p) zdarzenia += punkt->ILE_ZDARZEN();
  for (const w_linia* linia : uklad.l) zdarzenia += linia->ILE_ZDARZEN();
  state.counters["zdarzenia"] = zdarzenia;
  state.counters["bledne_linie"] = static_cast<double>(
      std::count_if(uklad.l.begin(), uklad.l.end(), [](const w_linia* l) { return static_cast<const tor_linia*>(l)->blad; }));
}

// Statistic for repeated runs (--benchmark_repetitions): the run least disturbed by other
// work on the machine.
inline double najkrotszy(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

// Target: at most this many milliseconds per iteration.
inline void cel_ms(benchmark::State& state, double ms) { state.counters["cel_ms"] = ms; }
