#pragma once

#include <cstddef>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

#include "osm/import_osm.h"
#include "track/geometria.h"

class tor_punkt;
class tor_linia;

// A run of OSM nodes between junctions or ends, one gauge, in its way's direction, and the
// track points made of it.
struct lancuch_toru {
  int przeswit = 0;
  std::vector<std::ptrdiff_t> wezly;  // indices into dane_osm::wezly
  std::vector<wektor> q;              // their plan places
  std::vector<tor_punkt*> punkty;     // in the chain's order, its end points included
};

// The nearest place of the chain's fitted centre line (straight parts of its lines, arcs of its
// points) to x: where an event there stands, the +x axis of the event's symbol and the
// direction of travel along the way.
struct miejsce_na_osi {
  double odleglosc = std::numeric_limits<double>::infinity();
  tor_linia* linia = nullptr;
  tor_punkt* punkt = nullptr;
  double pozycja = 0;
  wektor os_symbolu;
  wektor jazda;
};
miejsce_na_osi najblizsze_miejsce(const lancuch_toru& l, wektor x);

// Stops and signals on the imported ways, or beside them within 15 m, as events.
void umiesc_zdarzenia(const dane_osm& d, const std::vector<lancuch_toru>& lancuchy,
                      const std::vector<int>& lancuch_wezla,
                      const std::function<std::optional<wektor>(double lon, double lat)>& na_plan,
                      raport_importu_osm& r);
