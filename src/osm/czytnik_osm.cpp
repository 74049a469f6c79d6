#include "osm/czytnik_osm.h"

#include <osmium/handler.hpp>
#include <osmium/io/any_input.hpp>
#include <osmium/visitor.hpp>

#include <algorithm>
#include <cstring>

namespace {

bool rowne(const char* a, const char* b) { return a != nullptr && std::strcmp(a, b) == 0; }

int kierunek(const osmium::TagList& tagi) {
  const char* k = tagi.get_value_by_key("railway:signal:direction");
  if (k == nullptr) k = tagi.get_value_by_key("direction");
  if (rowne(k, "forward")) return 1;
  if (rowne(k, "backward")) return -1;
  return 0;
}

class zbieracz : public osmium::handler::Handler {
 public:
  explicit zbieracz(dane_osm& d) : d_(d) {}

  void node(const osmium::Node& n) {
    if (!n.location().valid()) return;
    const double lon = n.location().lon_without_check(), lat = n.location().lat_without_check();
    d_.wezly.push_back({n.id(), lon, lat});
    const osmium::TagList& t = n.tags();
    const char* railway = t.get_value_by_key("railway");
    const char* pt = t.get_value_by_key("public_transport");
    const bool tramwaj = rowne(t.get_value_by_key("tram"), "yes");
    if (rowne(railway, "tram_stop") || (tramwaj && rowne(pt, "stop_position"))) {
      d_.obiekty.push_back({n.id(), lon, lat, rodzaj_obiektu_osm::przystanek, kierunek(t), false});
    } else if (tramwaj && rowne(pt, "platform")) {
      d_.obiekty.push_back({n.id(), lon, lat, rodzaj_obiektu_osm::przystanek, kierunek(t), true});
    } else if (rowne(railway, "signal")) {
      d_.obiekty.push_back({n.id(), lon, lat, rodzaj_obiektu_osm::sygnalizator, kierunek(t), false});
    }
  }

  void way(const osmium::Way& w) {
    const osmium::TagList& t = w.tags();
    const char* railway = t.get_value_by_key("railway");
    if (railway == nullptr) return;
    droga_osm d;
    d.id = w.id();
    d.railway = railway;
    if (const char* s = t.get_value_by_key("service")) d.service = s;
    if (const char* g = t.get_value_by_key("gauge")) d.gauge = g;
    d.area = rowne(t.get_value_by_key("area"), "yes");
    d.nieczynna = rowne(t.get_value_by_key("disused"), "yes") || rowne(t.get_value_by_key("abandoned"), "yes");
    d.wezly.reserve(w.nodes().size());
    for (const osmium::NodeRef& r : w.nodes()) d.wezly.push_back(r.ref());
    d_.drogi.push_back(std::move(d));
  }

 private:
  dane_osm& d_;
};

dane_osm czytaj(const osmium::io::File& plik) {
  dane_osm d;
  try {
    osmium::io::Reader czytnik(plik, osmium::osm_entity_bits::node | osmium::osm_entity_bits::way);
    zbieracz z(d);
    osmium::apply(czytnik, z);
    czytnik.close();
  } catch (const std::exception& e) {
    throw blad_osm(e.what());
  }
  std::sort(d.wezly.begin(), d.wezly.end(), [](const wezel_osm& a, const wezel_osm& b) { return a.id < b.id; });
  return d;
}

}  // namespace

std::ptrdiff_t dane_osm::znajdz_wezel(std::int64_t id) const {
  auto it = std::lower_bound(wezly.begin(), wezly.end(), id, [](const wezel_osm& w, std::int64_t i) { return w.id < i; });
  return it != wezly.end() && it->id == id ? it - wezly.begin() : -1;
}

dane_osm czytaj_osm(const std::string& sciezka) { return czytaj(osmium::io::File(sciezka)); }

dane_osm czytaj_osm_z_pamieci(const char* dane, std::size_t rozmiar, const std::string& format) {
  return czytaj(osmium::io::File(dane, rozmiar, format));
}
