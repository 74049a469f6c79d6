#pragma once

#include "model/panel_boczny.h"

class panel_prawy;
class panel_torow;

// What the track layout shows of its single selection, on the bottom-right panel's value
// boxes and the track panel's radius and track-object controls.
class panel_zaznaczenia : public panel_boczny {
 public:
  panel_zaznaczenia(panel_prawy& prawy, panel_torow& torow) : prawy_(prawy), torow_(torow) {}

  void pokaz_punkt(double x, double y, double promien, int obiekt) override;
  void pokaz_linie(double dlugosc, double azymut, int obiekt) override;
  void pokaz_element(int indeks, double kat, int przelozenie) override;
  void pokaz_pusty() override;

  // The boxes rewritten during a drag or a rotation, with 2 decimals.
  void wpisz_wartosci(double wartosc_1, double wartosc_2);

 private:
  void pokaz_obiekt(int obiekt);
  void pokaz_promien(bool widoczny);

  panel_prawy& prawy_;
  panel_torow& torow_;
};
