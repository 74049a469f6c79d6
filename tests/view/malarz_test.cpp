// The GL painter: its matrices against GL's own, exact at large coordinates, z of no account.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <random>

#include "kontekst_gl.h"
#include "view/malarz_gl.h"
#include "view/przeksztalcenie.h"

namespace {

// Random translations, rotations about any axis and scalings: the painter's map of a vertex is
// GL's modelview applied to it.
TEST(Przeksztalcenie, TakJakMacierzGl) {
  kontekst_gl gl;
  std::mt19937 los(3);
  std::uniform_real_distribution<double> u(-3, 3);
  for (int proba = 0; proba < 50; ++proba) {
    przeksztalcenie p;
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    for (int krok = 0; krok < 6; ++krok) {
      const double a = u(los), b = u(los), c = u(los), d = u(los) * 60;
      switch (los() % 3) {
        case 0:
          p.przesun(a, b, c);
          glTranslated(a, b, c);
          break;
        case 1:
          p.obroc(d, a, b, c);
          glRotated(d, a, b, c);
          break;
        default:
          p.skaluj(a, b, c);
          glScaled(a, b, c);
      }
    }
    GLdouble m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    const double x = u(los), y = u(los);
    double wx, wy;
    p.zastosuj(x, y, wx, wy);
    const double skala = 1 + std::fabs(m[12]) + std::fabs(m[13]) + 3 * (std::fabs(m[0]) + std::fabs(m[4]));
    EXPECT_NEAR(wx, m[0] * x + m[4] * y + m[12], 1e-5 * skala) << proba;
    EXPECT_NEAR(wy, m[1] * x + m[5] * y + m[13], 1e-5 * skala) << proba;
  }
}

// The same figure 10^6 m away under a camera moved as far: the same pixels. In float, 10^6 m
// are 6 cm apart, 18 pixels at this zoom.
TEST(MalarzGl, DalekoOdZeraTeSamePiksele) {
  kontekst_gl gl;
  auto figura = [](double dx, double dy) {
    return [dx, dy](malarz_gl& m) {
      m.kolor(0, 0, 0);
      m.szerokosc_linii(1);
      m.linia(dx - 1.3, dy - 0.7, 0, dx + 1.1, dy + 0.9, 0);
      m.pasek_poczatek();
      for (int i = 0; i < 20; ++i) m.wierzcholek(dx + 0.1 * i - 1, dy + 0.013 * i * i - 0.8, 0);
      m.pasek_koniec();
      m.rozmiar_punktu(5);
      m.punkt(dx + 0.377, dy - 0.211, 0);
      m.zachowaj_macierz();
      m.przesun(dx + 0.5, dy + 0.25, 0);
      m.obroc(33, 0, 0, 1);
      m.linia(0, 0, 0, 0.8, 0, 0);
      m.przywroc_macierz();
    };
  };
  widok blisko{1, -0.3, -0.1, 1024.0 / 600};
  widok daleko = blisko;
  daleko.przes_x -= 1e6;
  daleko.przes_y -= 1e6;
  const QImage a = gl.rysunek(blisko, figura(0.3, 0.1));
  const QImage b = gl.rysunek(daleko, figura(1e6 + 0.3, 1e6 + 0.1));
  std::string pierwszy;
  EXPECT_EQ(rozne_piksele(a, b, &pierwszy), 0) << pierwszy;
  int czarne = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) czarne += a.pixel(x, y) == qRgb(0, 0, 0);
  EXPECT_GT(czarne, 1000);
}

// The camera scales z with the zoom and the projection is the identity: a marker at z = 1000
// would be clipped at skala 0.02. z plays no part in the plan.
TEST(MalarzGl, WysokoscNieObcina) {
  kontekst_gl gl;
  const widok w;
  const QImage obraz = gl.rysunek(w, [](malarz_gl& m) {
    m.kolor(1, 0, 0);
    m.rozmiar_punktu(6);
    m.punkt(50, 40, 1000);
    m.szerokosc_linii(3);
    m.linia(10, 10, -5000, 20, 10, 5000);
  });
  const piksel_planu p = piksel(w, 50, 40);
  EXPECT_EQ(obraz.pixel(p.x, p.y), qRgb(255, 0, 0));
  const piksel_planu l = piksel(w, 15, 10);
  EXPECT_EQ(obraz.pixel(l.x, l.y), qRgb(255, 0, 0));
}

}  // namespace
