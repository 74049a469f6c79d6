// Project files (".vxm"), through the load command and then added to themselves.
#include "io/projekt.h"
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
  if (!wczytaj_projekt(sciezka, d.tor, d.trasa).ok) return 0;
  const int punkty = d.tor.pmax();
  if (!dodaj_do_projektu(sciezka, d.tor).ok) zlamana_obietnica("wczytany projekt nie daje się dodać do siebie");
  if (d.tor.pmax() != 2 * punkty) zlamana_obietnica("projekt dodany do siebie nie podwaja punktów");
  uzyj_ukladu(d);
  return 0;
}
