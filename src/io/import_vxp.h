#pragma once

#include <string>

#include "io/polecenia_plikow.h"

class tor_uklad;
class siec_uklad;

// Projects of version 0.945b (".vxp"): a catenary section, then a track section, in plain
// little-endian fields; 4-byte coordinates are IEEE 754 single precision.

// "&Importuj z Vialtor 0.945b": once the whole file has been read, its catenary is appended to
// the catenary layout and its track replaces the track layout; the old events, element links
// and turnouts are not carried over, which message 23 tells after every import.
wynik_odczytu importuj_vxp(const std::string& sciezka, tor_uklad& tor, siec_uklad& siec);
