#include "cli/import_osm.h"

#include <cmath>
#include <iostream>
#include <sstream>

#include "app/log.h"
#include "cli/komunikaty_cli.h"
#include "cli/polecenia.h"
#include "dokument/dokument.h"

namespace {
template <std::size_t N, typename T>
bool czytaj_liczby(const std::string& tekst, std::array<T, N>& wynik) {
  std::istringstream s(tekst);
  for (std::size_t i = 0; i < N; ++i) {
    if (i > 0 && s.get() != ',') return false;
    if (!(s >> wynik[i])) return false;
  }
  return s.peek() == std::char_traits<char>::eof();
}
}  // namespace

bool czytaj_poczatek(const std::string& tekst, opcje_importu_osm& opcje) {
  std::array<std::int32_t, 2> p{};
  if (!czytaj_liczby(tekst, p)) return false;
  opcje.poczatek = p;
  return true;
}

bool czytaj_bbox(const std::string& tekst, opcje_importu_osm& opcje) {
  std::array<double, 4> b{};
  if (!czytaj_liczby(tekst, b) || !(b[0] < b[2]) || !(b[1] < b[3])) return false;
  opcje.bbox = b;
  return true;
}

int polecenie_import_osm(const std::string& wejscie, const std::string& wyjscie, const opcje_importu_osm& opcje) {
  if (!przyjmij_plik_ukladu(wyjscie)) return WYJSCIE_BLAD;
  dokument model;
  const wynik_importu_osm w = importuj_osm(wejscie, opcje, model.tor, model.trasa);
  if (!w.ok) {
    zglos_blad(w.blad);
    log_pisz("Import OSM: %s\n", w.blad.c_str());
    return w.nieczytelny ? WYJSCIE_BLAD : WYJSCIE_ODMOWA;
  }
  const std::string raport = tekst_raportu(w.raport);
  std::cerr << raport;
  log_pisz("%s", raport.c_str());
  return zapisz_do_polecenia(wyjscie, model);
}
