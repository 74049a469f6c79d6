// Plane vectors and bearings.
#include <gtest/gtest.h>

#include <cmath>

#include "track/geometria.h"

namespace {

TEST(Geometria, Normalizacja) {
  EXPECT_EQ(normalizuj({3, 4}), (wektor{0.6, 0.8}));
  EXPECT_EQ(normalizuj({0, 0}), (wektor{0, 0}));
  EXPECT_EQ(dlugosc({-3, 4}), 5);
}

TEST(Geometria, AzymutOdOsiYKuOsiX) {
  EXPECT_EQ(azymut({0, 1}), 0);
  EXPECT_EQ(azymut({1, 0}), 90);
  EXPECT_EQ(azymut({0, -1}), 180);
  EXPECT_EQ(azymut({-1, 0}), -90);
  EXPECT_EQ(azymut({0, 0}), 0);
  EXPECT_EQ(azymut({-0.0, -0.0}), 0);  // not 180 or -180 from the signed zeros
  EXPECT_DOUBLE_EQ(azymut({1, 1}), 45);
}

TEST(Geometria, ObrotyIPunktNaAzymucie) {
  EXPECT_EQ(obroc_w_lewo({1, 2}), (wektor{-2, 1}));
  EXPECT_EQ(obroc_w_prawo({1, 2}), (wektor{2, -1}));
  EXPECT_EQ(iloczyn_skalarny({1, 2}, {3, -4}), -5);
  const wektor p = punkt_na_azymucie({10, 20}, 2, 90);
  EXPECT_DOUBLE_EQ(p.x, 12);
  EXPECT_NEAR(p.y, 20, 1e-15);
  EXPECT_EQ(STOPNIE_NA_RADIANY, 0.017453292519943295);
  EXPECT_EQ(RADIANY_NA_STOPNIE, 57.29577951308232);
}

}  // namespace
