// The turnout template library ("sb.txt"): read as at start, then every template previewed,
// stepped through and placed, and the layout they make used as any other.
#include <algorithm>

#include "support/malarz_pusty.h"
#include "plik_w_pamieci.h"
#include "po_wczytaniu.h"

namespace {
// Placing is linear in the template's size: a cap keeps one input's time bounded.
constexpr int NAJWIECEJ_WSTAWIEN = 8;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  przygotuj_fuzz();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  static plik_w_pamieci plik;
  dokument d;
  d.tor.wczytaj_szablony(plik.zapisz(dane, rozmiar));
  malarz_pusty m;
  const int ile = std::min(d.tor.szab_max(), NAJWIECEJ_WSTAWIEN);
  for (int i = 0; i < ile; ++i) {
    d.tor.ustaw_szablon(i);
    d.tor.rysuj_podglad(m);
    d.tor.nazwa_szablonu();
    d.tor.wstaw_szablon(25.0 * i, 10.0 * (i % 3));
  }
  if (d.tor.szab_max() > 0) {
    const szablon& ostatni = d.tor.szablony.back();
    if (!d.tor.istnieje_pasujacy(ostatni.rodzaj_transportu, ostatni.przeswit, ostatni.rodzaj))
      zlamana_obietnica("szablon nie pasuje do własnych kryteriów");
    d.tor.nastepny_pasujacy(ostatni.rodzaj_transportu, ostatni.przeswit, ostatni.rodzaj);
    d.tor.poprzedni_pasujacy(1, 4, 2);
  }
  uzyj_ukladu(d);
  return 0;
}
