// The grid: its levels by zoom and list index, the quadrant it covers, its edges at extreme
// cameras; and where its lines fall on the screen.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <sstream>

#include "dokument/dokument.h"
#include "kontekst_gl.h"
#include "support/malarz_rejestrujacy.h"
#include "view/siatka.h"
#include "view/widok.h"

namespace {

// The opacities of the levels drawn (each level has its own).
std::set<float> poziomy(const widok& w, int siatka, bool biale = false) {
  malarz_rejestrujacy m;
  rysuj_siatke(m, w, siatka, biale);
  std::set<float> wynik;
  for (const std::string& s : m.wywolania)
    if (s.rfind("kolor ", 0) == 0) wynik.insert(std::stof(s.substr(s.rfind(' ') + 1)));
  return wynik;
}

TEST(Siatka, PoziomyWedlugSkaliIListy) {
  widok w;
  EXPECT_EQ(poziomy(w, 4), (std::set<float>{0.05f, 0.1f, 0.2f, 0.4f}));
  EXPECT_EQ(poziomy(w, 4, true), (std::set<float>{0.3f, 0.4f, 0.6f, 0.8f}));
  EXPECT_EQ(poziomy(w, 3), (std::set<float>{0.1f, 0.2f, 0.4f}));
  EXPECT_EQ(poziomy(w, 1), (std::set<float>{0.4f}));
  EXPECT_TRUE(poziomy(w, 0).empty());
  w.skala = 0.005;
  EXPECT_EQ(poziomy(w, 4), (std::set<float>{0.1f, 0.2f, 0.4f}));
  w.skala = 0.00001;
  EXPECT_EQ(poziomy(w, 1), (std::set<float>{0.4f}));
  w.skala = 0.000006;
  EXPECT_TRUE(poziomy(w, 4).empty());
}

// The view spans x from -75.3 to 95.3: vertical lines from x = 0 only, horizontal ones from 0 to
// the right edge.
TEST(Siatka, TylkoNieujemnaCwiartka) {
  widok w;
  w.przes_x = -10;
  malarz_rejestrujacy m;
  rysuj_siatke(m, w, 4, false);
  const auto linie = m.tylko("linia");
  ASSERT_FALSE(linie.empty());
  double najmniejsze_x = 1e9, najwieksze_x = -1e9;
  for (const auto& l : linie) {
    najmniejsze_x = std::min({najmniejsze_x, l.x1, l.x2});
    najwieksze_x = std::max({najwieksze_x, l.x1, l.x2});
    EXPECT_GE(std::min(l.y1, l.y2), 0);
  }
  EXPECT_EQ(najmniejsze_x, 0);
  EXPECT_EQ(najwieksze_x, 96);  // trunc(95.3) + 1
}

// A view panned past the origin (x from 114.7 to 285.3, y from 150 to 250): every level's lines
// fall on multiples of its spacing, as a level's first line is rounded down to ten spacings.
TEST(Siatka, LiniePoziomowNaWielokrotnosciachOdstepu) {
  const widok w{0.02, -200, -200, 1024.0 / 600};
  malarz_rejestrujacy m;
  rysuj_siatke(m, w, 4, false);
  // The levels by their opacities, finest first.
  const std::map<float, int> odstep{{0.05f, 1}, {0.1f, 10}, {0.2f, 100}, {0.4f, 1000}};
  std::map<int, int> linie_poziomu;
  int biezacy = 0;
  for (const std::string& s : m.wywolania) {
    std::istringstream we(s);
    std::string rodzaj;
    we >> rodzaj;
    if (rodzaj == "kolor") {
      float r, g, b, a;
      we >> r >> g >> b >> a;
      ASSERT_TRUE(odstep.count(a)) << s;
      biezacy = odstep.at(a);
    } else if (rodzaj == "linia") {
      double x1, y1, z1, x2, y2;
      we >> x1 >> y1 >> z1 >> x2 >> y2;
      const double polozenie = x1 == x2 ? x1 : y1;
      EXPECT_EQ(std::fmod(polozenie, biezacy), 0) << "poziom " << biezacy << ": " << s;
      ++linie_poziomu[biezacy];
    }
  }
  EXPECT_EQ(linie_poziomu.size(), 4u);
}

// Far pans and the zoom limits: edges saturate, the loops stay short and end.
TEST(Siatka, SkrajneKamery) {
  const widok kamery[] = {{SKALA_NAJWIEKSZA, -1e12, -1e12, 1024.0 / 600}, {SKALA_NAJWIEKSZA, 1e12, 3e9, 1024.0 / 600},
                          {SKALA_NAJMNIEJSZA, 0, 0, 1024.0 / 600},       {0.00001, -2.147e9, -2.147e9, 1024.0 / 600},
                          {0.02, -2147483600.0, 0, 1024.0 / 600},        {1, 5e8, -5e8, 1024.0 / 600}};
  for (const widok& w : kamery) {
    malarz_rejestrujacy m;
    rysuj_siatke(m, w, 4, false);
    EXPECT_LT(m.tylko("linia").size(), 5000u) << w.skala << ' ' << w.przes_x;
  }
}

// The start-up camera: x = 0 lands on pixel column 212 and y = 0 on row 540 (their edges fall
// between two pixels; the 2-pixel 1000 m line covers both). Left of x = 0 there is no grid: the
// background shows as it is.
TEST(Siatka, OsiePrzyDomyslnejKamerze) {
  kontekst_gl gl;
  dokument dok;
  stan_edytora edytor;
  const QImage obraz = gl.wprost(dok, edytor);
  ASSERT_EQ(piksel(edytor.kamera, 0, 0).x, 212);
  ASSERT_EQ(piksel(edytor.kamera, 0, 0).y, 540);
  const int jasnosc_tla = qRed(obraz.pixel(100, 100));
  EXPECT_EQ(obraz.pixel(100, 100), szary(204));
  // A row between the metre lines, and a column between them.
  const int wiersz = piksel(edytor.kamera, 0, 20.5).y;
  const int kolumna = piksel(edytor.kamera, 20.5, 0).x;
  for (int x : {211, 212}) EXPECT_LT(qRed(obraz.pixel(x, wiersz)), jasnosc_tla - 40) << x;
  for (int y : {539, 540}) EXPECT_LT(qRed(obraz.pixel(kolumna, y)), jasnosc_tla - 40) << y;
  EXPECT_GT(qRed(obraz.pixel(209, wiersz)), jasnosc_tla - 10);
  EXPECT_EQ(obraz.pixel(209, 540), szary(204));  // the y = 0 line starts at x = 0
  EXPECT_GT(qRed(obraz.pixel(kolumna, 543)), jasnosc_tla - 10);
}

}  // namespace
