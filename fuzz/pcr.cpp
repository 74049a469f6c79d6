// Picture-coordinate files (".pcr"), through "Wczytaj całość" into a picture list whose textures
// never load (a fuzzed path must not reach the disk); the pictures are then drawn, picked,
// dragged and turned, and the list saved and read back.
#include "imagery/obrazki.h"
#include "imagery/plik_pcr.h"
#include "io/blad_pliku.h"
#include "support/malarz_pusty.h"
#include "plik_w_pamieci.h"
#include "po_wczytaniu.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  przygotuj_fuzz();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  static plik_w_pamieci plik;
  lista_obrazkow lista({[](const std::string&, std::string&) { return 0u; }, [](unsigned& id) { id = 0; }});
  if (!wczytaj_pcr(lista, plik.zapisz(dane, rozmiar))) return 0;
  malarz_pusty m;
  lista.rysuj(m);
  lista.rysuj_ramki(m);
  for (const obrazek& o : std::vector<obrazek>(lista.obrazki())) {
    lista.trafienie((o.x1 + o.x2) / 2, (o.y1 + o.y2) / 2, 0.02);
    lista.przeciagnij(1.5, -2);
    lista.obroc(15);
    lista.odbij_x();
  }
  try {
    bool stary_format = true;
    if (dekoduj_pcr(koduj_pcr(lista.obrazki()), stary_format).size() != lista.obrazki().size() || stary_format)
      zlamana_obietnica("zapisane obrazki wczytują się w innej liczbie lub postaci");
  } catch (const blad_pliku& b) {
    std::fprintf(stderr, "%s\n", b.what());
    zlamana_obietnica("zapisane obrazki nie wczytują się");
  }
  return 0;
}
