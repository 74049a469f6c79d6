#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "dokument/wczytywanie.h"

// "ok", or "error at X Y" with the first flagged line's start point (2 decimals).
std::string opis_geometrii(const tor_uklad& tor);

// All events of the track: on points and on lines.
int liczba_zdarzen(const tor_uklad& tor);
// Events by type: each of the seven types (0 when none), and any other type that occurs.
std::map<std::int32_t, int> zdarzenia_wedlug_typow(const tor_uklad& tor);

// The "key: value" lines of the info command, each ending with a line break.
std::string informacje(const dokument& model);
