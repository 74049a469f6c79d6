#pragma once

// The narrow drawing interface of the plan: the OpenGL 1.1 immediate-mode implementation lives
// with the editor; tests record the calls, pictures can be written as SVG.
class malarz {
 public:
  virtual ~malarz() = default;

  virtual void kolor(float r, float g, float b) = 0;
  virtual void kolor(float r, float g, float b, float a) = 0;
  virtual void rozmiar_punktu(float rozmiar) = 0;
  virtual void szerokosc_linii(float szerokosc) = 0;

  virtual void punkt(double x, double y, double z) = 0;
  virtual void linia(double x1, double y1, double z1, double x2, double y2, double z2) = 0;
  // A line strip: vertices between the two calls.
  virtual void pasek_poczatek() = 0;
  virtual void wierzcholek(double x, double y, double z) = 0;
  virtual void pasek_koniec() = 0;
  // One quad with texture coordinates, in the current texture (z = 0).
  virtual void czworokat(const double xy[4][2], const double uv[4][2]) = 0;

  // Binds the texture and switches texturing on; `bez_tekstury` switches it off.
  virtual void tekstura(unsigned id) = 0;
  virtual void bez_tekstury() = 0;

  virtual void zachowaj_macierz() = 0;
  virtual void przywroc_macierz() = 0;
  virtual void macierz_jednostkowa() = 0;
  virtual void przesun(double x, double y, double z) = 0;
  virtual void obroc(double kat, double x, double y, double z) = 0;
  virtual void skaluj(double x, double y, double z) = 0;
  // The current matrix maps the plan to the screen. Until this matrix level is restored, a
  // painter may hand the graphics card the vertices as offsets from the plan point (x, y) and
  // leave the map to it, so that what it keeps stays valid when the view moves.
  virtual void poczatek_planu(double, double) {}

  // The frame names each layer before drawing it ("grid", "track", "catenary", "marks"), so a
  // painter that writes a document can group what it draws. Screen painters ignore it.
  virtual void warstwa(const char*) {}
};
