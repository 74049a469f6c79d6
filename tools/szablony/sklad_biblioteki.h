#pragma once

#include <vector>

#include "budowa_szablonu.h"

// The templates of the bundled library, in file order. Template 0 is the tram 1,435 m turnout
// the templates panel starts on, template 4 the rail turnout it starts on for rail; the other
// tram templates follow the rail ones.
std::vector<parametry_rozjazdu> sklad_biblioteki();
