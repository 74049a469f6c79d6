#include "cli/tiles.h"

#include <cstdio>

#include "cli/komunikaty_cli.h"
#include "cli/polecenia.h"

int polecenie_tiles(const std::vector<std::string>& rastry, const std::string& katalog,
                    const ustawienia_ciecia& ustawienia, bool cicho) {
  int ostatni_procent = -1;
  const sledzenie_ciecia postep = [&](const postep_ciecia& p) {
    const int procent = p.wszystkie ? static_cast<int>(100 * p.zrobione / p.wszystkie) : 100;
    if (procent != ostatni_procent) {
      std::fprintf(stderr, "\r%3d%%  satek zapisanych: %zu", procent, p.zapisane);
      std::fflush(stderr);
      ostatni_procent = procent;
    }
    return true;
  };
  const wynik_ciecia w = tnij_na_satki(rastry, katalog, ustawienia, cicho ? sledzenie_ciecia{} : postep);
  if (!cicho && ostatni_procent >= 0) std::fputc('\n', stderr);
  switch (w.koniec) {
    case koniec_ciecia::odmowa:
      zglos_blad(w.komunikat);
      return WYJSCIE_ODMOWA;
    case koniec_ciecia::blad_odczytu:
      zglos_blad(w.komunikat);
      return WYJSCIE_BLAD;
    case koniec_ciecia::przerwane:
    case koniec_ciecia::zrobione:
      break;
  }
  if (!cicho) {
    if (w.plik_cor.empty())
      std::fprintf(stderr, "rastry nie mają danych obrazu: żadna satka nie została zapisana\n");
    else
      std::fprintf(stderr, "satek zapisanych: %zu, współrzędne: %s\n", w.zapisane, w.plik_cor.c_str());
  }
  return WYJSCIE_OK;
}
