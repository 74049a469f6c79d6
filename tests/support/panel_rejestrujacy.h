#pragma once

#include <string>
#include <vector>

#include "model/panel_boczny.h"

// Records what the layout asks the side panel to show, one text line per call
// ("punkt 1 2 50 0", "linia 5 90 0", "element 0 360 1", "pusty").
class panel_rejestrujacy : public panel_boczny {
 public:
  std::vector<std::string> wywolania;

  void pokaz_punkt(double x, double y, double promien, int obiekt) override;
  void pokaz_linie(double dlugosc, double azymut, int obiekt) override;
  void pokaz_element(int indeks, double kat, int przelozenie) override;
  void pokaz_pusty() override;
};
