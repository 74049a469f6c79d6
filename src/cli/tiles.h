#pragma once

#include <string>
#include <vector>

#include "mapy/ciecie_satek.h"

// tiles: orthophotos cut into FOLDER/sat and framed by FOLDER/sat_coords/<name>.cor. Progress
// (percent, tiles written) on stderr unless `cicho`.
int polecenie_tiles(const std::vector<std::string>& rastry, const std::string& katalog,
                    const ustawienia_ciecia& ustawienia, bool cicho);
