#include "budowa_szablonu.h"

#include <algorithm>
#include <cmath>

#include "track/przeswity.h"
#include "track/tor.h"

namespace {

constexpr std::int64_t METR = JEDNOSTEK_NA_METR;

std::int64_t w_gore_do(std::int64_t v, std::int64_t krok) { return (v + krok - 1) / krok * krok; }

// From the switch point to the vertex: the tangent length R·tan(α/2), rounded up and a little
// over, so that the editor's recompute never finds the tangent longer than the line; the arc
// then starts at most 0.1 mm past the switch point.
std::int64_t odleglosc_wierzcholka(const parametry_rozjazdu& p) {
  const double alfa = std::atan(1.0 / p.skos);
  const double styczna = p.promien * std::tan(alfa / 2) * METR;
  return static_cast<std::int64_t>(std::floor(styczna + 0.01)) + 1;
}

// Lateral offset of the diverging end. A switch ends a metre past its arc; a full turnout ends
// where the two tracks are a gauge and a metre apart, so that their rails are clear of each other.
std::int64_t odsuniecie_konca(const parametry_rozjazdu& p, std::int64_t wierzcholek) {
  const double dlugosc_na_odsuniecie = std::sqrt(1.0 + p.skos * p.skos);
  const auto za_lukiem = static_cast<std::int64_t>(std::ceil((wierzcholek + METR) / dlugosc_na_odsuniecie));
  if (p.rodzaj == SZABLON_ZWROTNICA) return za_lukiem;
  const std::int64_t przeswit = std::llround(PRZESWIT[p.przeswit] * METR);
  return std::max(za_lukiem, w_gore_do(przeswit + METR, METR / 10));
}

// The straight before the switch point.
std::int64_t wjazd(const parametry_rozjazdu& p) {
  if (p.rodzaj == SZABLON_ZWROTNICA) return METR;
  return p.transport == TRANSPORT_KOLEJ ? 6 * METR : 3 * METR;
}

// E.g. "Rozjazd_tramwajowy_R50_1:6_lewy_1,435"; adjectives agree with the kind's gender.
std::string nazwa(const parametry_rozjazdu& p) {
  const char koncowka = p.rodzaj == SZABLON_ZWROTNICA ? 'a' : 'y';
  std::string n = p.rodzaj == SZABLON_ZWROTNICA ? "Zwrotnica"
                  : p.rodzaj == SZABLON_ROZJAZD ? "Rozjazd"
                                                : "Rozjazd_podwójny";
  n += p.transport == TRANSPORT_TRAMWAJ ? "_tramwajow" : "_kolejow";
  n += koncowka;
  n += "_R" + std::to_string(p.promien) + "_1:" + std::to_string(p.skos);
  n += p.strona == reka::lewa ? "_lew" : "_praw";
  n += koncowka;
  const std::string przeswit = NAZWA_PRZESWITU[p.przeswit];  // "1,435 m"
  n += "_" + przeswit.substr(0, przeswit.find(' '));
  return n;
}

}  // namespace

wzor_szablonu zbuduj_szablon(const parametry_rozjazdu& p) {
  wzor_szablonu w;
  w.przeswit = p.przeswit;
  w.promien = p.promien;
  w.nazwa = nazwa(p);
  w.transport = p.transport;
  w.rodzaj = p.rodzaj;

  const std::int64_t wierzcholek = odleglosc_wierzcholka(p);
  const std::int64_t odsuniecie = odsuniecie_konca(p, wierzcholek);
  const std::int64_t do_konca = wierzcholek + odsuniecie * p.skos;  // switch point to the end cross-section
  // A point `wzdluz` past the switch point and `w_bok` across the straight track, to the left
  // (+y) or right; the trunk end lies on the origin.
  const std::int64_t przed_zwrotnica = wjazd(p);
  auto punkt = [&](std::int64_t wzdluz, std::int64_t w_bok) {
    w.punkty.push_back({przed_zwrotnica + wzdluz, w_bok});
    return static_cast<int>(w.punkty.size()) - 1;
  };
  auto linia = [&](int poczatek, int koniec) { w.linie.push_back({poczatek, koniec}); };
  // The diverging track of the switch point `wzdluz` along, leaving towards the side of sign s.
  auto odgalezienie = [&](int zwrotnica, std::int64_t wzdluz, std::int64_t s) {
    const int v = punkt(wzdluz + wierzcholek, 0);
    linia(zwrotnica, v);
    linia(punkt(wzdluz + do_konca, s * odsuniecie), v);
  };

  const std::int64_t strona = static_cast<std::int64_t>(p.strona);
  const int zwrotnica = punkt(0, 0);
  linia(punkt(-przed_zwrotnica, 0), zwrotnica);
  if (p.rodzaj == SZABLON_ROZJAZD_PODWOJNY) {
    // The second switch point on a whole metre before the first one's vertex.
    const std::int64_t druga_x = w_gore_do(wierzcholek / 2, METR);
    const int druga = punkt(druga_x, 0);
    linia(zwrotnica, druga);
    odgalezienie(zwrotnica, 0, strona);
    odgalezienie(druga, druga_x, -strona);
    linia(punkt(druga_x + do_konca, 0), druga);
  } else {
    odgalezienie(zwrotnica, 0, strona);
    linia(punkt(do_konca, 0), zwrotnica);
  }
  return w;
}
