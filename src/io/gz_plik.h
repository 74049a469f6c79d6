#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Whole files in and out. Reads either return every byte or throw blad_pliku (blad_otwarcia
// when the file cannot be opened at all); writes go to a temporary file beside the target that
// replaces it only after a complete, flushed write, so a failed save leaves the old file as it
// was. The texts of the faults name the file.

// The decompressed content of a gzip file (zlib's gz interface; a file that is not gzip reads
// as it is, as gzread does). Throws on a gzip error or a stream cut short.
std::vector<std::uint8_t> wczytaj_gz(const std::string& sciezka);
// Writes `dane` compressed with the default level.
void zapisz_gz(const std::string& sciezka, const std::uint8_t* dane, std::size_t rozmiar);
inline void zapisz_gz(const std::string& sciezka, const std::vector<std::uint8_t>& dane) {
  zapisz_gz(sciezka, dane.data(), dane.size());
}

// Plain files.
std::string wczytaj_plik(const std::string& sciezka);
void zapisz_plik(const std::string& sciezka, std::string_view dane);
