// The SVG painter: what it writes is well-formed, in pixels of the picture, grouped by layer,
// and a textured quad shows its texture's image mapped onto the quad's corners.
#include <gtest/gtest.h>

#include <cmath>

#include "svg_testowe.h"
#include "view/malarz_svg.h"

namespace {

// A plan point through the painter's matrix, in pixels of a szer x wys picture.
std::pair<double, double> w_pikselach(const malarz_svg& m, int szer, int wys, double x, double y) {
  double ex, ey;
  m.macierz().zastosuj(x, y, ex, ey);
  return {(ex + 1) * szer / 2, (1 - ey) * wys / 2};
}

}  // namespace

TEST(MalarzSvg, ElementyWPikselachKoloryWarstwyIOdrzuconeSpozaObrazu) {
  malarz_svg m(200, 100);
  m.skaluj(0.1, 0.1, 1);  // 10 px a metre across, 5 px up
  m.warstwa("grid");
  m.kolor(1, 0, 0, 0.5f);
  m.szerokosc_linii(2);
  m.linia(0, 0, 0, 5, 5, 0);
  m.linia(1000, 0, 0, 2000, 5, 0);   // beyond the right edge
  m.linia(-1000, 1, 0, 1000, 1, 0);  // across the whole picture
  m.warstwa("track");
  m.kolor(0, 0, 1);
  m.rozmiar_punktu(4);
  m.punkt(-10, 0, 0);
  m.punkt(0, 1000, 0);  // above the top
  m.pasek_poczatek();
  m.wierzcholek(0, 0, 0);
  m.wierzcholek(1, 2, 0);
  m.wierzcholek(3, -2, 0);
  m.pasek_koniec();
  m.pasek_poczatek();  // one vertex: nothing, as in GL
  m.wierzcholek(0, 0, 0);
  m.pasek_koniec();
  m.pasek_poczatek();  // vertices within a hundredth of a pixel: nothing either
  m.wierzcholek(0, 0, 0);
  m.wierzcholek(0.0001, 0, 0);
  m.wierzcholek(0.0002, 0.0001, 0);
  m.pasek_koniec();
  m.pasek_poczatek();  // wholly below the picture
  m.wierzcholek(-5, -1000, 0);
  m.wierzcholek(5, -900, 0);
  m.pasek_koniec();
  m.warstwa("marks");

  const dokument_svg d = czytaj_svg(m.zamknij());
  ASSERT_TRUE(d.blad.isEmpty()) << d.blad.toStdString();
  EXPECT_EQ(d.warstwy, (std::vector<QString>{"grid", "track", "marks"}));
  EXPECT_EQ(d.elementy.front().liczba("width"), 200);
  EXPECT_EQ(d.elementy.front().liczba("height"), 100);

  const auto linie = d.wszystkie("line");
  ASSERT_EQ(linie.size(), 2u);
  for (const element_svg* l : linie) EXPECT_EQ(l->warstwa, "grid");
  EXPECT_DOUBLE_EQ(linie[0]->liczba("x1"), 100);
  EXPECT_DOUBLE_EQ(linie[0]->liczba("y1"), 50);
  EXPECT_DOUBLE_EQ(linie[0]->liczba("x2"), 150);
  EXPECT_DOUBLE_EQ(linie[0]->liczba("y2"), 25);
  EXPECT_EQ(linie[0]->tekst("stroke"), "#ff0000");
  EXPECT_NEAR(linie[0]->liczba("stroke-opacity"), 0.5, 0.005);
  EXPECT_EQ(linie[0]->liczba("stroke-width"), 2);

  const auto punkty = d.wszystkie("rect", "track");
  ASSERT_EQ(punkty.size(), 1u);
  EXPECT_DOUBLE_EQ(punkty[0]->liczba("x"), -2);
  EXPECT_DOUBLE_EQ(punkty[0]->liczba("y"), 48);
  EXPECT_DOUBLE_EQ(punkty[0]->liczba("width"), 4);
  EXPECT_DOUBLE_EQ(punkty[0]->liczba("height"), 4);
  EXPECT_EQ(punkty[0]->tekst("fill"), "#0000ff");
  EXPECT_FALSE(punkty[0]->atrybuty.hasAttribute("fill-opacity"));

  const auto paski = d.wszystkie("polyline", "track");
  ASSERT_EQ(paski.size(), 1u);
  const auto wierzcholki = punkty_svg(paski[0]->tekst("points"));
  ASSERT_EQ(wierzcholki.size(), 3u);
  EXPECT_DOUBLE_EQ(wierzcholki[1].first, 110);
  EXPECT_DOUBLE_EQ(wierzcholki[1].second, 40);
  EXPECT_EQ(paski[0]->tekst("fill"), "none");
}

TEST(MalarzSvg, CzworokatZTeksturaToJejObrazNaRogachCzworokata) {
  const int szer = 300, wys = 200;
  malarz_svg m(szer, wys);
  m.obraz_tekstury(7, "data:image/png;base64,iVBORw0KGgo=");
  m.warstwa("track");
  m.skaluj(0.05, 0.05, 1);
  m.przesun(4, -3, 0);
  m.obroc(30, 0, 0, 1);
  // A symbol of the atlas's second row: its texture coordinates lie one period below the image.
  const double xy[4][2] = {{-1, 3}, {-1, 1}, {1, 1}, {1, 3}};
  const double uv[4][2] = {{0.49, -0.26}, {0.49, -0.49}, {0.26, -0.49}, {0.26, -0.26}};
  m.kolor(1, 1, 1);
  m.tekstura(7);
  m.czworokat(xy, uv);
  m.tekstura(8);  // no image: the colour alone
  m.czworokat(xy, uv);
  m.bez_tekstury();
  m.kolor(0, 1, 0);
  m.czworokat(xy, uv);

  const dokument_svg d = czytaj_svg(m.zamknij());
  ASSERT_TRUE(d.blad.isEmpty()) << d.blad.toStdString();
  const auto obrazy = d.wszystkie("image");
  ASSERT_EQ(obrazy.size(), 1u);
  EXPECT_EQ(obrazy[0]->tekst("id"), "t7");
  EXPECT_EQ(obrazy[0]->href(), "data:image/png;base64,iVBORw0KGgo=");

  const auto uzycia = d.wszystkie("use", "track");
  ASSERT_EQ(uzycia.size(), 1u);
  EXPECT_EQ(uzycia[0]->href(), "#t7");
  // transform="matrix(a b c d e f)": pixel = (a u + c v + e, b u + d v + f) for (u, v) in the
  // image's period.
  QString macierz = uzycia[0]->tekst("transform");
  ASSERT_TRUE(macierz.startsWith("matrix(") && macierz.endsWith(")")) << macierz.toStdString();
  const QStringList t = macierz.mid(7, macierz.size() - 8).split(' ');
  ASSERT_EQ(t.size(), 6);
  for (int i = 0; i < 4; ++i) {
    const double u = uv[i][0], v = uv[i][1] + 1;
    const auto [px, py] = w_pikselach(m, szer, wys, xy[i][0], xy[i][1]);
    EXPECT_NEAR(t[0].toDouble() * u + t[2].toDouble() * v + t[4].toDouble(), px, 1e-3) << "corner " << i;
    EXPECT_NEAR(t[1].toDouble() * u + t[3].toDouble() * v + t[5].toDouble(), py, 1e-3) << "corner " << i;
  }

  // The image is clipped to the quad: the group around it names a clip path whose polygon is
  // the quad in pixels.
  const auto wielokaty = d.wszystkie("polygon");
  ASSERT_EQ(wielokaty.size(), 3u);
  const auto przyciecia = d.wszystkie("clipPath");
  ASSERT_EQ(przyciecia.size(), 1u);
  bool przyciety = false;
  for (const element_svg* g : d.wszystkie("g"))
    przyciety |= g->tekst("clip-path") == "url(#" + przyciecia[0]->tekst("id") + ")";
  EXPECT_TRUE(przyciety);
  const auto rogi = punkty_svg(wielokaty[0]->tekst("points"));
  ASSERT_EQ(rogi.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    const auto [px, py] = w_pikselach(m, szer, wys, xy[i][0], xy[i][1]);
    EXPECT_NEAR(rogi[i].first, px, 0.006);
    EXPECT_NEAR(rogi[i].second, py, 0.006);
  }
  EXPECT_EQ(wielokaty[1]->tekst("fill"), "#ffffff");
  EXPECT_EQ(wielokaty[2]->tekst("fill"), "#00ff00");
}
