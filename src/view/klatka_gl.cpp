#include "view/klatka_gl.h"

#include <GL/gl.h>

#include "view/malarz_gl.h"

void rysuj_klatke_gl(malarz_gl& m, const dokument& dok, stan_edytora& edytor, warstwy_obrazow& obrazy,
                     rysownik_ukladow& uklady) {
  malarz_gl::stan_poczatkowy();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  rysuj_klatke(m, dok, edytor, obrazy, uklady);
}
