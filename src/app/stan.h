#pragma once

#include <cstdint>

// Program-wide state of the core, in one place.

// Display options of the track kind ("Wyświetlaj :").
inline constexpr int POKAZ_PUNKTY_LINIE = 1;  // "Punkty-linie"
inline constexpr int POKAZ_SZYNY = 2;         // "Szyny"
inline constexpr int POKAZ_SKRAJNIE = 4;      // "Zarys skrajni"

struct opcje_rysowania {
  int flagi = POKAZ_PUNKTY_LINIE | POKAZ_SZYNY;
  bool biale_linie = false;  // "Białe linie siatki i torów"
};

// Route information: city index, year, identifier (held by the document).
struct trasa_info {
  std::int32_t miasto = 0;
  std::int32_t rok = 0;
  std::int32_t id = 0;
};

struct stan_programu {
  opcje_rysowania rysowanie;
  unsigned tekstura_zdarzen = 0;  // the event symbol atlas, 0 while none is loaded
};

extern stan_programu stan;
