// Project save and load next to zlib alone on the same bytes.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <vector>

#include "io/gz_plik.h"
#include "io/projekt.h"
#include "katalog_roboczy.h"
#include "liczniki.h"
#include "siec_miejska.h"

namespace {

using zegar = std::chrono::steady_clock;

double sekundy(zegar::time_point od, zegar::time_point do_) { return std::chrono::duration<double>(do_ - od).count(); }

// Built once for the benchmarks that only read it.
const tor_uklad& siec_ze_zdarzeniami() {
  static const std::unique_ptr<tor_uklad> uklad = siec_miejska(SIEC_ZE_ZDARZENIAMI);
  return *uklad;
}

// zlib's gz interface alone, default level, on the bytes the project file holds.
void zlib_zapisz(const std::string& sciezka, const std::vector<std::uint8_t>& dane) {
  gzFile plik = gzopen(sciezka.c_str(), "wb");
  if (!plik || gzwrite(plik, dane.data(), static_cast<unsigned>(dane.size())) != static_cast<int>(dane.size()) ||
      gzclose(plik) != Z_OK)
    throw std::runtime_error("zlib cannot write " + sciezka);
}

void zlib_wczytaj(const std::string& sciezka, std::vector<std::uint8_t>& dane) {
  gzFile plik = gzopen(sciezka.c_str(), "rb");
  if (!plik || gzread(plik, dane.data(), static_cast<unsigned>(dane.size())) != static_cast<int>(dane.size()) ||
      gzclose(plik) != Z_OK)
    throw std::runtime_error("zlib cannot read " + sciezka);
}

void opisz_pliki(benchmark::State& state, const tor_uklad& uklad, std::size_t bajty, double sekundy_projektu,
                 double sekundy_zlib) {
  opisz_siec(state, uklad);
  state.counters["MB"] = static_cast<double>(bajty) / 1e6;
  const double iteracje = static_cast<double>(state.iterations());
  state.counters["zlib_ms"] = sekundy_zlib / iteracje * 1e3;
  state.counters["x_zlib"] = sekundy_projektu / sekundy_zlib;
  state.counters["cel_x_zlib"] = 3;
}

// Each iteration times the project save and then zlib writing the same bytes.
void zapisz_projekt_100k(benchmark::State& state) {
  const tor_uklad& uklad = siec_ze_zdarzeniami();
  katalog_roboczy katalog;
  const std::string projekt = katalog.plik("siec.vxm");
  const std::string porownanie = katalog.plik("zlib.gz");
  zapisz_projekt(projekt, uklad, TRASA_SIECI);
  const std::vector<std::uint8_t> dane = wczytaj_gz(projekt);

  double sekundy_projektu = 0;
  double sekundy_zlib = 0;
  for (auto _ : state) {
    const auto t0 = zegar::now();
    if (!zapisz_projekt(projekt, uklad, TRASA_SIECI)) state.SkipWithError("the project was not saved");
    const auto t1 = zegar::now();
    zlib_zapisz(porownanie, dane);
    const auto t2 = zegar::now();
    state.SetIterationTime(sekundy(t0, t1));
    sekundy_projektu += sekundy(t0, t1);
    sekundy_zlib += sekundy(t1, t2);
  }
  opisz_pliki(state, uklad, dane.size(), sekundy_projektu, sekundy_zlib);
}
BENCHMARK(zapisz_projekt_100k)->Unit(benchmark::kMillisecond)->UseManualTime()->ComputeStatistics("min", najkrotszy);

// Each iteration times the project load into an empty layout and then zlib reading the same
// file; making and clearing the layout are not timed.
void wczytaj_projekt_100k(benchmark::State& state) {
  katalog_roboczy katalog;
  const std::string projekt = katalog.plik("siec.vxm");
  zapisz_projekt(projekt, siec_ze_zdarzeniami(), TRASA_SIECI);
  std::vector<std::uint8_t> dane = wczytaj_gz(projekt);

  double sekundy_projektu = 0;
  double sekundy_zlib = 0;
  auto uklad = std::make_unique<tor_uklad>();
  for (auto _ : state) {
    uklad = std::make_unique<tor_uklad>();
    trasa_info trasa;
    const auto t0 = zegar::now();
    if (!wczytaj_projekt(projekt, *uklad, trasa).ok) state.SkipWithError("the project was not read");
    const auto t1 = zegar::now();
    zlib_wczytaj(projekt, dane);
    const auto t2 = zegar::now();
    state.SetIterationTime(sekundy(t0, t1));
    sekundy_projektu += sekundy(t0, t1);
    sekundy_zlib += sekundy(t1, t2);
  }
  opisz_pliki(state, *uklad, dane.size(), sekundy_projektu, sekundy_zlib);
}
BENCHMARK(wczytaj_projekt_100k)->Unit(benchmark::kMillisecond)->UseManualTime()->ComputeStatistics("min", najkrotszy);

}  // namespace
