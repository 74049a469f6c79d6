#include "io/eksport.h"

#include "app/komunikaty.h"
#include "app/log.h"
#include "io/zapisywacz.h"
#include "track/tor.h"

wynik_eksportu eksportuj(const std::string& sciezka, tor_uklad& tor, const trasa_info& trasa) {
  if (!tor.sprawdz_geometrie()) {
    pokaz_komunikat(KOM_BLAD_GEOMETRII_EKSPORT);
    return wynik_eksportu::blad_geometrii;
  }
  przygotuj_eksport(tor, sciezka);
  std::vector<std::uint8_t> bufor = rekordy_eksportu(tor, trasa);
  std::string blad;
  if (!zapisz_bufor(bufor, sciezka, &blad)) {
    pokaz_komunikat(KOM_ZAPIS_BUFORA_NIEUDANY);
    // The numbered message does not say which file or why.
    if (!blad.empty()) pokaz_tekst(blad + "; plik na dysku pozostał bez zmian");
    return wynik_eksportu::blad_zapisu;
  }
  return wynik_eksportu::zapisano;
}

void eksport_bez_pliku() {
  log_pisz("Export LOG: Brak pliku!\n");
  pokaz_komunikat(KOM_ZAPIS_NIEUDANY);
}
