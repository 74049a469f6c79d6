#pragma once

#include <optional>
#include <string>

#include "imagery/obraz.h"

// Reads an image by the last three letters of its path in any case: "bmp" or "jpg"; any other
// ending gives nothing without a message. `maks_bok` bounds a JPEG's decoded sides (0 = none).
// No GL: a worker thread may decode while the GL thread builds textures.
std::optional<obraz> wczytaj_obraz(const std::string& sciezka, int maks_bok);
