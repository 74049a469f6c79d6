#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "geo/georeferencja.h"
#include "track/geometria.h"

// OpenStreetMap files of the tests: exact plan geometry turned into longitude and latitude
// through PROJ and written by libosmium (.osm, .osm.pbf, .osm.bz2 by the name).
using tagi_osm = std::vector<std::pair<std::string, std::string>>;

class generator_osm {
 public:
  explicit generator_osm(georeferencja geo = {4780, 6192, CRS_DOMYSLNY}) : geo_(geo) {}

  std::int64_t wezel(wektor plan, tagi_osm tagi = {});
  // A way through new nodes at the given plan places.
  std::int64_t droga(const std::vector<wektor>& punkty, tagi_osm tagi);
  // A way through existing nodes.
  std::int64_t droga_wezlow(std::vector<std::int64_t> wezly, tagi_osm tagi);
  void zapisz(const std::string& sciezka) const;
  const georeferencja& geo() const { return geo_; }

 private:
  struct w {
    std::int64_t id;
    wektor plan;
    tagi_osm tagi;
  };
  struct d {
    std::int64_t id;
    std::vector<std::int64_t> wezly;
    tagi_osm tagi;
  };
  georeferencja geo_;
  std::vector<w> wezly_;
  std::vector<d> drogi_;
};

inline const tagi_osm TRAMWAJ = {{"railway", "tram"}};

// Places every `krok` metres along a straight or an arc (bearing of the start tangent
// `azymut_poczatku`, turning right for a positive angle), the end included.
std::vector<wektor> prosta(wektor a, wektor b, double krok);
std::vector<wektor> luk(wektor poczatek, double azymut_poczatku, double promien, double kat, double krok);
