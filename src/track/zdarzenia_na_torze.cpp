#include "track/zdarzenia_na_torze.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

std::optional<miejsce_na_torze> rzut_na_linie(const tor_linia& l, int nr, wektor c) {
  const double ts = l.poczatek()->dlugosc_stycznej;
  const double prosta = l.dl - ts - l.koniec()->dlugosc_stycznej;
  if (!(prosta > 0)) return std::nullopt;
  const wektor s{l.p1->GET_X(), l.p1->GET_Y()};
  // The direction runs from the end point to the start point.
  const double wzdluz = iloczyn_skalarny(s - c, {l.kx, l.ky});
  const double pozycja = std::clamp((wzdluz - ts) / prosta, 0.0, 1.0);
  return miejsce_na_torze{true, nr, pozycja, dlugosc(c - l.miejsce_zdarzenia(pozycja))};
}

std::optional<miejsce_na_torze> rzut_na_luk(const tor_punkt& p, int nr, wektor c) {
  if (!p.ma_luk()) return std::nullopt;
  const double rozpietosc = p.kat_koncowy - p.kat_poczatkowy;
  if (!(rozpietosc > 0)) return std::nullopt;
  // The bearing taken within half a turn of the arc's middle, so that a place past either end
  // comes to the nearer end.
  double kat = azymut(c - wektor{p.srodek_x, p.srodek_y}) - p.kat_poczatkowy;
  const double od = rozpietosc / 2 - 180;
  kat = od + std::fmod(std::fmod(kat - od, 360.0) + 360.0, 360.0);
  const double pozycja = std::clamp(kat / rozpietosc, 0.0, 1.0);
  return miejsce_na_torze{false, nr, pozycja, dlugosc(c - p.miejsce_zdarzenia(pozycja))};
}

}  // namespace

const lista_zdarzen* lista_wlasciciela(const tor_uklad& u, bool na_linii, int nr) {
  if (nr < 0) return nullptr;
  if (na_linii) return nr < u.lmax() ? &u.l[nr]->zdarzenia : nullptr;
  return nr < u.pmax() ? &u.p[nr]->zdarzenia : nullptr;
}

lista_zdarzen* lista_wlasciciela(tor_uklad& u, bool na_linii, int nr) {
  return const_cast<lista_zdarzen*>(lista_wlasciciela(std::as_const(u), na_linii, nr));
}

const zdarzenie* znajdz_zdarzenie(const tor_uklad& u, const adres_zdarzenia& a) {
  const lista_zdarzen* lista = lista_wlasciciela(u, a.na_linii, a.nr);
  return lista ? lista->nr(a.indeks) : nullptr;
}

zdarzenie* znajdz_zdarzenie(tor_uklad& u, const adres_zdarzenia& a) {
  return const_cast<zdarzenie*>(znajdz_zdarzenie(std::as_const(u), a));
}

ramka_symbolu ramka_zdarzenia(const tor_uklad& u, const adres_zdarzenia& a) {
  const double pozycja = znajdz_zdarzenie(u, a)->pozycja;
  return a.na_linii ? u.linia(a.nr)->ramka_zdarzenia(pozycja) : u.punkt(a.nr)->ramka_zdarzenia(pozycja);
}

std::optional<miejsce_na_torze> rzut_na_wlasciciela(const tor_uklad& u, bool na_linii, int nr, double x, double y) {
  if (!lista_wlasciciela(u, na_linii, nr)) return std::nullopt;
  return na_linii ? rzut_na_linie(*u.linia(nr), nr, {x, y}) : rzut_na_luk(*u.punkt(nr), nr, {x, y});
}

namespace {

// The indices of the points or lines that the grid finds near (x, y), or of every one.
const std::vector<std::uint32_t>& w_poblizu(bool linie, const tor_uklad& u, double x, double y, double r,
                                            std::vector<std::uint32_t>& bufor) {
  if (linie ? u.linie_w_poblizu(x, y, r, bufor) : u.punkty_w_poblizu(x, y, r, bufor)) return bufor;
  bufor.resize(linie ? u.l.size() : u.p.size());
  for (std::size_t i = 0; i < bufor.size(); ++i) bufor[i] = static_cast<std::uint32_t>(i);
  return bufor;
}

}  // namespace

std::optional<miejsce_na_torze> najblizsze_miejsce(const tor_uklad& u, double x, double y, double r) {
  std::optional<miejsce_na_torze> najblizsze;
  const auto sprawdz = [&](const std::optional<miejsce_na_torze>& m) {
    if (m && m->odleglosc <= r && (!najblizsze || m->odleglosc < najblizsze->odleglosc)) najblizsze = m;
  };
  const wektor c{x, y};
  std::vector<std::uint32_t> bufor;
  for (const std::uint32_t j : w_poblizu(true, u, x, y, r, bufor)) {
    const int i = static_cast<int>(j);
    const w_linia& l = *u.l[i];
    // Lines whose box, widened by r, misses the point cannot be near it.
    if (x < std::min(l.p1->GET_X(), l.p2->GET_X()) - r || x > std::max(l.p1->GET_X(), l.p2->GET_X()) + r ||
        y < std::min(l.p1->GET_Y(), l.p2->GET_Y()) - r || y > std::max(l.p1->GET_Y(), l.p2->GET_Y()) + r)
      continue;
    sprawdz(rzut_na_linie(*u.linia(i), i, c));
  }
  for (const std::uint32_t j : w_poblizu(false, u, x, y, r, bufor)) {
    const int i = static_cast<int>(j);
    sprawdz(rzut_na_luk(*u.punkt(i), i, c));
  }
  return najblizsze;
}

std::optional<adres_zdarzenia> najblizsze_zdarzenie(const tor_uklad& u, double x, double y, double r) {
  std::optional<adres_zdarzenia> najblizsze;
  double najmniej = r;
  const auto przejrzyj = [&](const w_punkt* p, const w_linia* l, bool na_linii, int nr) {
    const lista_zdarzen& lista = na_linii ? l->zdarzenia : p->zdarzenia;
    int indeks = 0;
    for (const wezel_zdarzenia* w = lista.pierwszy(); w; w = w->nastepny.get(), ++indeks) {
      const ramka_symbolu f = na_linii ? static_cast<const tor_linia*>(l)->ramka_zdarzenia(w->dane.pozycja)
                                       : static_cast<const tor_punkt*>(p)->ramka_zdarzenia(w->dane.pozycja);
      const double d = dlugosc(f.miejsce - wektor{x, y});
      if (d <= najmniej) {
        najmniej = d;
        najblizsze = adres_zdarzenia{na_linii, nr, indeks};
      }
    }
  };
  std::vector<std::uint32_t> bufor;
  for (const std::uint32_t i : w_poblizu(false, u, x, y, r, bufor))
    if (!u.p[i]->zdarzenia.pusta()) przejrzyj(u.p[i], nullptr, false, static_cast<int>(i));
  for (const std::uint32_t i : w_poblizu(true, u, x, y, r, bufor))
    if (!u.l[i]->zdarzenia.pusta()) przejrzyj(nullptr, u.l[i], true, static_cast<int>(i));
  return najblizsze;
}
