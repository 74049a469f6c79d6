#include "osm/generator_osm.h"

#include <osmium/builder/attr.hpp>
#include <osmium/io/any_output.hpp>

#include <cmath>
#include <stdexcept>
#include <variant>

std::int64_t generator_osm::wezel(wektor plan, tagi_osm tagi) {
  const std::int64_t id = static_cast<std::int64_t>(wezly_.size()) + 1;
  wezly_.push_back({id, plan, std::move(tagi)});
  return id;
}

std::int64_t generator_osm::droga(const std::vector<wektor>& punkty, tagi_osm tagi) {
  std::vector<std::int64_t> ids;
  for (wektor p : punkty) ids.push_back(wezel(p));
  return droga_wezlow(std::move(ids), std::move(tagi));
}

std::int64_t generator_osm::droga_wezlow(std::vector<std::int64_t> wezly, tagi_osm tagi) {
  const std::int64_t id = static_cast<std::int64_t>(drogi_.size()) + 1;
  drogi_.push_back({id, std::move(wezly), std::move(tagi)});
  return id;
}

void generator_osm::zapisz(const std::string& sciezka) const {
  auto p = przeliczenie_crs::utworz(geo_.crs, "EPSG:4326");
  if (!std::holds_alternative<przeliczenie_crs>(p)) throw std::runtime_error(std::get<std::string>(p));
  const auto& na_stopnie = std::get<przeliczenie_crs>(p);
  using namespace osmium::builder::attr;
  osmium::memory::Buffer bufor{1 << 20, osmium::memory::Buffer::auto_grow::yes};
  for (const w& n : wezly_) {
    const punkt_mapy m = geo_.na_mape({n.plan.x, n.plan.y});
    const auto s = na_stopnie.przelicz(m.e, m.n);
    if (!s) throw std::runtime_error("PROJ");
    osmium::builder::add_node(bufor, _id(n.id), _version(1), _location(s->e, s->n), _tags(n.tagi));
  }
  for (const d& w : drogi_) osmium::builder::add_way(bufor, _id(w.id), _version(1), _nodes(w.wezly), _tags(w.tagi));
  osmium::io::Writer pisarz{sciezka, osmium::io::overwrite::allow};
  pisarz(std::move(bufor));
  pisarz.close();
}

std::vector<wektor> prosta(wektor a, wektor b, double krok) {
  const double l = dlugosc(b - a);
  const int n = std::max(1, static_cast<int>(std::ceil(l / krok - 1e-9)));
  std::vector<wektor> w;
  for (int i = 0; i <= n; ++i) w.push_back(a + (b - a) * (static_cast<double>(i) / n));
  return w;
}

std::vector<wektor> luk(wektor poczatek, double azymut_poczatku, double promien, double kat, double krok) {
  // The centre lies to the right of the start tangent for a right turn (growing bearing).
  const double znak = kat >= 0 ? 1 : -1;
  const double srodkowy = azymut_poczatku + 90 * znak;
  const wektor srodek = punkt_na_azymucie(poczatek, promien, srodkowy);
  const double start = srodkowy + 180;
  const int n = std::max(1, static_cast<int>(std::ceil(std::fabs(kat) * STOPNIE_NA_RADIANY * promien / krok - 1e-9)));
  std::vector<wektor> w;
  for (int i = 0; i <= n; ++i) w.push_back(punkt_na_azymucie(srodek, promien, start + kat * i / n));
  return w;
}
