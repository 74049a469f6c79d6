#pragma once

#include "view/klatka.h"

class malarz_gl;

// One frame on the current GL context, from a clean state: matrices reset, the colour and depth
// buffers cleared to the clear colour, then rysuj_klatke through the GL painter.
void rysuj_klatke_gl(malarz_gl& m, const dokument& dok, stan_edytora& edytor, warstwy_obrazow& obrazy,
                     rysownik_ukladow& uklady);
