#pragma once

#include <optional>
#include <string>

#include "imagery/obraz.h"

// Reads an image by the last three letters of its path in any case: "bmp" or "jpg"; any other
// ending gives nothing without a message. `maks_bok` bounds a JPEG's decoded sides (0 = none).
// No GL: a worker thread may decode while the GL thread builds textures.
std::optional<obraz> wczytaj_obraz(const std::string& sciezka, int maks_bok);

// A picture the user asked for: the image, or why there is none ("plik jest pusty", the reader's
// own fault, the size limit), without the file's name, which the caller adds.
struct obraz_lub_powod {
  std::optional<::obraz> obraz;
  std::string powod;
};
obraz_lub_powod odczytaj_obraz(const std::string& sciezka, int maks_bok);
