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

// The element index, the export's flag and the second elevation after the project record.
constexpr std::size_t ROZMIAR_DODATKOW_PUNKTU = 4 + 1 + 8;

void zapisz_punkt(ciag_rekordow& c, const tor_punkt& t, std::int32_t element) {
  pisarz_rekordow& s = c.pisarz();
  t.zapisz(s);
  s.int32(element);
  s.u8(static_cast<std::uint8_t>(t.punkt_zdarzenia));
  s.f64(t.wysokosc2);
  c.zamknij_rekord();
}

void zapisz_linie(ciag_rekordow& c, const w_linia& l, std::int32_t p1, std::int32_t p2) {
  pisarz_rekordow& s = c.pisarz();
  s.int32(p1);
  s.int32(p2);
  s.int32(miejsce_na_liscie(l.p1, &l));
  s.int32(miejsce_na_liscie(l.p2, &l));
  l.zapisz(s);
  c.zamknij_rekord();
}

void zapisz_element(ciag_rekordow& c, const w_element& e) {
  e.zapisz(c.pisarz());
  c.zamknij_rekord();
}

void zapisz_punkty(ciag_rekordow& c, const tor_uklad& u) {
  const auto elementy = indeksy(u.e);
  for (int i = 0; i < u.pmax(); ++i) {
    const tor_punkt* t = u.punkt(i);
    zapisz_punkt(c, *t, t->element ? indeks(elementy, t->element) : -1);
  }
}

void zapisz_linie(ciag_rekordow& c, const tor_uklad& u) {
  const auto punkty = indeksy(u.p);
  for (const w_linia* l : u.l) zapisz_linie(c, *l, indeks(punkty, l->p1), indeks(punkty, l->p2));
}

std::int32_t element_z_rekordu(std::span<const std::uint8_t> rekord) {
  czytnik_rekordow s(rekord.data() + rekord.size() - ROZMIAR_DODATKOW_PUNKTU, ROZMIAR_DODATKOW_PUNKTU);
  return s.int32();
}

// The index of a point's element: where the recorded state had it when it is still there.
std::int32_t indeks_elementu(const tor_uklad& u, const w_element* element, std::int32_t byl) {
  if (!element) return -1;
  if (byl >= 0 && byl < u.emax() && u.e[byl] == element) return byl;
  return u.indeks_elementu(element);
}

// Indices named by a section of the scope, ascending and each once; false for one out of range.
bool uporzadkuj(std::vector<std::size_t>& v, std::size_t ile) {
  std::sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end()), v.end());
  return v.empty() || v.back() < ile;
}

}  // namespace

void zapisz_stan(const tor_uklad& u, const trasa_info& trasa, rekordy_stanu& r, const rekordy_stanu* wzor) {
  for (int s = 0; s < LICZBA_SEKCJI; ++s) {
    r.sekcje[s].wyczysc();
    if (wzor) r.sekcje[s].rezerwuj_jak(wzor->sekcje[s]);
  }
  zapisz_punkty(r.sekcje[SEKCJA_PUNKTY], u);
  zapisz_linie(r.sekcje[SEKCJA_LINIE], u);
  for (const w_element* e : u.e) zapisz_element(r.sekcje[SEKCJA_ELEMENTY], *e);
  zapisz_trase(r.sekcje[SEKCJA_TRASA].pisarz(), trasa);
  r.sekcje[SEKCJA_TRASA].zamknij_rekord();
}

bool zamien_zakres(const tor_uklad& u, const trasa_info& trasa, const zakres_zmiany& zakres, rekordy_stanu& stan,
                   roznice_stanow& roznice) {
  std::array<ciag_rekordow, LICZBA_SEKCJI>& sekcje = stan.sekcje;
  if (sekcje[SEKCJA_PUNKTY].ile() != u.p.size() || sekcje[SEKCJA_LINIE].ile() != u.l.size() ||
      sekcje[SEKCJA_ELEMENTY].ile() != u.e.size() || sekcje[SEKCJA_TRASA].ile() != 1)
    return false;
  std::array<std::vector<std::size_t>, LICZBA_SEKCJI> numery{zakres.punkty, zakres.linie, zakres.elementy, {0}};
  for (int s = 0; s < LICZBA_SEKCJI; ++s)
    if (!uporzadkuj(numery[s], sekcje[s].ile())) return false;

  std::array<ciag_rekordow, LICZBA_SEKCJI> nowe;
  for (const std::size_t i : numery[SEKCJA_PUNKTY]) {
    const tor_punkt& t = *u.punkt(static_cast<int>(i));
    zapisz_punkt(nowe[SEKCJA_PUNKTY], t, indeks_elementu(u, t.element, element_z_rekordu(sekcje[SEKCJA_PUNKTY].rekord(i))));
  }
  // A line keeps its points' indices while no point is added or removed; one whose points
  // are not where the record has them needs the whole layout.
  for (const std::size_t i : numery[SEKCJA_LINIE]) {
    const w_linia& l = *u.l[i];
    const miejsce_linii m = miejsce_z_rekordu(sekcje[SEKCJA_LINIE].rekord(i));
    const auto jest = [&](std::int32_t nr, const w_punkt* p) { return nr >= 0 && nr < u.pmax() && u.p[nr] == p; };
    if (!jest(m.p1, l.p1) || !jest(m.p2, l.p2)) return false;
    zapisz_linie(nowe[SEKCJA_LINIE], l, m.p1, m.p2);
  }
  for (const std::size_t i : numery[SEKCJA_ELEMENTY]) zapisz_element(nowe[SEKCJA_ELEMENTY], *u.e[i]);
  zapisz_trase(nowe[SEKCJA_TRASA].pisarz(), trasa);
  nowe[SEKCJA_TRASA].zamknij_rekord();

  for (int s = 0; s < LICZBA_SEKCJI; ++s) roznice[s] = zamien_na_miejscach(sekcje[s], numery[s], nowe[s]);
  return true;
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
