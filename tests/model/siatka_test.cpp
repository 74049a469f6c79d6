// The picks' grid finds what a look at every box finds: points, short lines over a few cells,
// long lines filed apart, boxes moved after the build and coordinates that are not numbers.
#include "model/siatka.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

bool spotyka(const ramka_wskazania& o, double x, double y, double r) {
  return o.x1 <= x + r && o.x2 >= x - r && o.y1 <= y + r && o.y2 >= y - r;
}

ramka_wskazania losowa(std::mt19937& los, int i) {
  std::uniform_real_distribution<double> miejsce(-500, 500), krotka(0, 8), dluga(100, 900);
  const double x = miejsce(los), y = miejsce(los);
  switch (i % 7) {
    case 0:
    case 1:
    case 2:
      return {x, y, x, y};
    case 3:
    case 4:
      return {x, y, x + krotka(los), y + krotka(los)};
    case 5:
      return {x, y, x + dluga(los), y + krotka(los)};
    default:
      return i % 21 == 6 ? ramka_wskazania{NAN, y, NAN, y} : ramka_wskazania{x, y, x, y + dluga(los)};
  }
}

TEST(SiatkaWskazan, ZnajdujeToCoPrzegladWszystkich) {
  std::mt19937 los(7);
  std::vector<ramka_wskazania> ramki;
  for (int i = 0; i < 3000; ++i) ramki.push_back(losowa(los, i));
  siatka s;
  s.zbuduj(ramki);
  std::uniform_real_distribution<double> miejsce(-600, 600), promien(0, 20);
  std::vector<std::uint32_t> wynik;
  for (int krok = 0; krok < 600; ++krok) {
    // Every third step moves a box, as an edit files it again.
    if (krok % 3 == 0) {
      const auto nr = static_cast<std::uint32_t>(los() % ramki.size());
      ramki[nr] = losowa(los, static_cast<int>(los() % 7));
      s.przefiluj(nr, ramki[nr]);
    }
    const double x = miejsce(los), y = miejsce(los), r = promien(los);
    ASSERT_TRUE(s.w_kwadracie(x, y, r, wynik));
    std::vector<std::uint32_t> oczekiwane;
    for (std::uint32_t i = 0; i < ramki.size(); ++i)
      if (spotyka(ramki[i], x, y, r)) oczekiwane.push_back(i);
    // The grid may give items of the cells it looked at that miss the square, never lose one.
    std::size_t j = 0;
    for (std::uint32_t nr : oczekiwane) {
      while (j < wynik.size() && wynik[j] < nr) ++j;
      ASSERT_TRUE(j < wynik.size() && wynik[j] == nr) << "brak " << nr << " w kroku " << krok;
    }
    // And it looks at a few cells, not at everything.
    EXPECT_LT(wynik.size(), ramki.size() / 10) << "krok " << krok;
  }
}

}  // namespace
