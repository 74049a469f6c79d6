#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "imagery/obraz.h"

// JPEG through libjpeg: RGB, greyscale (spread to RGB) and CMYK/YCCK (converted to RGB), bottom
// row first. An image with a side above `maks_bok` (GL_MAX_TEXTURE_SIZE at the caller; 0 = no
// limit) is decoded at 1/2, 1/4 or 1/8 of its size so that it fits. A file that does not open
// gives nothing silently; one that cannot be decoded gives nothing with one log line. Damage
// that libjpeg only warns about (a file cut short) gives what was decoded; `powod`, when given,
// gets libjpeg's text of the fault (or why the file gave nothing to read). No GL.
std::optional<obraz> wczytaj_jpeg(const std::string& sciezka, int maks_bok, std::string* powod = nullptr);
// The same from bytes in memory; `nazwa` stands for the file in the log.
std::optional<obraz> dekoduj_jpeg(const std::uint8_t* dane, std::size_t rozmiar, const std::string& nazwa,
                                  int maks_bok, std::string* powod = nullptr);
