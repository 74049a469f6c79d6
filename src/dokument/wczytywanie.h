#pragma once

#include <string>

#include "dokument/dokument.h"
#include "io/projekt.h"

enum class rodzaj_pliku { projekt, stary_projekt, tekst, nieznany };

// By the extension, case-insensitive: ".vxm", ".vxp", ".txt".
rodzaj_pliku rodzaj_po_rozszerzeniu(const std::string& sciezka);
bool ma_rozszerzenie(const std::string& sciezka, const std::string& rozszerzenie);

// Reads the templates from `katalog_danych` (none when the folder or the library is missing),
// then the file by its kind, as the editor's load or import command does.
wynik_odczytu wczytaj_model(const std::string& sciezka, const std::string& katalog_danych, dokument& model);
