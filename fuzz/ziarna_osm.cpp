// Seeds of the OpenStreetMap target: vialtor_ziarna_osm OUT writes OUT/osm: a Y junction with a
// stop, a signal and a platform, a loop, and a curve of another gauge.
#include <filesystem>
#include <iostream>

#include "osm/generator_osm.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "użycie: vialtor_ziarna_osm WYNIK\n";
    return 2;
  }
  const std::filesystem::path katalog = std::filesystem::path(argv[1]) / "osm";
  std::filesystem::create_directories(katalog);
  generator_osm g;
  std::vector<std::int64_t> a;
  for (wektor p : prosta({100, 100}, {100, 200}, 20)) a.push_back(g.wezel(p));
  std::vector<std::int64_t> b{a.back()}, c{a.back()};
  for (wektor p : prosta({100, 220}, {100, 300}, 20)) b.push_back(g.wezel(p, {{"railway", "tram_stop"}, {"direction", "forward"}}));
  for (wektor p : luk({100, 200}, 0, 25, 40, 5)) c.push_back(g.wezel(p, {{"railway", "signal"}}));
  c.erase(c.begin() + 1);
  g.droga_wezlow(a, TRAMWAJ);
  g.droga_wezlow(b, TRAMWAJ);
  g.droga_wezlow(c, TRAMWAJ);
  g.wezel({108, 150}, {{"public_transport", "platform"}, {"tram", "yes"}});
  g.zapisz((katalog / "rozgalezienie.osm").string());
  generator_osm petla;
  std::vector<wektor> o = luk({300, 300}, 0, 30, 360, 6);
  o.pop_back();
  std::vector<std::int64_t> ids;
  for (wektor p : o) ids.push_back(petla.wezel(p));
  ids.push_back(ids.front());
  petla.droga_wezlow(ids, {{"railway", "tram"}, {"gauge", "1000"}});
  petla.zapisz((katalog / "petla.osm").string());
  return 0;
}
