#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An image file read whole: the readers decode from memory, so a file is opened once and no
// decoder ever reads past what the file holds.
enum class odczyt_obrazu { dobrze, brak_pliku, blad_odczytu, za_duzy };

struct plik_obrazu {
  odczyt_obrazu stan = odczyt_obrazu::brak_pliku;
  std::vector<std::uint8_t> dane;
  int blad_systemu = 0;  // errno of a file that did not open or read
};

// Files larger than MAKS_ROZMIAR_PLIKU_OBRAZU are not read (za_duzy).
plik_obrazu wczytaj_plik_obrazu(const std::string& sciezka);

// Why the file gives no image to decode, for the user ("plik jest pusty"); "" when it does.
std::string powod_odczytu(const plik_obrazu& plik);
