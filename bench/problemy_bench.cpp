// The problems list on the 100 000-point network: from nothing, and after an edit of one point
// (the list updated around what changed, as the editor does after every edit).
#include <benchmark/benchmark.h>

#include "analiza/problemy.h"
#include "liczniki.h"
#include "siec_miejska.h"

namespace {

tor_uklad& siec_ze_zdarzeniami() {
  static const std::unique_ptr<tor_uklad> uklad = siec_miejska(SIEC_ZE_ZDARZENIAMI);
  return *uklad;
}

void lista_problemow_od_zera_100k(benchmark::State& state) {
  tor_uklad& uklad = siec_ze_zdarzeniami();
  std::size_t ile = 0;
  for (auto _ : state) {
    lista_problemow lista;
    lista.przelicz(uklad);
    ile = lista.problemy().size();
    benchmark::DoNotOptimize(ile);
  }
  opisz_siec(state, uklad);
  state.counters["problemy"] = static_cast<double>(ile);
  cel_ms(state, 200);
}
BENCHMARK(lista_problemow_od_zera_100k)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", najkrotszy);

// A free curve vertex moved by half a metre and back, its arc and lines recomputed as the
// editor's drag does; timed: the list's update and the rows it gives.
void lista_problemow_po_edycji_punktu_100k(benchmark::State& state) {
  tor_uklad& uklad = siec_ze_zdarzeniami();
  lista_problemow lista;
  lista.przelicz(uklad);
  int nr = uklad.pmax() / 2;
  while (uklad.p[nr]->element || uklad.p[nr]->GET_LIMAX() != 2) ++nr;
  tor_punkt* punkt = uklad.punkt(nr);
  double krok = 0.5;
  for (auto _ : state) {
    state.PauseTiming();
    punkt->SET_X(punkt->GET_X() + krok);
    krok = -krok;
    punkt->przelicz();
    for (w_linia* l : punkt->li) {
      static_cast<tor_punkt*>(l->drugi_koniec(punkt))->przelicz();
      l->przelicz();
    }
    state.ResumeTiming();
    lista.aktualizuj(uklad);
    benchmark::DoNotOptimize(lista.problemy().size());
  }
  opisz_siec(state, uklad);
  cel_ms(state, 20);
}
BENCHMARK(lista_problemow_po_edycji_punktu_100k)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", najkrotszy);

}  // namespace
