#include "io/import_txt.h"

#include <string_view>

#include "io/strumien_tekstowy.h"
#include "track/tor.h"

wynik_odczytu importuj_txt(const std::string& sciezka, tor_uklad& tor) {
  return odczytaj_plik(sciezka, postac_pliku::zwykly, [&](std::span<const std::uint8_t> dane) {
    czytnik_tekstu s(std::string_view(reinterpret_cast<const char*>(dane.data()), dane.size()));
    tor_uklad nowy;
    ustaw_domyslne_jak(nowy, tor);
    nowy.wczytaj_txt(s);
    zastap_zawartosc(tor, nowy);
  });
}

bool zapisz_txt(const std::string& sciezka, const tor_uklad& tor) {
  pisarz_tekstu s;
  tor.zapisz_txt(s);
  const std::string& tekst = s.tekst();
  return zapisz_plik_polecenia(sciezka, postac_pliku::zwykly,
                               {reinterpret_cast<const std::uint8_t*>(tekst.data()), tekst.size()});
}
