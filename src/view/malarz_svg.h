#pragma once

#include <set>
#include <string>
#include <vector>

#include "view/malarz_ekranowy.h"

// The plan as an SVG document of szerokosc x wysokosc pixels, element for element what malarz_gl
// puts on the screen: lines and strips in the current colour and width, points as squares of
// their size, a textured quad as its texture's image clipped to the quad and laid on it by the
// affine map of its corners; colours keep their opacity. Each named layer is a <g> with that id.
class malarz_svg : public malarz_ekranowy {
 public:
  malarz_svg(int szerokosc, int wysokosc);

  // The image of texture `id` as an href (a data: URI), placed once in the document. Quads in
  // a texture with no image are filled with the colour.
  void obraz_tekstury(unsigned id, const std::string& href);

  // The finished document, valid XML, handed over without a copy; the painter is spent.
  std::string zamknij();

  void kolor(float r, float g, float b) override;
  void kolor(float r, float g, float b, float a) override;
  void rozmiar_punktu(float rozmiar) override { rozmiar_punktu_ = rozmiar; }
  void szerokosc_linii(float szerokosc) override { szerokosc_linii_ = szerokosc; }
  void punkt(double x, double y, double z) override;
  void linia(double x1, double y1, double z1, double x2, double y2, double z2) override;
  void pasek_poczatek() override;
  void wierzcholek(double x, double y, double z) override;
  void pasek_koniec() override;
  void czworokat(const double xy[4][2], const double uv[4][2]) override;
  void tekstura(unsigned id) override;
  void bez_tekstury() override { teksturowany_ = false; }
  void warstwa(const char* nazwa) override;

 private:
  struct piksel {
    double x, y;
  };
  piksel na_piksele(double x, double y) const;
  bool poza_obrazem(piksel a, piksel b, double margines) const;
  static void punkty(std::string& s, const piksel* p, std::size_t n);
  void atrybut_koloru(const char* nazwa);
  void obrys();

  int szerokosc_, wysokosc_;
  float r_ = 1, g_ = 1, b_ = 1, a_ = 1;
  float rozmiar_punktu_ = 1;
  float szerokosc_linii_ = 1;
  bool teksturowany_ = false;
  unsigned tekstura_ = 0;
  bool w_warstwie_ = false;
  bool w_pasku_ = false;
  std::vector<piksel> pasek_;
  int przyciecia_ = 0;
  std::set<unsigned> obrazy_;
  std::string tresc_;
};
