#pragma once

#include <cstdint>
#include <vector>

#include "view/malarz_ekranowy.h"

// A plan rectangle in metres, and how far past it in pixels what was drawn there may reach
// (half the largest point or line drawn).
struct obrys {
  double x1 = 1e300, y1 = 1e300, x2 = -1e300, y2 = -1e300;
  float piksele = 0;

  bool pusty() const { return x1 > x2; }
  void dodaj(double x, double y) {
    if (x < x1) x1 = x;
    if (x > x2) x2 = x;
    if (y < y1) y1 = y;
    if (y > y2) y2 = y;
  }
  void dodaj(const obrys& o);
};

// An extent kept in floats, rounded outwards: it holds all the double one held, in half the room.
struct obrys_zwarty {
  float x1, y1, x2, y2, piksele;

  explicit obrys_zwarty(const obrys& o);
  obrys rozwin() const { return {x1, y1, x2, y2, piksele}; }
};

// Drawing calls kept to be replayed later, in order, and the plan rectangle of what each
// recorded item drew. Only what a screen painter uses is kept: no heights (the plan's picture
// does not depend on them). Positions stay doubles: replayed, the calls give the painter the
// very numbers the items gave, so the picture is the same to the last pixel.
class zapis_rysunku : public malarz_ekranowy {
 public:
  struct polozenie {
    std::uint32_t polecenie = 0;
    std::uint32_t liczba = 0;
  };

  void wyczysc();
  polozenie koniec() const { return {static_cast<std::uint32_t>(polecenia_.size()), static_cast<std::uint32_t>(liczby_.size())}; }
  // The calls recorded between two positions, given again to `m`.
  void odtworz(malarz& m, polozenie od, polozenie do_) const;
  // What was drawn since the last call (in the plan, with the matrices applied).
  obrys zabierz_obrys();
  // A copy holding exactly what is recorded, without the room left for more.
  zapis_rysunku kopia() const;

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

 private:
  enum class rodzaj : std::uint8_t {
    kolor3, kolor4, rozmiar, szerokosc, punkt, linia, pasek_poczatek, wierzcholek, pasek_koniec,
    czworokat, tekstura, bez_tekstury, zachowaj, przywroc, jednostkowa, przesun, obroc, skaluj
  };
  void zapisz(rodzaj r, std::initializer_list<double> liczby);
  // A vertex of a primitive drawn with points or lines of this size.
  void obejmij(double x, double y, float rozmiar);

  std::vector<rodzaj> polecenia_;
  std::vector<double> liczby_;
  obrys obrys_;
  float rozmiar_ = 1, szerokosc_ = 1;
};
