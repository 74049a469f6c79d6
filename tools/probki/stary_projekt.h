#pragma once

#include <cstdint>
#include <vector>

// A project of version 0.945b as that version wrote it: a catenary section, then a track
// section. Lengths in the 4-byte fields are single-precision floats; the two parameters are
// whole millimetres.

struct stary_punkt_sieci {
  float x, y, z;
};

struct stara_linia_sieci {
  std::int32_t a, b, typ;
};

struct stary_punkt_toru {
  float x, y, z, wysokosc2, promien;
  std::int32_t przeswit, parametr1_mm, parametr2_mm, obiekt;
  std::int32_t zdarzenia;  // how many old event records follow; the import skips them
};

struct stara_linia_toru {
  std::int32_t a, b, przeswit, obiekt;
  std::int32_t zdarzenia;
};

struct stary_projekt {
  std::vector<stary_punkt_sieci> punkty_sieci;
  std::vector<stara_linia_sieci> linie_sieci;
  std::int32_t wersja = 3;  // 0: the unversioned section, without second elevation and parameter 2
  std::vector<stary_punkt_toru> punkty_toru;
  std::vector<stara_linia_toru> linie_toru;
};

std::vector<std::uint8_t> zapisz_stary_projekt(const stary_projekt& projekt);

// A stretch of an old Elbląg line: a street track with two curves under its catenary.
stary_projekt przykladowy_stary_projekt();
