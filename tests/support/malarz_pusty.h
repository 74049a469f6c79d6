#pragma once

#include "track/malarz.h"

// Drawing that goes nowhere: fuzz targets and benchmarks run the drawing code for what it
// computes on the way, not for a picture.
class malarz_pusty : public malarz {
 public:
  void kolor(float, float, float) override {}
  void kolor(float, float, float, float) override {}
  void rozmiar_punktu(float) override {}
  void szerokosc_linii(float) override {}
  void punkt(double, double, double) override {}
  void linia(double, double, double, double, double, double) override {}
  void pasek_poczatek() override {}
  void wierzcholek(double, double, double) override {}
  void pasek_koniec() override {}
  void czworokat(const double[4][2], const double[4][2]) override {}
  void tekstura(unsigned) override {}
  void bez_tekstury() override {}
  void zachowaj_macierz() override {}
  void przywroc_macierz() override {}
  void macierz_jednostkowa() override {}
  void przesun(double, double, double) override {}
  void obroc(double, double, double, double) override {}
  void skaluj(double, double, double) override {}
};
