// Writes the bundled turnout template library from turnout geometry.
#include <CLI/CLI.hpp>

#include <cstdio>

#include "budowa_szablonu.h"
#include "io/blad_pliku.h"
#include "io/gz_plik.h"
#include "sklad_biblioteki.h"
#include "zapis_szablonow.h"

int main(int argc, char** argv) {
  CLI::App app{"Zapisuje bibliotekę szablonów rozjazdów edytora (data/dataeditor/sb.txt)."};
  std::string sciezka;
  app.add_option("plik", sciezka, "plik wynikowy")->required();
  CLI11_PARSE(app, argc, argv);

  std::vector<wzor_szablonu> szablony;
  for (const parametry_rozjazdu& p : sklad_biblioteki()) szablony.push_back(zbuduj_szablon(p));
  try {
    zapisz_plik(sciezka, tekst_biblioteki(szablony));
  } catch (const blad_pliku& b) {
    std::fprintf(stderr, "generuj-szablony: %s\n", b.what());
    return 1;
  }
  return 0;
}
