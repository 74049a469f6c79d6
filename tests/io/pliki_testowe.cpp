#include "io/pliki_testowe.h"

#include <zlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

std::vector<std::uint8_t> bajty_pliku(const std::string& sciezka) {
  std::ifstream plik(sciezka, std::ios::binary);
  if (!plik) throw std::runtime_error("brak pliku " + sciezka);
  return {std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>()};
}

void zapisz_bajty(const std::string& sciezka, const std::vector<std::uint8_t>& dane) {
  std::ofstream plik(sciezka, std::ios::binary | std::ios::trunc);
  plik.write(reinterpret_cast<const char*>(dane.data()), static_cast<std::streamsize>(dane.size()));
  if (!plik) throw std::runtime_error("zapis " + sciezka);
}

std::vector<std::uint8_t> rozpakuj_gz(const std::string& sciezka) {
  gzFile plik = gzopen(sciezka.c_str(), "rb");
  if (!plik) throw std::runtime_error("gzopen " + sciezka);
  std::vector<std::uint8_t> wynik;
  std::uint8_t bufor[4096];
  int n;
  while ((n = gzread(plik, bufor, sizeof bufor)) > 0) wynik.insert(wynik.end(), bufor, bufor + n);
  const int zamkniecie = gzclose(plik);
  if (n < 0 || zamkniecie != Z_OK) throw std::runtime_error("gzread " + sciezka);
  return wynik;
}

void zapisz_gz_bajty(const std::string& sciezka, const std::vector<std::uint8_t>& dane) {
  gzFile plik = gzopen(sciezka.c_str(), "wb");
  if (!plik) throw std::runtime_error("gzopen " + sciezka);
  const bool dobrze = dane.empty() || gzwrite(plik, dane.data(), static_cast<unsigned>(dane.size())) ==
                                          static_cast<int>(dane.size());
  if (gzclose(plik) != Z_OK || !dobrze) throw std::runtime_error("gzwrite " + sciezka);
}
