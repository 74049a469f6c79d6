// generuj-atlas PLIK: writes the event symbol atlas (24-bit BMP).
#include <cstdio>
#include <exception>

#include "ikony.h"
#include "imagery/zapis_obrazu.h"
#include "io/gz_plik.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "użycie: generuj-atlas PLIK.bmp\n");
    return 2;
  }
  try {
    const std::vector<std::uint8_t> bmp = koduj_bmp(rysuj_atlas_zdarzen());
    zapisz_plik(argv[1], std::string_view(reinterpret_cast<const char*>(bmp.data()), bmp.size()));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "generuj-atlas: %s\n", e.what());
    return 1;
  }
  return 0;
}
