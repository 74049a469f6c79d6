#pragma once

#include "view/malarz_ekranowy.h"

// The plan drawn with OpenGL 1.1 in immediate mode, every call as it comes: vertices reach GL
// as normalised device coordinates with z = 0, sizes in pixels times the device pixel ratio.
class malarz_gl : public malarz_ekranowy {
 public:
  explicit malarz_gl(double piksel = 1) : piksel_(piksel) {}

  // GL state at the start of a frame: identity matrices, no texture or depth test, blending on,
  // sizes of one pixel. Nothing of one frame reaches the next.
  static void stan_poczatkowy();

  // Device pixels per pixel of the sizes the drawing asks for.
  double piksel() const { return piksel_; }
  void ustaw_piksel(double piksel) { piksel_ = piksel; }

  void kolor(float r, float g, float b) override;
  void kolor(float r, float g, float b, float a) override;
  void rozmiar_punktu(float rozmiar) override;
  void szerokosc_linii(float szerokosc) override;
  void punkt(double x, double y, double z) override;
  void linia(double x1, double y1, double z1, double x2, double y2, double z2) override;
  void pasek_poczatek() override;
  void wierzcholek(double x, double y, double z) override;
  void pasek_koniec() override;
  void czworokat(const double xy[4][2], const double uv[4][2]) override;
  void tekstura(unsigned id) override;
  void bez_tekstury() override;
  void poczatek_planu(double x, double y) override { plan_na_karte(x, y); }

 protected:
  void karta_zmieniona() override;

 private:
  void wierzcholek_gl(double x, double y);

  double piksel_;
};
