// Import of a generated tram network from OpenStreetMap: 2 000 ways, 100 000 nodes, as .osm.pbf.
// Prints the import's time and the process's peak memory (targets 3 s, 300 MB) and the time of
// the resulting layout's recompute and geometry test (target 100 ms).
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>

#include "osm/generator_osm.h"
#include "osm/import_osm.h"
#include "track/tor.h"

namespace {
double ms_od(std::chrono::steady_clock::time_point t) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t).count();
}

// 40 routes of 50 ways each; every way a straight and a bend of 25 nodes each, joined end to end.
void siec(generator_osm& g) {
  std::mt19937 los(7);
  std::uniform_real_distribution<double> promien(25, 400), kat(10, 70);
  for (int trasa = 0; trasa < 40; ++trasa) {
    wektor p{1000.0 + 400 * trasa, 1000};
    double azymut_ = 0;
    std::int64_t poprzedni = g.wezel(p);
    for (int droga = 0; droga < 50; ++droga) {
      std::vector<wektor> w = prosta(p, punkt_na_azymucie(p, 100, azymut_), 4);
      const double k = (los() % 2 ? 1 : -1) * kat(los);
      const double r = promien(los);
      std::vector<wektor> l = luk(w.back(), azymut_, r, k, std::fabs(k) * STOPNIE_NA_RADIANY * r / 25);
      w.insert(w.end(), l.begin() + 1, l.end());
      std::vector<std::int64_t> ids{poprzedni};
      for (std::size_t i = 1; i < w.size(); ++i) ids.push_back(g.wezel(w[i]));
      g.droga_wezlow(ids, TRAMWAJ);
      poprzedni = ids.back();
      p = w.back();
      azymut_ += k;
    }
  }
}
}  // namespace

int main() {
  const auto katalog = std::filesystem::temp_directory_path() / "vialtor_bench_osm";
  std::filesystem::create_directories(katalog);
  const std::string plik = (katalog / "siec.osm.pbf").string();
  {
    generator_osm g;
    siec(g);
    g.zapisz(plik);
  }
  tor_uklad tor;
  trasa_info trasa;
  opcje_importu_osm opcje;
  const auto t0 = std::chrono::steady_clock::now();
  const wynik_importu_osm w = importuj_osm(plik, opcje, tor, trasa);
  const double import_ms = ms_od(t0);
  rusage zuzycie{};
  getrusage(RUSAGE_SELF, &zuzycie);
  if (!w.ok) {
    std::fprintf(stderr, "%s\n", w.blad.c_str());
    return 1;
  }
  const auto t1 = std::chrono::steady_clock::now();
  tor.przelicz_wszystko();
  const bool dobra = tor.sprawdz_geometrie();
  const double test_ms = ms_od(t1);
  const dane_osm dane = czytaj_osm(plik);
  std::printf("sieć: %zu dróg, %zu węzłów OSM\n", dane.drogi.size(), dane.wezly.size());
  std::printf("%s", tekst_raportu(w.raport).c_str());
  std::printf("import: %.0f ms (cel 3000 ms), pamięć szczytowa: %.0f MB (cel 300 MB)\n", import_ms,
              zuzycie.ru_maxrss / 1024.0);
  std::printf("przeliczenie i test geometrii: %.1f ms (cel 100 ms), geometria %s\n", test_ms,
              dobra ? "dobra" : "z błędami");
  std::filesystem::remove_all(katalog);
  return 0;
}
