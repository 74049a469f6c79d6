// The text form of a layout (".txt"), through the import command.
#include "io/import_txt.h"
#include "plik_w_pamieci.h"
#include "po_wczytaniu.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  przygotuj_fuzz();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  static plik_w_pamieci plik;
  dokument d;
  const biblioteka_szablonow biblioteka(d.tor);
  if (importuj_txt(plik.zapisz(dane, rozmiar), d.tor).ok) uzyj_ukladu(d);
  return 0;
}
