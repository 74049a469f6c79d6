// Writes the sample projects: the Elbląg route as a project and as its text form, and an old
// project of version 0.945b.
#include <cstdio>
#include <exception>
#include <string>

#include "io/gz_plik.h"
#include "io/import_txt.h"
#include "io/projekt.h"
#include "stary_projekt.h"
#include "trasa_probna.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "użycie: %s FOLDER_WYNIKOWY BIBLIOTEKA_SZABLONÓW\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  try {
    tor_uklad tor;
    tor.wczytaj_szablony(argv[2]);
    trasa_info trasa;
    zbuduj_trase_probna(tor, trasa);
    if (!zapisz_projekt(folder + "/elblag_petla.vxm", tor, trasa) || !zapisz_txt(folder + "/elblag_petla.txt", tor)) {
      std::fprintf(stderr, "zapis próbek w %s nie powiódł się\n", folder.c_str());
      return 1;
    }
    const std::vector<std::uint8_t> stary = zapisz_stary_projekt(przykladowy_stary_projekt());
    zapisz_plik(folder + "/elblag_0945b.vxp", std::string_view(reinterpret_cast<const char*>(stary.data()), stary.size()));
  } catch (const std::exception& b) {
    std::fprintf(stderr, "%s\n", b.what());
    return 1;
  }
  return 0;
}
