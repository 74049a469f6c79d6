#pragma once

#include <bit>
#include <cstdint>

class w_punkt;
class w_linia;

// A 64-bit fingerprint of everything the drawing of some items reads: equal fingerprints, the
// same calls. A cache of the picture compares them to find what it must draw again.
class odcisk_rysunku {
 public:
  void dodaj(std::uint64_t w) {
    h_ = (h_ ^ w) * 0x9E3779B97F4A7C15ull;
    h_ ^= h_ >> 29;
  }
  void dodaj(double v) { dodaj(std::bit_cast<std::uint64_t>(v)); }
  void dodaj(int v) { dodaj(static_cast<std::uint64_t>(static_cast<std::int64_t>(v))); }
  void dodaj(bool v) { dodaj(std::uint64_t{v}); }
  std::uint64_t wartosc() const { return h_; }

  // A point or a line drawn with these flags; `tor` when they are track items (arcs, rails,
  // events), otherwise the common marker and model line.
  void punkt(const w_punkt& p, int flagi, bool tor);
  void linia(const w_linia& l, int flagi, bool tor);

 private:
  std::uint64_t h_ = 0x84222325CBF29CE4ull;
};
