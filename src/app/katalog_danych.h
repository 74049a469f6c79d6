#pragma once

#include <string>

// The bundled template library, relative to a data folder.
inline constexpr const char* PLIK_SZABLONOW = "dataeditor/sb.txt";
// The event symbols, four to a row.
inline constexpr const char* ATLAS_ZDARZEN = "dataeditor/ev.bmp";

// Where `cmake --install` puts the data folder, relative to the installation prefix (the
// programs go to <prefix>/bin).
inline constexpr const char* KATALOG_DANYCH_INSTALACJI = "share/vialtor/data";

// The data folder of the running program (see below), "" when there is none.
std::string znajdz_katalog_danych();

// The data folder of the program at `program`, the first of these holding the template library:
// the installed one, <prefix>/share/vialtor/data for a program in <prefix>/bin; a "data" folder
// in the program's folder or any folder above it (a build tree); "data" in the working
// directory `roboczy`. "" when there is none.
std::string znajdz_katalog_danych(const std::string& program, const std::string& roboczy);
