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
  return odczytaj_obraz(sciezka, maks_bok).obraz;
}

obraz_lub_powod odczytaj_obraz(const std::string& sciezka, int maks_bok) {
  obraz_lub_powod w;
  if (konczy_sie_na(sciezka, "bmp"))
    w.obraz = wczytaj_bmp(sciezka, &w.powod);
  else if (konczy_sie_na(sciezka, "jpg"))
    w.obraz = wczytaj_jpeg(sciezka, maks_bok, &w.powod);
  else
    w.powod = "program czyta tylko obrazy .bmp i .jpg";
  if (w.obraz) w.powod.clear();
  else if (w.powod.empty()) w.powod = "obraz nie daje się odczytać";
  return w;
}
