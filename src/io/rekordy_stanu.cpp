#include "io/rekordy_stanu.h"

#include <algorithm>
#include <unordered_map>

#include "io/trasa.h"
#include "track/tor.h"

std::size_t rekordy_stanu::pamiec() const {
  std::size_t suma = 0;
  for (const ciag_rekordow& c : sekcje) suma += c.pamiec();
  return suma;
}

namespace {

// The four integers of miejsce_linii in front of a line's record.
constexpr std::size_t ROZMIAR_MIEJSCA_LINII = 4 * 4;

template <class T>
std::unordered_map<const T*, std::int32_t> indeksy(const std::vector<T*>& v) {
  std::unordered_map<const T*, std::int32_t> wynik;
  wynik.reserve(v.size());
  for (std::size_t i = 0; i < v.size(); ++i) wynik.emplace(v[i], static_cast<std::int32_t>(i));
  return wynik;
}

// -1 for what is not in the array, as the project file writes it.
template <class T>
std::int32_t indeks(const std::unordered_map<const T*, std::int32_t>& indeksy, const T* x) {
  const auto it = indeksy.find(x);
  return it == indeksy.end() ? -1 : it->second;
}

std::int32_t miejsce_na_liscie(const w_punkt* punkt, const w_linia* linia) {
  return static_cast<std::int32_t>(std::find(punkt->li.begin(), punkt->li.end(), linia) - punkt->li.begin());
}

void zapisz_punkty(ciag_rekordow& c, const tor_uklad& u) {
  const auto elementy = indeksy(u.e);
  for (int i = 0; i < u.pmax(); ++i) {
    const tor_punkt* t = u.punkt(i);
    pisarz_rekordow& s = c.pisarz();
    t->zapisz(s);
    s.int32(t->element ? indeks(elementy, t->element) : -1);
    s.u8(static_cast<std::uint8_t>(t->punkt_zdarzenia));
    s.f64(t->wysokosc2);
    c.zamknij_rekord();
  }
}

void zapisz_linie(ciag_rekordow& c, const tor_uklad& u) {
  const auto punkty = indeksy(u.p);
  for (const w_linia* l : u.l) {
    pisarz_rekordow& s = c.pisarz();
    s.int32(indeks(punkty, l->p1));
    s.int32(indeks(punkty, l->p2));
    s.int32(miejsce_na_liscie(l->p1, l));
    s.int32(miejsce_na_liscie(l->p2, l));
    l->zapisz(s);
    c.zamknij_rekord();
  }
}

}  // namespace

void zapisz_stan(const tor_uklad& u, const trasa_info& trasa, rekordy_stanu& r, const rekordy_stanu* wzor) {
  for (int s = 0; s < LICZBA_SEKCJI; ++s) {
    r.sekcje[s].wyczysc();
    if (wzor) r.sekcje[s].rezerwuj_jak(wzor->sekcje[s]);
  }
  zapisz_punkty(r.sekcje[SEKCJA_PUNKTY], u);
  zapisz_linie(r.sekcje[SEKCJA_LINIE], u);
  for (const w_element* e : u.e) {
    e->zapisz(r.sekcje[SEKCJA_ELEMENTY].pisarz());
    r.sekcje[SEKCJA_ELEMENTY].zamknij_rekord();
  }
  zapisz_trase(r.sekcje[SEKCJA_TRASA].pisarz(), trasa);
  r.sekcje[SEKCJA_TRASA].zamknij_rekord();
}

std::int32_t wczytaj_punkt(std::span<const std::uint8_t> rekord, tor_punkt& punkt) {
  czytnik_rekordow s(rekord.data(), rekord.size());
  punkt.zdarzenia.wyczysc();  // the record's events are appended
  punkt.wczytaj(s);
  const std::int32_t element = s.int32();
  punkt.punkt_zdarzenia = s.u8();
  punkt.wysokosc2 = s.f64();
  return element;
}

miejsce_linii miejsce_z_rekordu(std::span<const std::uint8_t> rekord) {
  czytnik_rekordow s(rekord.data(), rekord.size());
  miejsce_linii m;
  m.p1 = s.int32();
  m.p2 = s.int32();
  m.nr_w_p1 = s.int32();
  m.nr_w_p2 = s.int32();
  return m;
}

void wczytaj_linie(std::span<const std::uint8_t> rekord, tor_linia& linia) {
  czytnik_rekordow s(rekord.data(), rekord.size());
  s.pomin(ROZMIAR_MIEJSCA_LINII);
  linia.zdarzenia.wyczysc();
  linia.wczytaj(s);
}

void wczytaj_element(std::span<const std::uint8_t> rekord, w_element& element) {
  czytnik_rekordow s(rekord.data(), rekord.size());
  element.wczytaj(s);
}

trasa_info trasa_z_rekordu(std::span<const std::uint8_t> rekord) {
  // All three fields: a city of 0 keeps the year and identifier in the state, whatever the
  // file reader does with them.
  czytnik_rekordow s(rekord.data(), rekord.size());
  trasa_info t;
  t.miasto = s.int32();
  t.rok = s.int32();
  t.id = s.int32();
  return t;
}

xy xy_z_rekordu(std::span<const std::uint8_t> rekord) {
  czytnik_rekordow s(rekord.data(), rekord.size());
  xy w;
  w.x = s.f64();
  w.y = s.f64();
  return w;
}

roznice_stanow porownaj_stany(const rekordy_stanu& przed, const rekordy_stanu& po) {
  roznice_stanow r;
  for (int s = 0; s < LICZBA_SEKCJI; ++s) {
    // Lines are removed by shifting the rest down; points and elements by moving the last one
    // into the gap, and the route information is one record.
    r[s] = s == SEKCJA_LINIE ? porownaj_z_przesunieciami(przed.sekcje[s], po.sekcje[s])
                             : porownaj_na_miejscach(przed.sekcje[s], po.sekcje[s]);
  }
  return r;
}
