#pragma once

#include <cstdint>
#include <vector>

#include "imagery/obraz.h"

// Encoders for the project's own generated images (the event atlas, orthophoto tiles, maps).

// A 24-bit uncompressed BMP, bottom row first, rows padded to 4 bytes.
std::vector<std::uint8_t> koduj_bmp(const obraz& o);

// A baseline JPEG of `skladowe` bytes per pixel: 1 grey, 3 RGB, 4 CMYK (marked as Adobe's,
// whose CMYK is stored inverted: 255 = no ink). Rows bottom first, as in `obraz`.
// Throws std::invalid_argument for a bad size or count of components.
std::vector<std::uint8_t> koduj_jpeg(const std::uint8_t* piksele, int szerokosc, int wysokosc, int skladowe,
                                     int jakosc);
inline std::vector<std::uint8_t> koduj_jpeg(const obraz& o, int jakosc) {
  return koduj_jpeg(o.piksele.data(), o.szerokosc, o.wysokosc, 3, jakosc);
}
