// The simulator export: the preparation that turns events on lines into points, and the write.
#include <benchmark/benchmark.h>

#include <chrono>

#include "io/eksport.h"
#include "katalog_roboczy.h"
#include "liczniki.h"
#include "siec_miejska.h"

namespace {

// The export turns the events on lines into points of the layout itself, so every iteration
// exports a network of its own, built untimed.
void eksportuj_100k(benchmark::State& state) {
  katalog_roboczy katalog;
  const std::string plik = katalog.plik("siec.layout");
  for (auto _ : state) {
    const std::unique_ptr<tor_uklad> uklad = siec_miejska(SIEC_ZE_ZDARZENIAMI);
    opisz_siec(state, *uklad);
    const auto t0 = std::chrono::steady_clock::now();
    if (eksportuj(plik, *uklad, TRASA_SIECI) != wynik_eksportu::zapisano) state.SkipWithError("the export was refused");
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
  }
  cel_ms(state, 1000);
}
BENCHMARK(eksportuj_100k)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3)->ComputeStatistics("min", najkrotszy);

}  // namespace
