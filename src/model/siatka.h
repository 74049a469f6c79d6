#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// A box on the plan that holds everything of an item a pick can find.
struct ramka_wskazania {
  double x1, y1, x2, y2;
  // Widened to take (x, y) in; a coordinate that is not a number changes nothing.
  void dodaj(double x, double y);
  void poszerz(double o);
};

// The items of a layout filed by their boxes into square cells over the plan, so that a pick
// looks only at what lies near it. An item changed after the build is filed apart and looked
// at by every query until the next build.
class siatka {
 public:
  // Files items 0..n-1, boxes[i] being item i's.
  void zbuduj(const std::vector<ramka_wskazania>& boxes);
  // Item nr has a new box.
  void przefiluj(std::uint32_t nr, const ramka_wskazania& o);
  std::size_t ile() const { return odlozony_.size(); }
  // Items filed again since the build: every query looks at each of them.
  std::size_t przefilowane() const { return przefilowane_; }
  // The items whose boxes may meet the square of half side r around (x, y), ascending, each
  // once, into `wynik`. False, with `wynik` empty, when the square spans more cells than
  // there are items: looking at every item is cheaper then.
  bool w_kwadracie(double x, double y, double r, std::vector<std::uint32_t>& wynik) const;
  std::size_t pamiec() const;

 private:
  int kolumna(double x) const;
  int wiersz(double y) const;

  double x0_ = 0, y0_ = 0, bok_ = 1;
  int kolumny_ = 1, wiersze_ = 1;
  std::vector<std::uint32_t> poczatki_;  // where each cell's items start in `numery_`
  std::vector<std::uint32_t> numery_;
  std::vector<std::uint8_t> odlozony_;   // 1: filed apart, its cells' entries are stale
  std::vector<std::pair<std::uint32_t, ramka_wskazania>> osobno_;
  std::size_t przefilowane_ = 0;
};
