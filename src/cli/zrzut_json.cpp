#include "cli/zrzut_json.h"

#include <unordered_map>

using json = nlohmann::ordered_json;

namespace {

json zdarzenia_json(const lista_zdarzen& lista) {
  json wynik = json::array();
  for (const wezel_zdarzenia* w = lista.pierwszy(); w; w = w->nastepny.get()) {
    const zdarzenie& z = w->dane;
    wynik.push_back({{"type", z.typ},
                     {"type_b", z.typ_b},
                     {"flags", z.kierunek},
                     {"position", z.pozycja},
                     {"argument", z.argument},
                     {"reserved", z.rezerwa}});
  }
  return wynik;
}

// Indices by pointer, built once: the arrays can hold many thousands of items.
template <typename T>
std::unordered_map<const T*, int> indeksy(const std::vector<T*>& tablica) {
  std::unordered_map<const T*, int> wynik;
  wynik.reserve(tablica.size());
  for (std::size_t i = 0; i < tablica.size(); ++i) wynik.emplace(tablica[i], static_cast<int>(i));
  return wynik;
}

json punkty_toru(const tor_uklad& tor) {
  const auto nr_linii = indeksy(tor.l);
  const auto nr_elementu = indeksy(tor.e);
  json wynik = json::array();
  for (int i = 0; i < tor.pmax(); ++i) {
    const tor_punkt* t = tor.punkt(i);
    json linie = json::array();
    for (const w_linia* linia : t->li) linie.push_back(nr_linii.at(linia));
    wynik.push_back({{"x", t->x},
                     {"y", t->y},
                     {"z", t->z},
                     {"wx", t->GET_X()},
                     {"wy", t->GET_Y()},
                     {"wz", t->GET_Z()},
                     {"gauge", t->przeswit},
                     {"object", t->obiekt},
                     {"radius", t->promien},
                     {"elevation2", t->wysokosc2_bezwzgledna()},
                     {"param1", t->parametr1},
                     {"param2", t->parametr2},
                     {"element", t->element ? nr_elementu.at(t->element) : -1},
                     {"lines", std::move(linie)},
                     {"turn", t->skret},
                     {"cx", t->srodek_x},
                     {"cy", t->srodek_y},
                     {"start", t->kat_poczatkowy},
                     {"end", t->kat_koncowy},
                     {"tangent", t->dlugosc_stycznej},
                     {"events", zdarzenia_json(t->zdarzenia)}});
  }
  return wynik;
}

json linie_toru(const tor_uklad& tor) {
  const auto nr_punktu = indeksy(tor.p);
  json wynik = json::array();
  for (int i = 0; i < tor.lmax(); ++i) {
    const tor_linia* t = tor.linia(i);
    wynik.push_back({{"p1", nr_punktu.at(t->p1)},
                     {"p2", nr_punktu.at(t->p2)},
                     {"gauge", t->przeswit},
                     {"object", t->obiekt},
                     {"length", t->dl},
                     {"kx", t->kx},
                     {"ky", t->ky},
                     {"kz", t->kz},
                     {"straight", t->dlugosc()},
                     {"error", t->blad},
                     {"events", zdarzenia_json(t->zdarzenia)}});
  }
  return wynik;
}

json elementy(const tor_uklad& tor) {
  json wynik = json::array();
  for (const w_element* e : tor.e)
    wynik.push_back({{"x", e->x},
                     {"y", e->y},
                     {"z", e->z},
                     {"kat", e->kat},
                     {"odbity", e->odbity},
                     {"przelozenie", e->przelozenie},
                     {"nr_szablonu", e->nr_szablonu}});
  return wynik;
}

json siec_trakcyjna(const siec_uklad& siec) {
  const auto nr_punktu = indeksy(siec.p);
  json punkty = json::array();
  for (const w_punkt* p : siec.p) punkty.push_back({{"x", p->x}, {"y", p->y}, {"z", p->z}});
  json linie = json::array();
  for (const w_linia* l : siec.l)
    linie.push_back({{"p1", nr_punktu.at(l->p1)},
                     {"p2", nr_punktu.at(l->p2)},
                     {"wire", static_cast<const siec_linia*>(l)->typ}});
  return {{"points", std::move(punkty)}, {"lines", std::move(linie)}};
}

}  // namespace

json zrzut_modelu(const dokument& model) {
  return {{"route", {{"city", model.trasa.miasto}, {"year", model.trasa.rok}, {"id", model.trasa.id}}},
          {"points", punkty_toru(model.tor)},
          {"lines", linie_toru(model.tor)},
          {"elements", elementy(model.tor)},
          {"catenary", siec_trakcyjna(model.siec)}};
}
