#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "imagery/obrazki.h"

// Picture-coordinate files (".pcr"): a gzip record stream of every picture's rectangle,
// rotation, flags, path and opacity. Two forms are read: the current one (0, 1410, count,
// records) and the older one that starts with the count and has no locked flag. The current
// one is written.

inline constexpr std::int32_t FORMAT_PCR = 1410;

// The decompressed content in the current form, pictures in list order.
std::vector<std::uint8_t> koduj_pcr(const std::vector<obrazek>& obrazki);
// Reads either form into new pictures (textures not loaded yet). Throws blad_pliku naming the
// fault for anything but a whole, sound file: an unknown format, a negative count, a count or a
// path length larger than the data, a record cut short, a coordinate that is not finite.
// `stary_format` tells which form was read.
std::vector<obrazek> dekoduj_pcr(const std::vector<std::uint8_t>& dane, bool& stary_format);

// "Wczytaj całość": the pictures of the file replace those of the list only when the whole file
// was read; otherwise the list stays as it was, and the fault is logged and shown.
bool wczytaj_pcr(lista_obrazkow& lista, const std::string& sciezka);
// "Zapisz całość": written beside the file and renamed over it after a complete write; a failure
// is logged and shown and leaves the old file.
bool zapisz_pcr(const lista_obrazkow& lista, const std::string& sciezka);
