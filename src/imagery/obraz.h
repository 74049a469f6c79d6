#pragma once

#include <cstdint>
#include <vector>

// A decoded image: RGB bytes, bottom row first, rows without padding.
struct obraz {
  std::int32_t szerokosc = 0;
  std::int32_t wysokosc = 0;
  std::uint8_t glebia = 0;  // bits per pixel of a BMP, components of a JPEG
  std::vector<std::uint8_t> piksele;
};
