#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A template as the generator builds it. Coordinates are whole units of 0.1 mm, so the written
// text is exact and the same on every run; z is always 0.
inline constexpr std::int64_t JEDNOSTEK_NA_METR = 10000;

struct punkt_wzoru {
  std::int64_t x = 0;
  std::int64_t y = 0;
};

// Point indices; a line at an end of the turnout starts at that end.
struct linia_wzoru {
  int poczatek = 0;
  int koniec = 0;
};

struct wzor_szablonu {
  std::vector<punkt_wzoru> punkty;
  std::vector<linia_wzoru> linie;
  int przeswit = 0;   // gauge index of every point
  int promien = 0;    // metres, on every point
  std::string nazwa;  // underscores for blanks
  int transport = 0;
  int rodzaj = 0;
};
