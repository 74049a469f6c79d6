#pragma once

#include <cstdint>

class dokument;

// A network of free track with bends, faulty lines, ends, straight vertices, events of every
// type on points and lines (sensors pointing away), turnouts from the bundled library, a
// selection, the hover and last-point markers, a join target and a few catenary spans: every
// kind of item the plan draws, about `punkty` points of track from (0, 0) to a few hundred
// metres.
void siec_testowa(dokument& dok, std::uint32_t ziarno, int punkty);
