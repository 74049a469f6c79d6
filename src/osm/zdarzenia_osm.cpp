#include <algorithm>
#include <cmath>

#include "model/w_uklad.h"
#include "osm/siec_osm.h"
#include "track/tor.h"
#include "track/zdarzenie.h"

namespace {
// A stop or signal mapped beside the track farther than this stays out.
constexpr double ZASIEG_OBOK_TORU = 15.0;

void blizej_linii(tor_linia* l, wektor x, miejsce_na_osi& m) {
  const tor_punkt* s = l->poczatek();
  const wektor start{s->GET_X(), s->GET_Y()};
  const wektor wzdluz{-l->kx, -l->ky};  // from the start point to the end point
  const double ts = s->dlugosc_stycznej, te = l->koniec()->dlugosc_stycznej;
  const double prosta = l->dl - ts - te;
  double odl_s = iloczyn_skalarny(x - start, wzdluz);
  odl_s = prosta > 0 ? std::clamp(odl_s, ts, l->dl - te) : ts + prosta / 2;
  const double odl = dlugosc(x - (start + wzdluz * odl_s));
  if (odl >= m.odleglosc) return;
  m = {odl, l, nullptr, prosta > 0 ? (odl_s - ts) / prosta : 0.5, wzdluz, wzdluz};
}

void blizej_luku(tor_punkt* p, wektor poprzedni, wektor nastepny, wektor x, miejsce_na_osi& m) {
  if (p->GET_LIMAX() != 2 || p->skret == 0 || p->dlugosc_stycznej == 0) return;
  const wektor srodek{p->srodek_x, p->srodek_y};
  double fi = azymut(x - srodek);
  while (fi < p->kat_poczatkowy) fi += 360;
  while (fi >= p->kat_poczatkowy + 360) fi -= 360;
  if (fi > p->kat_koncowy) return;
  const double odl = std::fabs(dlugosc(x - srodek) - p->promien);
  if (odl >= m.odleglosc) return;
  const double r = fi * STOPNIE_NA_RADIANY;
  // The symbol turns by 180 - bearing; the arc's positions grow with the bearing.
  const wektor os{-std::cos(r), std::sin(r)};
  wektor jazda{std::cos(r), -std::sin(r)};
  if (iloczyn_skalarny(jazda, nastepny - poprzedni) < 0) jazda = -jazda;
  const double rozpietosc = p->kat_koncowy - p->kat_poczatkowy;
  m = {odl, nullptr, p, rozpietosc > 0 ? (fi - p->kat_poczatkowy) / rozpietosc : 0, os, jazda};
}

wektor miejsce(const tor_punkt* p) { return {p->GET_X(), p->GET_Y()}; }

}  // namespace

miejsce_na_osi najblizsze_miejsce(const lancuch_toru& l, wektor x) {
  miejsce_na_osi m;
  const auto& pk = l.punkty;
  for (std::size_t i = 0; i < pk.size(); ++i) {
    if (i + 1 < pk.size())
      if (auto* linia = static_cast<tor_linia*>(w_uklad::linia_miedzy(pk[i], pk[i + 1]))) blizej_linii(linia, x, m);
    const wektor poprzedni = miejsce(pk[i > 0 ? i - 1 : i]);
    const wektor nastepny = miejsce(pk[i + 1 < pk.size() ? i + 1 : i]);
    blizej_luku(pk[i], poprzedni, nastepny, x, m);
  }
  return m;
}

void umiesc_zdarzenia(const dane_osm& d, const std::vector<lancuch_toru>& lancuchy,
                      const std::vector<int>& lancuch_wezla,
                      const std::function<std::optional<wektor>(double lon, double lat)>& na_plan,
                      raport_importu_osm& r) {
  for (const obiekt_osm& o : d.obiekty) {
    const std::optional<wektor> x = na_plan(o.lon, o.lat);
    if (!x) {
      ++r.pominiete_zdarzenia["poza obszarem importu"];
      continue;
    }
    const std::ptrdiff_t w = d.znajdz_wezel(o.id);
    const int nr = !o.przy_torze && w >= 0 ? lancuch_wezla[static_cast<std::size_t>(w)] : -1;
    miejsce_na_osi m;
    if (nr >= 0) {
      m = najblizsze_miejsce(lancuchy[static_cast<std::size_t>(nr)], *x);
    } else {
      for (const lancuch_toru& l : lancuchy) {
        miejsce_na_osi k = najblizsze_miejsce(l, *x);
        if (k.odleglosc < m.odleglosc) m = k;
      }
      if (m.odleglosc > ZASIEG_OBOK_TORU) {
        ++r.pominiete_zdarzenia["dalej niż 15 m od toru"];
        continue;
      }
    }
    if (m.linia == nullptr && m.punkt == nullptr) continue;
    zdarzenie z;
    z.typ = o.rodzaj == rodzaj_obiektu_osm::przystanek ? ZD_PRZYSTANEK : ZD_SYGNALIZATOR;
    z.pozycja = std::clamp(m.pozycja, 0.0, 1.0);
    if (o.kierunek == 0) {
      z.kierunek = KIERUNEK_PRAWO | KIERUNEK_LEWO;
    } else {
      const bool z_jazda = iloczyn_skalarny(m.os_symbolu, m.jazda) > 0;
      z.kierunek = (o.kierunek > 0) == z_jazda ? KIERUNEK_PRAWO : KIERUNEK_LEWO;
    }
    (m.linia ? m.linia->zdarzenia : m.punkt->zdarzenia).dodaj(z);
    ++(o.rodzaj == rodzaj_obiektu_osm::przystanek ? r.przystanki : r.sygnalizatory);
  }
}
