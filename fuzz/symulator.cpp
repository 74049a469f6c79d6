// Simulator files (".layout"), through the reader that vialtor-cli decode uses.
#include "io/blad_pliku.h"
#include "io/zapisywacz.h"
#include "plik_w_pamieci.h"
#include "po_wczytaniu.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  przygotuj_fuzz();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  static plik_w_pamieci plik;
  try {
    if (odczytaj_bufor(plik.zapisz(dane, rozmiar)).size() < NAJMNIEJSZY_BUFOR)
      zlamana_obietnica("odczytany bufor jest krótszy niż najmniejszy dopuszczalny");
  } catch (const blad_pliku&) {
  }
  return 0;
}
