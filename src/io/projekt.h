#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/stan.h"
#include "io/polecenia_plikow.h"

class tor_uklad;

// The project file ".vxm": the track layout and the route information in one gzip record
// stream. A file is read whole before the open project is touched, so a refused file leaves
// the layout and the route information as they were.

// "&Wczytaj projekt": replaces the track layout and the route information.
wynik_odczytu wczytaj_projekt(const std::string& sciezka, tor_uklad& tor, trasa_info& trasa);
// "&Dodaj do projeku": appends the file's layout, joined to nothing; the route information of
// the file is not read.
wynik_odczytu dodaj_do_projektu(const std::string& sciezka, tor_uklad& tor);
// The uncompressed content of a project file holding the layout and the route information.
std::vector<std::uint8_t> rekordy_projektu(const tor_uklad& tor, const trasa_info& trasa);
// "&Zapisz projekt".
bool zapisz_projekt(const std::string& sciezka, const tor_uklad& tor, const trasa_info& trasa);

// Cancelled dialogs: an open dialog of the load, add and import commands, and a save dialog.
void brak_pliku_do_wczytania();
void brak_pliku_do_zapisu();
