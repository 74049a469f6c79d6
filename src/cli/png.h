#pragma once

#include <cstdint>
#include <string>

// An 8-bit RGB PNG of `piksele` (3 bytes a pixel, rows without padding); `od_dolu` when the
// bottom row comes first, as GL reads a frame. Throws std::runtime_error with libpng's message
// when it fails.
std::string koduj_png(const std::uint8_t* piksele, int szerokosc, int wysokosc, bool od_dolu);

// Text for a data: URI or any other text-only place.
std::string base64(const std::string& dane);
