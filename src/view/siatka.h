#pragma once

class malarz;
struct widok;

// The background grid of the non-negative quadrant at the levels the grid list allows:
// 1, 10, 100 and 1000 m, each where the zoom leaves its lines apart, finer ones first.
// `siatka` is the list's index (0 none ... 4 down to 1 m); `biale` the white lines option.
void rysuj_siatke(malarz& m, const widok& w, int siatka, bool biale);
