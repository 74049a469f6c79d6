// Tiling a 3 km × 3 km orthophoto of 12 000 × 12 000 pixels (0.25 m a pixel) into 900 tiles of
// 512 px: seconds and peak resident memory, in EPSG:2180 and the same picture in EPSG:4326.
// Prints one line per case with its targets; the rasters are made first, outside the figures.
#include <algorithm>
#include <sys/resource.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "geo/georeferencja.h"
#include "mapy/ciecie_satek.h"
#include "mapy/gdal.h"
#include "raster_miasta.h"

namespace fs = std::filesystem;

namespace {

// CPU seconds of the process so far: on a machine shared with other work the wall time says
// little, this says what the tiling costs.
double czas_procesora() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return r.ru_utime.tv_sec + r.ru_stime.tv_sec + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

long szczyt_pamieci_kb() {
  std::ifstream f("/proc/self/status");
  std::string linia;
  while (std::getline(f, linia))
    if (linia.rfind("VmHWM:", 0) == 0) return std::stol(linia.substr(6));
  return -1;
}

// The peak starts again from what is resident now.
void zeruj_szczyt() { std::ofstream("/proc/self/clear_refs") << "5"; }

void zmierz(const char* nazwa, const std::string& raster, const std::string& wyjscie, double cel_s) {
  fs::remove_all(wyjscie);
  zeruj_szczyt();
  const auto t0 = std::chrono::steady_clock::now();
  const double cpu0 = czas_procesora();
  const wynik_ciecia w = tnij_na_satki({raster}, wyjscie, {});
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  const double cpu = czas_procesora() - cpu0;
  const double mb = szczyt_pamieci_kb() / 1024.0;
  std::printf("%-10s satek %4zu  %6.1f s (cel <= %.0f s, procesor %.1f s)  szczyt pamięci %6.0f MB (cel <= 400 MB)  %s%s\n",
              nazwa, w.zapisane, s, cel_s, cpu, mb, s <= cel_s && mb <= 400 ? "OK" : "PONAD CEL",
              w.komunikat.empty() ? "" : (" " + w.komunikat).c_str());
}

}  // namespace

int main(int argc, char** argv) {
  przygotuj_gdal();
  const fs::path katalog = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "vialtor_bench_map";
  fs::create_directories(katalog);
  const std::string r2180 = (katalog / "miasto_2180.tif").string(), r4326 = (katalog / "miasto_4326.tif").string();
  if (!raster_miasta_2180(r2180)) return 1;
  auto p = przeliczenie_crs::utworz("EPSG:2180", "EPSG:4326");
  const przeliczenie_crs& na_stopnie = std::get<przeliczenie_crs>(p);
  const double bok_m = BOK_RASTRA * PIKSEL_RASTRA;
  const punkt_mapy sw = *na_stopnie.przelicz(E0_RASTRA, N0_RASTRA - bok_m), ne = *na_stopnie.przelicz(E0_RASTRA + bok_m, N0_RASTRA);
  const double gt4326[6] = {sw.e, (ne.e - sw.e) / BOK_RASTRA, 0, ne.n, 0, -(ne.n - sw.n) / BOK_RASTRA};
  if (!fs::exists(r4326) && !zrob_raster_miasta(r4326, gt4326, "EPSG:4326")) {
    std::fprintf(stderr, "%s: %s\n", r4326.c_str(), ostatni_blad_gdal("nie można zapisać").c_str());
    fs::remove(r4326);
    return 1;
  }
  zmierz("EPSG:2180", r2180, (katalog / "wynik_2180").string(), 30);
  zmierz("EPSG:4326", r4326, (katalog / "wynik_4326").string(), 60);
  return 0;
}
