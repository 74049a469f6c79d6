#pragma once

#include <string>
#include <vector>

#include "wzor_szablonu.h"

// The library in the editor's template file format: the count, then per template the point and
// line counts, "x y z g r" per point, "i j" per line, the name, the transport kind and the kind.
// Reals are written with four decimals.
std::string tekst_biblioteki(const std::vector<wzor_szablonu>& szablony);
