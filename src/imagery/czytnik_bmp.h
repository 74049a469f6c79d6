#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "imagery/obraz.h"

// Uncompressed Windows bitmaps of 24, 8 and 4 bits per pixel, bottom-up or top-down. Every
// header field is checked against the data; what the reader refuses or cannot read is told on
// standard output, and the result is then empty; `powod`, when given, gets the same text (or why
// the file gave nothing to read). No GL: safe on any thread.
std::optional<obraz> wczytaj_bmp(const std::string& sciezka, std::string* powod = nullptr);
// The same from bytes in memory; `nazwa` stands for the file in the messages.
std::optional<obraz> dekoduj_bmp(const std::uint8_t* dane, std::size_t rozmiar, const std::string& nazwa,
                                 std::string* powod = nullptr);
