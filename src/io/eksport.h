#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/stan.h"

class tor_uklad;
class tor_linia;
class tor_punkt;

// The simulator file: a flat list of records, the points first (record number = point index),
// then the lines (record number = pmax + line index), then the route information; saved through
// the scrambling whole-buffer saver.

enum class wynik_eksportu { zapisano, blad_geometrii, blad_zapisu };

// "&Eksportuj do MOVIX 0.08" once a file is chosen: a layout with a geometry fault shows
// message 19 and is left as it was; otherwise the events on lines become event points, the
// records are built and saved. A failed save is logged and shown (message 11, then its fault).
wynik_eksportu eksportuj(const std::string& sciezka, tor_uklad& tor, const trasa_info& trasa);

// The save dialog was cancelled: "Export LOG: Brak pliku!\n" and message 9.
void eksport_bez_pliku();

// Every event on a line becomes an event point on that line's straight part: the line is
// replaced by a chain through the new points, in event order. Ends with a full recompute; the
// layout keeps the result.
void przygotuj_eksport(tor_uklad& tor, const std::string& nazwa_pliku);

// The unscrambled file content.
std::vector<std::uint8_t> rekordy_eksportu(const tor_uklad& tor, const trasa_info& trasa);

// Height (world) and parameter that a line takes at one of its end points, chosen by the
// line's place in the point's li[]: line 0 takes z and parameter 1, line 1 the second
// elevation and parameter 2, any later one by the point's turn.
struct koniec_toru {
  double wysokosc;
  double parametr;
};
koniec_toru koniec_toru_w_punkcie(const tor_linia& linia, const tor_punkt& punkt);
