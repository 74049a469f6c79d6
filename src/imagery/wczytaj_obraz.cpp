#include "imagery/wczytaj_obraz.h"

#include <cctype>

#include "imagery/czytnik_bmp.h"
#include "imagery/czytnik_jpeg.h"

namespace {

bool konczy_sie_na(const std::string& sciezka, const char* koncowka) {
  if (sciezka.size() < 3) return false;
  for (std::size_t i = 0; i < 3; ++i) {
    const unsigned char c = static_cast<unsigned char>(sciezka[sciezka.size() - 3 + i]);
    if (std::tolower(c) != koncowka[i]) return false;
  }
  return true;
}

}  // namespace

std::optional<obraz> wczytaj_obraz(const std::string& sciezka, int maks_bok) {
  if (konczy_sie_na(sciezka, "bmp")) return wczytaj_bmp(sciezka);
  if (konczy_sie_na(sciezka, "jpg")) return wczytaj_jpeg(sciezka, maks_bok);
  return std::nullopt;
}
