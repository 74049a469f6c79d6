#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

class w_uklad;
class tor_uklad;

// What the file commands share: reading a file whole before the open model is touched, and
// telling the user why a file was refused or a save failed.

struct wynik_odczytu {
  bool ok = true;
  bool nieznany_format = false;  // refused for its format number (message 24 was shown)
  std::string blad;              // the fault, when refused
};

enum class postac_pliku { gzip, zwykly };

// Reads the file whole, then hands its bytes to `rozbior`, which reads them into fresh objects
// and replaces or extends the open model only as its last step. A refusal is reported as the
// file commands report it: a file that cannot be opened logs "Blok save: Błąd zapisu pliku!\n";
// a foreign format number shows message 24; every other refusal shows one text naming the file
// and the fault.
wynik_odczytu odczytaj_plik(const std::string& sciezka, postac_pliku postac,
                            const std::function<void(std::span<const std::uint8_t>)>& rozbior);

// Writes the bytes as the whole file. A failure logs "Blok save: Błąd zapisu pliku!\n" and shows
// the fault naming the file; the file on disk stays as it was.
bool zapisz_plik_polecenia(const std::string& sciezka, postac_pliku postac, std::span<const std::uint8_t> dane);

// The open layout's settings that new items take (gauge, default radius, default track object,
// template), for a fresh layout that a file is read into.
void ustaw_domyslne_jak(tor_uklad& nowy, const tor_uklad& wzor);

// Moves every point, line and element of `zrodlo` to the end of `cel`; `zrodlo` is left empty.
void dolacz_zawartosc(w_uklad& cel, w_uklad& zrodlo);
// Replaces what `cel` holds by what `zrodlo` holds. The cursor markers, which named items of the
// old content, are cleared.
void zastap_zawartosc(w_uklad& cel, w_uklad& zrodlo);
