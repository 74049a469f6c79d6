#pragma once

#include <string>

#include "io/polecenia_plikow.h"

class tor_uklad;

// The text form of a layout (format 1410, one value per line; no events, elements without
// mirror, switch position or template).

// "&Importuj z pliku tekstowego": replaces the track layout once the whole file has been read;
// the route information is not touched.
wynik_odczytu importuj_txt(const std::string& sciezka, tor_uklad& tor);
bool zapisz_txt(const std::string& sciezka, const tor_uklad& tor);
