#pragma once

#include <string>
#include <vector>

#include "track/malarz.h"

// Records drawing calls as text lines ("punkt 1 2 0", "kolor 1 0 0", ...), with the state
// (colour, sizes) that each primitive was drawn in.
class malarz_rejestrujacy : public malarz {
 public:
  struct prymityw {
    std::string rodzaj;  // "punkt", "linia", "wierzcholek", "czworokat"
    double x1 = 0, y1 = 0, z1 = 0, x2 = 0, y2 = 0, z2 = 0;
    float r = 0, g = 0, b = 0;
    float rozmiar_punktu = 1, szerokosc_linii = 1;
    int pasek = -1;  // index of the strip a vertex belongs to
  };

  std::vector<std::string> wywolania;
  std::vector<prymityw> prymitywy;
  int paski = 0;

  void kolor(float r, float g, float b) override;
  void kolor(float r, float g, float b, float a) override;
  void rozmiar_punktu(float rozmiar) override;
  void szerokosc_linii(float szerokosc) override;
  void punkt(double x, double y, double z) override;
  void linia(double x1, double y1, double z1, double x2, double y2, double z2) override;
  void pasek_poczatek() override;
  void wierzcholek(double x, double y, double z) override;
  void pasek_koniec() override;
  void czworokat(const double xy[4][2], const double uv[4][2]) override;
  void tekstura(unsigned id) override;
  void bez_tekstury() override;
  void zachowaj_macierz() override;
  void przywroc_macierz() override;
  void macierz_jednostkowa() override;
  void przesun(double x, double y, double z) override;
  void obroc(double kat, double x, double y, double z) override;
  void skaluj(double x, double y, double z) override;

  // Primitives of one kind, in order.
  std::vector<prymityw> tylko(const std::string& rodzaj) const;

 private:
  float r_ = 1, g_ = 1, b_ = 1, rozmiar_ = 1, szerokosc_ = 1;
  bool w_pasku_ = false;
};
