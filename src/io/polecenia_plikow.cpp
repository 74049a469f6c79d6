#include "io/polecenia_plikow.h"

#include <string_view>

#include "app/komunikaty.h"
#include "app/log.h"
#include "io/blad_pliku.h"
#include "io/gz_plik.h"
#include "track/tor.h"

namespace {
constexpr const char* LOG_BLAD_PLIKU = "Blok save: Błąd zapisu pliku!\n";
}

wynik_odczytu odczytaj_plik(const std::string& sciezka, postac_pliku postac,
                            const std::function<void(std::span<const std::uint8_t>)>& rozbior) {
  wynik_odczytu wynik;
  wynik.ok = false;
  std::vector<std::uint8_t> dane;
  try {
    if (postac == postac_pliku::gzip) {
      dane = wczytaj_gz(sciezka);
    } else {
      const std::string tekst = wczytaj_plik(sciezka);
      dane.assign(tekst.begin(), tekst.end());
    }
  } catch (const blad_otwarcia& b) {
    log_pisz("%s", LOG_BLAD_PLIKU);
    wynik.blad = b.what();
    pokaz_tekst(wynik.blad);
    return wynik;
  } catch (const blad_pliku& b) {
    wynik.blad = b.what();
    pokaz_tekst(wynik.blad);
    return wynik;
  }
  try {
    rozbior(dane);
  } catch (const nieznany_format& b) {
    pokaz_komunikat(KOM_NIE_VIALTOR);
    wynik.nieznany_format = true;
    wynik.blad = "plik " + sciezka + ": " + b.what();
    return wynik;
  } catch (const blad_pliku& b) {
    wynik.blad = "plik " + sciezka + " jest uszkodzony i nie został wczytany: " + b.what();
    pokaz_tekst(wynik.blad);
    return wynik;
  }
  wynik.ok = true;
  return wynik;
}

bool zapisz_plik_polecenia(const std::string& sciezka, postac_pliku postac, std::span<const std::uint8_t> dane) {
  try {
    if (postac == postac_pliku::gzip)
      zapisz_gz(sciezka, dane.data(), dane.size());
    else
      zapisz_plik(sciezka, std::string_view(reinterpret_cast<const char*>(dane.data()), dane.size()));
    return true;
  } catch (const blad_pliku& b) {
    log_pisz("%s", LOG_BLAD_PLIKU);
    pokaz_tekst(std::string(b.what()) + "; plik na dysku pozostał bez zmian");
  }
  return false;
}

void ustaw_domyslne_jak(tor_uklad& nowy, const tor_uklad& wzor) {
  nowy.przeswit_akt = wzor.przeswit_akt;
  nowy.promien_domyslny = wzor.promien_domyslny;
  nowy.obiekt_domyslny = wzor.obiekt_domyslny;
  nowy.szab_akt = wzor.szab_akt;
}

void dolacz_zawartosc(w_uklad& cel, w_uklad& zrodlo) {
  cel.p.insert(cel.p.end(), zrodlo.p.begin(), zrodlo.p.end());
  cel.l.insert(cel.l.end(), zrodlo.l.begin(), zrodlo.l.end());
  cel.e.insert(cel.e.end(), zrodlo.e.begin(), zrodlo.e.end());
  zrodlo.p.clear();
  zrodlo.l.clear();
  zrodlo.e.clear();
  zrodlo.punkt_docelowy = nullptr;
}

void zastap_zawartosc(w_uklad& cel, w_uklad& zrodlo) {
  cel.wyczysc();
  dolacz_zawartosc(cel, zrodlo);
  cel.punkt_kursor = cel.linia_kursor = cel.ostatni_punkt = -1;
}
