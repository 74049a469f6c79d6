// vialtor-cli render of the whole 100 000-point network with its events, as a user runs it:
// the tool's own process, loading included, to a 2048 x 1200 PNG and to SVG. Counter cpu_ms is
// the process's CPU time (Mesa's threads included), for a machine busy with other work.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "io/projekt.h"
#include "katalog_roboczy.h"
#include "liczniki.h"
#include "siec_miejska.h"

namespace {

// CPU seconds of the finished child processes so far: on a busy machine the tool's own work.
double cpu_dzieci() {
  rusage r{};
  getrusage(RUSAGE_CHILDREN, &r);
  return static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

// The network saved once for every benchmark here.
struct siec_w_pliku {
  katalog_roboczy katalog;
  std::string plik = katalog.plik("siec.vxm");
  std::unique_ptr<tor_uklad> uklad = siec_miejska(SIEC_ZE_ZDARZENIAMI);
  siec_w_pliku() {
    if (!zapisz_projekt(plik, *uklad, TRASA_SIECI)) throw std::runtime_error("cannot save " + plik);
  }
};

const siec_w_pliku& siec() {
  static const siec_w_pliku s;
  return s;
}

void uruchom(benchmark::State& state, const std::string& argumenty, const std::string& wyjscie) {
  const siec_w_pliku& s = siec();
  opisz_siec(state, *s.uklad);
  const std::string polecenie = std::string("'") + VIALTOR_CLI + "' --data '" + VIALTOR_ZRODLA + "/data' " +
                                argumenty + " >/dev/null 2>&1";
  const double cpu0 = cpu_dzieci();
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    if (std::system(polecenie.c_str()) != 0) state.SkipWithError(("failed: " + polecenie).c_str());
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
  }
  state.counters["cpu_ms"] = (cpu_dzieci() - cpu0) * 1000 / static_cast<double>(state.iterations());
  if (!wyjscie.empty() && std::filesystem::exists(wyjscie))
    state.counters["MB_pliku"] = static_cast<double>(std::filesystem::file_size(wyjscie)) / (1 << 20);
}

void render_png_2048x1200(benchmark::State& state) {
  const std::string wyjscie = siec().katalog.plik("siec.png");
  uruchom(state, "render '" + siec().plik + "' '" + wyjscie + "' --width 2048 --height 1200", wyjscie);
  cel_ms(state, 2000);
}

void render_svg(benchmark::State& state) {
  const std::string wyjscie = siec().katalog.plik("siec.svg");
  uruchom(state, "render '" + siec().plik + "' '" + wyjscie + "' --width 2048 --height 1200", wyjscie);
  cel_ms(state, 2000);
}

// Every problem of the network listed (a geometry-sound network: exit 0).
void check_all(benchmark::State& state) {
  uruchom(state, "check '" + siec().plik + "' --all", "");
  cel_ms(state, 1000);
}

// For reference: the same process loading the network and printing its counts.
void info_wczytanie(benchmark::State& state) { uruchom(state, "info '" + siec().plik + "'", ""); }

BENCHMARK(render_png_2048x1200)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3)->ComputeStatistics("min", najkrotszy);
BENCHMARK(render_svg)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3)->ComputeStatistics("min", najkrotszy);
BENCHMARK(check_all)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3)->ComputeStatistics("min", najkrotszy);
BENCHMARK(info_wczytanie)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3)->ComputeStatistics("min", najkrotszy);

}  // namespace
