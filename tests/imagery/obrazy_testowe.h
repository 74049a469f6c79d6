#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "imagery/obraz.h"

// Small images made by the tests themselves.

// An RGB image whose pixel (x, y), y counted from the bottom, is `kolor(x, y)`.
template <class F>
obraz obraz_z(int szerokosc, int wysokosc, F kolor) {
  obraz o;
  o.szerokosc = szerokosc;
  o.wysokosc = wysokosc;
  o.glebia = 24;
  for (int y = 0; y < wysokosc; ++y)
    for (int x = 0; x < szerokosc; ++x)
      for (std::uint8_t c : kolor(x, y)) o.piksele.push_back(c);
  return o;
}

// The RGB of pixel (x, y) of `o`, y from the bottom.
std::vector<int> piksel(const obraz& o, int x, int y);

// A BMP of 8 or 4 bits per pixel with a palette of `paleta` (B, G, R, 0 per entry) and rows of
// indices (bottom row first, one index per pixel), each row padded to 4 bytes.
std::vector<std::uint8_t> bmp_z_paleta(int szerokosc, int wysokosc, int glebia,
                                       const std::vector<std::uint8_t>& paleta,
                                       const std::vector<std::vector<std::uint8_t>>& indeksy);

// Little-endian field writes into a file image.
void wpisz_u16(std::vector<std::uint8_t>& v, std::size_t gdzie, std::uint16_t x);
void wpisz_u32(std::vector<std::uint8_t>& v, std::size_t gdzie, std::uint32_t x);

void zapisz_bajty(const std::string& sciezka, const std::vector<std::uint8_t>& dane);
