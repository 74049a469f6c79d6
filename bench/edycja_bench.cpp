// The recompute and the editing operations that run on every edit or cursor move.
#include <benchmark/benchmark.h>

#include "liczniki.h"
#include "siec_miejska.h"

namespace {

constexpr double PROMIEN_WSKAZANIA = 5;

// Built once and shared by the benchmarks that leave it unchanged.
tor_uklad& siec_wspolna() {
  static const std::unique_ptr<tor_uklad> uklad = siec_miejska({});
  return *uklad;
}

void przelicz_wszystko_100k(benchmark::State& state) {
  tor_uklad& uklad = siec_wspolna();
  for (auto _ : state) {
    uklad.przelicz_wszystko();
    benchmark::ClobberMemory();
  }
  opisz_siec(state, uklad);
  cel_ms(state, 10);
}
BENCHMARK(przelicz_wszystko_100k)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", najkrotszy);

// No point within the radius: the pick goes on to the loop over every line.
void wskaz_obok_punktow(benchmark::State& state) {
  tor_uklad& uklad = siec_wspolna();
  const wektor miejsce = miejsce_bez_punktu(uklad, PROMIEN_WSKAZANIA);
  for (auto _ : state) uklad.wskaz(miejsce.x, miejsce.y, PROMIEN_WSKAZANIA, false, false);
  if (uklad.punkt_kursor != -1) state.SkipWithError("a point was within the radius");
  opisz_siec(state, uklad);
  cel_ms(state, 5);
}
BENCHMARK(wskaz_obok_punktow)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", najkrotszy);

void wskaz_punkt(benchmark::State& state) {
  tor_uklad& uklad = siec_wspolna();
  const int nr = uklad.pmax() / 2;
  const double x = uklad.p[nr]->GET_X();
  const double y = uklad.p[nr]->GET_Y();
  for (auto _ : state) uklad.wskaz(x, y, PROMIEN_WSKAZANIA, false, false);
  if (uklad.punkt_kursor != nr) state.SkipWithError("the pick missed the point");
  opisz_siec(state, uklad);
  cel_ms(state, 5);
}
BENCHMARK(wskaz_punkt)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", najkrotszy);

// Every n-th free point selected, so that the deletions are spread over the whole array.
void zaznacz_rozproszone(tor_uklad& uklad, int ile) {
  std::vector<w_punkt*> wolne;
  for (w_punkt* punkt : uklad.p)
    if (!punkt->element) wolne.push_back(punkt);
  for (int i = 0; i < ile; ++i) wolne[static_cast<std::size_t>(i) * wolne.size() / ile]->ZAZNACZ(true);
}

void usun_zaznaczone_10k_ze_100k(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<tor_uklad> uklad = siec_miejska({});
    zaznacz_rozproszone(*uklad, 10000);
    opisz_siec(state, *uklad);
    state.counters["usuwane"] = uklad->ile_zaznaczonych_punktow();
    state.ResumeTiming();
    uklad->usun_zaznaczone();
    state.PauseTiming();
    uklad.reset();  // the teardown is not part of the operation
    state.ResumeTiming();
  }
  cel_ms(state, 100);
}
BENCHMARK(usun_zaznaczone_10k_ze_100k)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", najkrotszy)->Iterations(5);

}  // namespace
