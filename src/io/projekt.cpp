#include "io/projekt.h"

#include <utility>

#include "app/komunikaty.h"
#include "app/log.h"
#include "io/strumien_rekordow.h"
#include "io/trasa.h"
#include "track/tor.h"

namespace {
// Item 10 of the file: one hundred integers 0.
constexpr int ZERA_NA_KONCU = 100;
}  // namespace

wynik_odczytu wczytaj_projekt(const std::string& sciezka, tor_uklad& tor, trasa_info& trasa) {
  return odczytaj_plik(sciezka, postac_pliku::gzip, [&](std::span<const std::uint8_t> dane) {
    czytnik_rekordow s(dane.data(), dane.size());
    tor_uklad nowy;
    ustaw_domyslne_jak(nowy, tor);
    nowy.wczytaj(s);
    trasa_info nowa_trasa = trasa;
    wczytaj_trase(s, nowa_trasa);
    zastap_zawartosc(tor, nowy);
    trasa = nowa_trasa;
  });
}

wynik_odczytu dodaj_do_projektu(const std::string& sciezka, tor_uklad& tor) {
  // The layout's reader leaves the layout as it was when it refuses the file.
  return odczytaj_plik(sciezka, postac_pliku::gzip, [&](std::span<const std::uint8_t> dane) {
    czytnik_rekordow s(dane.data(), dane.size());
    tor.wczytaj(s);
  });
}

std::vector<std::uint8_t> rekordy_projektu(const tor_uklad& tor, const trasa_info& trasa) {
  pisarz_rekordow s;
  tor.zapisz(s);
  zapisz_trase(s, trasa);
  for (int i = 0; i < ZERA_NA_KONCU; ++i) s.int32(0);
  return std::move(s.dane());
}

bool zapisz_projekt(const std::string& sciezka, const tor_uklad& tor, const trasa_info& trasa) {
  return zapisz_plik_polecenia(sciezka, postac_pliku::gzip, rekordy_projektu(tor, trasa));
}

void brak_pliku_do_wczytania() {
  log_pisz("Project load: brak pliku!\n");
  pokaz_komunikat(KOM_PLIK_NIE_ISTNIEJE);
}

void brak_pliku_do_zapisu() {
  log_pisz("Blok save: Brak pliku!\n");
  pokaz_komunikat(KOM_ZAPIS_NIEUDANY);
}
