#include "io/trasa.h"

#include "app/log.h"
#include "io/strumien_rekordow.h"

const char* const NAZWA_MIASTA[LICZBA_MIAST] = {
    "Brak informacji", "Fikcyjne", "Bydgoszcz", "Częstochowa", "Elbląg", "Gdańsk", "GOP",      "Gorzów",
    "Grudziądz",       "Kraków",   "Łódź",      "Poznań",      "Szczecin", "Toruń", "Warszawa", "Wrocław"};

void zapisz_trase(pisarz_rekordow& s, const trasa_info& trasa) {
  s.int32(trasa.miasto);
  s.int32(trasa.rok);
  s.int32(trasa.id);
}

void wczytaj_trase(czytnik_rekordow& s, trasa_info& trasa) {
  trasa.miasto = s.int32();
  if (trasa.miasto == 0) {
    log_pisz(" trasa info: skip\n");
    return;
  }
  trasa.rok = s.int32();
  trasa.id = s.int32();
}

void zeruj_trase(trasa_info& trasa) { trasa = trasa_info{}; }
