#pragma once

#include <functional>
#include <string>

// Numbered user messages. Every box is titled "Uwaga!" with one OK button.
enum kod_komunikatu : unsigned {
  KOM_PUSTY = 0,
  KOM_POZA_MAPA = 1,
  KOM_ROZNY_PRZESWIT = 2,
  KOM_DWA_POLACZENIA = 3,
  KOM_DWA_POLACZENIA_SCAL = 4,
  KOM_BRAK_RYSUNKU = 6,
  KOM_RYSUNKI_USUNIETE = 7,
  KOM_PLIK_NIE_ISTNIEJE = 8,
  KOM_ZAPIS_NIEUDANY = 9,
  KOM_ZAPIS_BUFORA_NIEUDANY = 11,
  KOM_PROMIEN_PONIZEJ_20 = 12,
  KOM_PROMIEN_PONIZEJ_25 = 14,
  KOM_PRZESWIT_KRAKOW = 15,
  KOM_PRZESWIT_SLASK = 16,
  KOM_PRZESWIT_WARSZAWA = 17,
  KOM_BLAD_GEOMETRII_EKSPORT = 19,
  KOM_TRASA_DOBRA = 20,
  KOM_BLAD_GEOMETRII = 21,
  KOM_DWA_BLOKI = 22,
  KOM_WYMIEN_ROZJAZDY = 23,
  KOM_NIE_VIALTOR = 24,
  KOM_BRAK_SZABLONU = 25,
  KOM_JEDEN_WZORZEC = 26,
  KOM_WSKAZ_ELEMENT = 27,
  KOM_ZDARZENIE_POZA_TOREM = 28,
};

inline constexpr const char* TYTUL_KOMUNIKATU = "Uwaga!";

// Text of a message code; unknown codes give the empty text.
const char* tekst_komunikatu(unsigned kod);

// Where shown messages go: a message box in the editor, stderr in the CLI, a recorder in tests.
using odbiorca_komunikatow = std::function<void(unsigned kod, const std::string& tekst)>;

// Installs a new receiver and returns the previous one. An empty receiver drops the text.
odbiorca_komunikatow ustaw_odbiorce_komunikatow(odbiorca_komunikatow odbiorca);

// Logs "#komunikat: %d\n", then hands the text to the receiver.
void pokaz_komunikat(unsigned kod);

// A message outside the table (a file refused for a named fault): logged with a "!!! " prefix
// and handed to the receiver with the code KOM_TEKST.
inline constexpr unsigned KOM_TEKST = 0xFFFFFFFFu;
void pokaz_tekst(const std::string& tekst);
