#pragma once

#include <cstdint>

class pisarz_tekstu;
class czytnik_tekstu;
class pisarz_rekordow;
class czytnik_rekordow;

// Switch position bit of `przelozenie`: set to the diverging track ("Skręt").
inline constexpr std::int32_t PRZELOZENIE_SKRET = 1;

// An element (block): a rigid group of points placed together, here a turnout from a template.
class w_element {
 public:
  w_element(double x, double y, double z, bool odbity, std::int32_t nr_szablonu);
  virtual ~w_element();

  double x, y, z;  // origin in world coordinates
  double kat = 0;  // rotation in degrees
  std::uint8_t odbity;
  std::int32_t przelozenie = 0;
  std::int32_t nr_szablonu;

  virtual void zapisz_txt(pisarz_tekstu& s) const;     // x, y, z, kat
  virtual void wczytaj_txt(czytnik_tekstu& s);
  virtual void zapisz(pisarz_rekordow& s) const;       // form 1412, 41 bytes
  virtual void wczytaj(czytnik_rekordow& s);           // form 1412
  virtual void wczytaj_1410(czytnik_rekordow& s);      // x, y, z, kat
  virtual void wczytaj_1411(czytnik_rekordow& s);      // ... odbity, nr_szablonu

  std::uint8_t zaznaczony() const { return zaznaczony_; }
  void ustaw_zaznaczony(bool v);
  // Lit: under the cursor.
  std::uint8_t podswietlony() const { return podswietlony_; }
  void ustaw_podswietlony(bool v);

 private:
  std::uint8_t podswietlony_ = 0;
  std::uint8_t zaznaczony_ = 0;
};
