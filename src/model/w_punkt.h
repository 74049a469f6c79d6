#pragma once

#include <cstdint>
#include <vector>

#include "track/zdarzenie.h"

class w_linia;
class w_element;
class malarz;
class pisarz_tekstu;
class czytnik_tekstu;
class pisarz_rekordow;
class czytnik_rekordow;

// Draw flags of points and lines.
inline constexpr int RYSUJ_POD_KURSOREM = 1;
inline constexpr int RYSUJ_KONIEC = 2;
inline constexpr int RYSUJ_NIEAKTYWNY = 4;
inline constexpr int RYSUJ_OSTATNI = 8;

// A network point: a position in plan metres that lines end at. Created and destroyed only by
// its layout. With an element, x, y, z are in the element's frame.
class w_punkt {
 public:
  w_punkt(double x, double y, double z);
  virtual ~w_punkt();
  w_punkt(const w_punkt&) = delete;
  w_punkt& operator=(const w_punkt&) = delete;

  std::uint8_t znacznik = 0;  // scratch mark of a pass over the layout, always 0 between passes
  double x, y, z;
  lista_zdarzen zdarzenia;
  std::vector<w_linia*> li;  // the lines ending here, in the order they were attached
  w_element* element = nullptr;  // written through ustaw_element

  // What each network kind does its own way.
  virtual double dlugosc() const = 0;
  virtual void dodaj_linie(w_linia* linia);
  virtual void usun_linie(w_linia* linia);
  virtual void rysuj(malarz& m, int flagi, int kolorystyka) const;
  virtual void przelicz() {}
  virtual void zapisz_txt(pisarz_tekstu& s) const;
  virtual void wczytaj_txt(czytnik_tekstu& s);
  virtual void zapisz(pisarz_rekordow& s) const;
  virtual void wczytaj(czytnik_rekordow& s);

  // World coordinates (the element transform applied).
  double GET_X() const { return element ? x_w_swiecie() : x; }
  double GET_Y() const { return element ? y_w_swiecie() : y; }
  double GET_Z() const;
  // Store v, less the element origin's component when the point has an element.
  void SET_X(double v);
  void SET_Y(double v);
  void SET_Z(double v);

  // The point's own flag; a point of an element reports the element's (CZY_ZAZNACZONY).
  std::uint8_t zaznaczony() const { return zaznaczony_; }
  void ustaw_zaznaczony(bool v);
  void ustaw_element(w_element* nowy);
  bool CZY_ZAZNACZONY() const;
  void ZAZNACZ(bool v);
  int GET_LIMAX() const { return static_cast<int>(li.size()); }
  w_linia* GET_LINIA(int i) const { return li[i]; }
  int ILE_ZDARZEN() const { return zdarzenia.ile(); }
  void ODBIJ_Y() { y = -y; }

 private:
  std::uint8_t zaznaczony_ = 0;
  // The element transform stays out of line; free points, most of a network, need no call.
  double x_w_swiecie() const;
  double y_w_swiecie() const;
};
