#pragma once

#include <cstdint>
#include <random>
#include <vector>

// Random but well-formed layouts in the record form of the project file (items 1 to 8), for
// tests that compare readers field by field.
struct opcje_generatora {
  int format = 1412;
  int najwiecej_punktow = 14;
  // Lines from a point of an element to a free point, which the recompute snaps.
  bool przyciaganie = true;
  // Element heights and second elevations in steps of 1/8, so that taking the element's z off
  // and adding it back gives the same bits.
  bool dokladne_wysokosci = false;
  // Element references below -1, which read as none.
  bool odwolania_ponizej_minus_jeden = true;
  // Elements that no point refers to, which loading removes (not always all of them: the
  // removal does not look again at an element it has moved into a freed place).
  bool puste_elementy = true;
};

std::vector<std::uint8_t> losowy_uklad(std::mt19937& los, const opcje_generatora& opcje);

// A project file's content: the layout, route information (city, year, id) and the trailer.
std::vector<std::uint8_t> projekt_z_ukladem(const std::vector<std::uint8_t>& uklad, std::int32_t miasto,
                                            std::int32_t rok, std::int32_t id);
