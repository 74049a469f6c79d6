// Tiling a 3 km × 3 km orthophoto of 12 000 × 12 000 pixels (0.25 m a pixel) into 900 tiles of
// 512 px: seconds and peak resident memory, in EPSG:2180 and the same picture in EPSG:4326.
// Prints one line per case with its targets; the rasters are made first, outside the figures.
#include <gdal.h>
#include <ogr_srs_api.h>

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

namespace fs = std::filesystem;

namespace {

constexpr int BOK = 12000;
constexpr double PIKSEL = 0.25;
constexpr double E0 = 470000, N0 = 613000;  // north-west corner

// A photo-like pattern, written by strips so that making it costs little memory.
bool zrob_raster(const std::string& sciezka, const double gt[6], const char* crs) {
  const char* opcje[] = {"TILED=YES", "COMPRESS=JPEG", "PHOTOMETRIC=YCBCR", "JPEG_QUALITY=85", nullptr};
  GDALDatasetH z = GDALCreate(GDALGetDriverByName("GTiff"), sciezka.c_str(), BOK, BOK, 3, GDT_Byte,
                              const_cast<char**>(opcje));
  if (z == nullptr) return false;
  GDALSetGeoTransform(z, const_cast<double*>(gt));
  OGRSpatialReferenceH srs = OSRNewSpatialReference(nullptr);
  OSRSetFromUserInput(srs, crs);
  GDALSetSpatialRef(z, srs);
  OSRDestroySpatialReference(srs);
  constexpr int PAS = 256;
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(BOK) * PAS * 3);
  int mapa[3] = {1, 2, 3};
  bool dobrze = true;
  for (int y0 = 0; y0 < BOK && dobrze; y0 += PAS) {
    for (int y = 0; y < PAS; ++y)
      for (int x = 0; x < BOK; ++x) {
        const int yy = y0 + y;
        std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * BOK + x) * 3];
        const bool ulica = (x % 400) < 40 || (yy % 400) < 40;
        p[0] = ulica ? 180 : static_cast<std::uint8_t>(60 + (x * 7 + yy * 3) % 90);
        p[1] = ulica ? 180 : static_cast<std::uint8_t>(90 + ((x / 13) ^ (yy / 11)) % 80);
        p[2] = ulica ? 170 : static_cast<std::uint8_t>(50 + (x + yy) % 60);
      }
    const int wiersze = std::min(PAS, BOK - y0);
    dobrze = GDALDatasetRasterIO(z, GF_Write, 0, y0, BOK, wiersze, rgb.data(), BOK, wiersze, GDT_Byte, 3, mapa, 3,
                                 BOK * 3, 1) == CE_None;
  }
  GDALClose(z);
  return dobrze;
}

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
  const double gt2180[6] = {E0, PIKSEL, 0, N0, 0, -PIKSEL};
  auto p = przeliczenie_crs::utworz("EPSG:2180", "EPSG:4326");
  const przeliczenie_crs& na_stopnie = std::get<przeliczenie_crs>(p);
  const punkt_mapy sw = *na_stopnie.przelicz(E0, N0 - BOK * PIKSEL), ne = *na_stopnie.przelicz(E0 + BOK * PIKSEL, N0);
  const double gt4326[6] = {sw.e, (ne.e - sw.e) / BOK, 0, ne.n, 0, -(ne.n - sw.n) / BOK};
  for (auto [r, gt, crs] : {std::tuple{r2180, gt2180, "EPSG:2180"}, std::tuple{r4326, gt4326, "EPSG:4326"}}) {
    if (fs::exists(r) || zrob_raster(r, gt, crs)) continue;
    std::fprintf(stderr, "%s: %s\n", r.c_str(), ostatni_blad_gdal("nie można zapisać").c_str());
    fs::remove(r);
    return 1;
  }
  zmierz("EPSG:2180", r2180, (katalog / "wynik_2180").string(), 30);
  zmierz("EPSG:4326", r4326, (katalog / "wynik_4326").string(), 60);
  return 0;
}
