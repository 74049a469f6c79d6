#include "support/panel_rejestrujacy.h"

#include <sstream>

namespace {
template <class... T>
std::string tekst(const char* nazwa, T... wartosci) {
  std::ostringstream s;
  s << nazwa;
  ((s << ' ' << wartosci), ...);
  return s.str();
}
}  // namespace

void panel_rejestrujacy::pokaz_punkt(double x, double y, int pozycja_suwaka, int obiekt) {
  wywolania.push_back(tekst("punkt", x, y, pozycja_suwaka, obiekt));
}
void panel_rejestrujacy::pokaz_linie(double dlugosc, double azymut, int obiekt) {
  wywolania.push_back(tekst("linia", dlugosc, azymut, obiekt));
}
void panel_rejestrujacy::pokaz_element(int indeks, double kat, int przelozenie) {
  wywolania.push_back(tekst("element", indeks, kat, przelozenie));
}
void panel_rejestrujacy::pokaz_pusty() { wywolania.push_back("pusty"); }
