#include "view/malarz_gl.h"

#include <GL/gl.h>

void malarz_gl::stan_poczatkowy() {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_DEPTH_TEST);
  // Translucent colours (the grid, tiles and pictures with their opacity) blend over what is
  // under them in every frame; opaque ones replace it.
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glPointSize(1);
  glLineWidth(1);
  glColor4f(1, 1, 1, 1);
}

void malarz_gl::karta_zmieniona() {
  double m[16];
  macierz_karty().macierz_gl(m);
  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixd(m);
}

void malarz_gl::wierzcholek_gl(double x, double y) {
  double ex, ey;
  na_ekran(x, y, ex, ey);
  glVertex2f(static_cast<float>(ex), static_cast<float>(ey));
}

void malarz_gl::kolor(float r, float g, float b) { glColor3f(r, g, b); }
void malarz_gl::kolor(float r, float g, float b, float a) { glColor4f(r, g, b, a); }
void malarz_gl::rozmiar_punktu(float rozmiar) { glPointSize(static_cast<float>(rozmiar * piksel_)); }
void malarz_gl::szerokosc_linii(float szerokosc) { glLineWidth(static_cast<float>(szerokosc * piksel_)); }

void malarz_gl::punkt(double x, double y, double) {
  glBegin(GL_POINTS);
  wierzcholek_gl(x, y);
  glEnd();
}

void malarz_gl::linia(double x1, double y1, double, double x2, double y2, double) {
  glBegin(GL_LINES);
  wierzcholek_gl(x1, y1);
  wierzcholek_gl(x2, y2);
  glEnd();
}

void malarz_gl::pasek_poczatek() { glBegin(GL_LINE_STRIP); }
void malarz_gl::wierzcholek(double x, double y, double) { wierzcholek_gl(x, y); }
void malarz_gl::pasek_koniec() { glEnd(); }

void malarz_gl::czworokat(const double xy[4][2], const double uv[4][2]) {
  glBegin(GL_QUADS);
  for (int i = 0; i < 4; ++i) {
    glTexCoord2f(static_cast<float>(uv[i][0]), static_cast<float>(uv[i][1]));
    wierzcholek_gl(xy[i][0], xy[i][1]);
  }
  glEnd();
}

void malarz_gl::tekstura(unsigned id) {
  glBindTexture(GL_TEXTURE_2D, id);
  glEnable(GL_TEXTURE_2D);
}

void malarz_gl::bez_tekstury() { glDisable(GL_TEXTURE_2D); }
