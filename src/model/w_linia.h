#pragma once

#include <cstdint>

#include "track/zdarzenie.h"

class w_punkt;
class malarz;
class pisarz_tekstu;
class czytnik_tekstu;
class pisarz_rekordow;
class czytnik_rekordow;

// A straight connection between two points, with its cached direction and length.
// Constructing it attaches it to both points; destroying it detaches it.
class w_linia {
 public:
  w_linia(w_punkt* p1, w_punkt* p2);
  virtual ~w_linia();
  w_linia(const w_linia&) = delete;
  w_linia& operator=(const w_linia&) = delete;

  lista_zdarzen zdarzenia;
  w_punkt* p1;
  w_punkt* p2;
  double kx = 0, ky = 0, kz = 0;  // unit vector from p2 to p1 (world)
  double dl = 0;                  // 3-D distance between the end points

  virtual double dlugosc() const = 0;
  virtual void przelicz();  // length and direction
  virtual void rysuj(malarz& m, int flagi, int kolorystyka) const;
  virtual void zapisz_txt(pisarz_tekstu& s) const;
  virtual void wczytaj_txt(czytnik_tekstu& s);
  virtual void zapisz(pisarz_rekordow& s) const;
  virtual void wczytaj(czytnik_rekordow& s);

  // Both end points in one element: the line takes its selection from that element.
  bool w_elemencie() const;
  std::uint8_t zaznaczony() const { return zaznaczony_; }
  void ustaw_zaznaczony(bool v);
  bool CZY_ZAZNACZONY() const;
  void ZAZNACZ(bool v);
  void ZAZNACZ_WLASNY(bool v);
  int ILE_ZDARZEN() const { return zdarzenia.ile(); }

  // Detaches the line from both points (p2 first, as destruction does) and leaves p1 and p2
  // none; the layout then drops it from its array.
  void odlacz();
  bool odlaczona() const { return p1 == nullptr; }

  // The base recompute; kinds that do more call it for length and direction.
  void przelicz_kierunek();
  // The length and direction przelicz_kierunek would give now, the line left as it is.
  struct kierunek {
    double dl, kx, ky;
  };
  kierunek kierunek_teraz() const;
  w_punkt* drugi_koniec(const w_punkt* koniec) const { return koniec == p1 ? p2 : p1; }

 private:
  std::uint8_t zaznaczony_ = 0;
};
