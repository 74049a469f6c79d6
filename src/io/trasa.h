#pragma once

#include "app/stan.h"

class pisarz_rekordow;
class czytnik_rekordow;

// City names of the "Miasto" list, by city index.
inline constexpr int LICZBA_MIAST = 16;
extern const char* const NAZWA_MIASTA[LICZBA_MIAST];

void zapisz_trase(pisarz_rekordow& s, const trasa_info& trasa);
// A city index of 0 logs " trasa info: skip\n" and leaves the year and identifier unread.
void wczytaj_trase(czytnik_rekordow& s, trasa_info& trasa);
void zeruj_trase(trasa_info& trasa);
