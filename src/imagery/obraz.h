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

// Decoded images larger than this are refused before anything is allocated (192 MB of RGB).
inline constexpr std::uint64_t MAKS_PIKSELI_OBRAZU = std::uint64_t{1} << 26;
// Image files are read whole; larger ones are refused.
inline constexpr std::uint64_t MAKS_ROZMIAR_PLIKU_OBRAZU = std::uint64_t{512} << 20;
