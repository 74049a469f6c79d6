#pragma once

#include <string>
#include <vector>

#include "track/malarz.h"

// The straight pieces the track layout draws (rails, arcs, model lines), in plan metres:
// what the generated pictures lay their streets and rails along. Whatever the layout draws in
// a frame of its own (event symbols) and points are left out.
struct odcinek_planu {
  double x1, y1, x2, y2;
};

class zbieracz_odcinkow : public malarz {
 public:
  std::vector<odcinek_planu> odcinki;

  void kolor(float, float, float) override {}
  void kolor(float, float, float, float) override {}
  void rozmiar_punktu(float) override {}
  void szerokosc_linii(float) override {}
  void punkt(double, double, double) override {}
  void linia(double x1, double y1, double, double x2, double y2, double) override;
  void pasek_poczatek() override { w_pasku_ = true, pierwszy_ = true; }
  void wierzcholek(double x, double y, double) override;
  void pasek_koniec() override { w_pasku_ = false; }
  void czworokat(const double[4][2], const double[4][2]) override {}
  void tekstura(unsigned) override {}
  void bez_tekstury() override {}
  void zachowaj_macierz() override { ++glebokosc_; }
  void przywroc_macierz() override { --glebokosc_; }
  void macierz_jednostkowa() override {}
  void przesun(double, double, double) override {}
  void obroc(double, double, double, double) override {}
  void skaluj(double, double, double) override {}

 private:
  int glebokosc_ = 0;
  bool w_pasku_ = false, pierwszy_ = false;
  double px_ = 0, py_ = 0;
};

// The pieces of the project's track layout; throws std::runtime_error when it cannot be read.
std::vector<odcinek_planu> odcinki_projektu(const std::string& projekt);
