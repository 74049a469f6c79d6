#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The text form: one value per line, decimal integers, reals written so that they read back
// to the same double.
class pisarz_tekstu {
 public:
  void int32(std::int32_t v);
  void f64(double v);
  const std::string& tekst() const { return tekst_; }

 private:
  std::string tekst_;
};

// White-space separated values. A missing value or one that is not a number throws
// blad_pliku naming the line.
class czytnik_tekstu {
 public:
  explicit czytnik_tekstu(std::string_view tekst) : tekst_(tekst) {}

  std::int32_t int32();
  double f64();
  std::string slowo();  // one token of any text

  // A count checked against what is left: every item takes at least `min_wartosci` values,
  // each at least two characters ("0\n"). Negative counts read as zero.
  std::int32_t licznik(std::size_t min_wartosci, const char* co);

 private:
  bool koniec();  // only white space left
  std::string_view nastepny(const char* co);
  std::string_view tekst_;
  std::size_t pozycja_ = 0;
  std::size_t wiersz_ = 1;
};
