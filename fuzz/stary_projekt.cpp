// Projects of version 0.945b (".vxp"), through the import command, twice: the catenary of the
// second import goes after the first.
#include "io/import_vxp.h"
#include "plik_w_pamieci.h"
#include "po_wczytaniu.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  przygotuj_fuzz();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  static plik_w_pamieci plik;
  const std::string& sciezka = plik.zapisz(dane, rozmiar);
  dokument d;
  const biblioteka_szablonow biblioteka(d.tor);
  if (!importuj_vxp(sciezka, d.tor, d.siec).ok) return 0;
  const int punkty_sieci = d.siec.pmax();
  if (!importuj_vxp(sciezka, d.tor, d.siec).ok) zlamana_obietnica("zaimportowany plik nie importuje się drugi raz");
  if (d.siec.pmax() != 2 * punkty_sieci) zlamana_obietnica("drugi import nie dokłada sieci trakcyjnej");
  uzyj_ukladu(d);
  return 0;
}
