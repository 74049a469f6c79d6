#pragma once

#include <string>

// The bundled template library, relative to a data folder.
inline constexpr const char* PLIK_SZABLONOW = "dataeditor/sb.txt";

// The data folder: the first "data" holding the template library, looking upwards from the
// folder of the running program and then in the working directory; "" when there is none.
std::string znajdz_katalog_danych();
