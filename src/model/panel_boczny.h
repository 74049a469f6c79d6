#pragma once

// What the side panels show for the selection; the editor implements it with its widgets.
class panel_boczny {
 public:
  virtual ~panel_boczny() = default;
  // One point: its world x and y, its arc radius (negative: a kind without one), the track
  // object, and the radius controls shown.
  virtual void pokaz_punkt(double x, double y, double promien, int obiekt) = 0;
  // One line: its length and bearing, read-only.
  virtual void pokaz_linie(double dlugosc, double azymut, int obiekt) = 0;
  // One element: its index, 360 - kat, and the switch position bit.
  virtual void pokaz_element(int indeks, double kat, int przelozenie) = 0;
  virtual void pokaz_pusty() = 0;
};
