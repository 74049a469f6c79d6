#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Bytes of test files, written and read without the program's own file layer.
std::vector<std::uint8_t> bajty_pliku(const std::string& sciezka);
void zapisz_bajty(const std::string& sciezka, const std::vector<std::uint8_t>& dane);
// Through zlib's gz interface alone.
std::vector<std::uint8_t> rozpakuj_gz(const std::string& sciezka);
void zapisz_gz_bajty(const std::string& sciezka, const std::vector<std::uint8_t>& dane);
