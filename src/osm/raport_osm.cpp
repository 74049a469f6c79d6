#include <cstdio>
#include <string>

#include "io/trasa.h"
#include "osm/import_osm.h"

namespace {
std::string liczba(double v, int miejsca) {
  char b[64];
  std::snprintf(b, sizeof b, "%.*f", miejsca, v);
  return b;
}
std::string para(wektor p) { return liczba(p.x, 1) + " " + liczba(p.y, 1); }
}  // namespace

std::string tekst_raportu(const raport_importu_osm& r) {
  std::string t = "Import OpenStreetMap: " + r.plik + "\n";
  t += "układ " + r.geo.crs + ", początek siatki " + std::to_string(r.geo.kolumna) + " " + std::to_string(r.geo.wiersz) + "\n";
  t += "drogi kolejowe odczytane: " + std::to_string(r.drogi_odczytane) + ", zaimportowane: " +
       std::to_string(r.drogi_zaimportowane) + "\n";
  for (const auto& [powod, ile] : r.pominiete) t += "pominięte drogi (" + powod + "): " + std::to_string(ile) + "\n";
  if (r.przeswity_domyslne > 0)
    t += "drogi bez znanego prześwitu (prześwit domyślny): " + std::to_string(r.przeswity_domyslne) + "\n";
  t += "punkty toru: " + std::to_string(r.punkty) + ", linie: " + std::to_string(r.linie) + "\n";
  t += "długość całkowita: " + liczba(r.dlugosc, 2) + " m\n";
  t += "największa odległość węzła OSM od osi toru: " + liczba(r.najwieksze_odchylenie, 3) + " m\n";
  t += "rozjazdy do wstawienia: " + std::to_string(r.rozjazdy.size()) + "\n";
  for (const wektor& p : r.rozjazdy) t += "rozjazd do wstawienia: " + para(p) + "\n";
  t += "miejsca z błędem geometrii: " + std::to_string(r.bledy_geometrii.size()) + "\n";
  for (const wektor& p : r.bledy_geometrii) t += "błąd geometrii: " + para(p) + "\n";
  t += "zdarzenia: Przystanek " + std::to_string(r.przystanki) + ", Sygnalizator " + std::to_string(r.sygnalizatory) + "\n";
  for (const auto& [powod, ile] : r.pominiete_zdarzenia)
    t += "pominięte przystanki i sygnalizatory (" + powod + "): " + std::to_string(ile) + "\n";
  t += "miasto: " + std::string(NAZWA_MIASTA[r.miasto]) + "\n";
  return t;
}
