#pragma once

#include <string>

// vialtor-cli commands over the problem list and the height profile.

// Every problem of the layout, one line each (severity, kind, x, y, item, measure, separated by
// tabs) or a JSON array; 0 with no errors, 1 with errors.
int polecenie_check_wszystko(const std::string& plik, const std::string& katalog_danych, bool json);

// The profile through the point or line nearest to (x, y) as an SVG picture or CSV rows.
int polecenie_profile(const std::string& plik, double x, double y, const std::string& wyjscie,
                      const std::string& katalog_danych);
