// The recovery copy of the 100 000-point network next to a project save of it: the whole copy
// against the save, and the part that holds the calling (GUI) thread.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

#include "io/kopia_w_tle.h"
#include "io/projekt.h"
#include "katalog_roboczy.h"
#include "liczniki.h"
#include "siec_miejska.h"

namespace {

using zegar = std::chrono::steady_clock;

double sekundy(zegar::time_point od, zegar::time_point do_) { return std::chrono::duration<double>(do_ - od).count(); }

// Each iteration saves the project, then makes the copy and waits for its worker; the copy's
// whole time is the one reported.
void autozapis_100k(benchmark::State& state) {
  const std::unique_ptr<tor_uklad> uklad = siec_miejska(SIEC_ZE_ZDARZENIAMI);
  katalog_roboczy katalog;
  const std::string projekt = katalog.plik("siec.vxm");
  const std::string kopia_pliku = katalog.plik("autozapis.vxm");
  kopia_w_tle kopia;

  double zapis = 0, blokada = 0, calosc = 0;
  for (auto _ : state) {
    const auto t0 = zegar::now();
    if (!zapisz_projekt(projekt, *uklad, TRASA_SIECI)) state.SkipWithError("the project was not saved");
    const auto t1 = zegar::now();
    kopia.zacznij(kopia_pliku, *uklad, TRASA_SIECI);
    const auto t2 = zegar::now();
    if (!kopia.czekaj().empty()) state.SkipWithError("the copy was not written");
    const auto t3 = zegar::now();
    state.SetIterationTime(sekundy(t1, t3));
    zapis += sekundy(t0, t1);
    blokada += sekundy(t1, t2);
    calosc += sekundy(t1, t3);
  }
  opisz_siec(state, *uklad);
  const double n = static_cast<double>(state.iterations());
  state.counters["zapis_projektu_ms"] = zapis / n * 1e3;
  state.counters["blokada_ms"] = blokada / n * 1e3;
  state.counters["x_zapisu"] = calosc / zapis;
  state.counters["cel_x_zapisu"] = 1.1;
}
BENCHMARK(autozapis_100k)->Unit(benchmark::kMillisecond)->UseManualTime()->ComputeStatistics("min", najkrotszy);

}  // namespace
