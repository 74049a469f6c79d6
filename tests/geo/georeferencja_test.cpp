#include "geo/georeferencja.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>

TEST(Georeferencja, PlanIMapaPrzezPoczatekSiatki) {
  georeferencja g{4780, 6192, CRS_DOMYSLNY};
  punkt_mapy m = g.na_mape({12.5, -3.0});
  EXPECT_DOUBLE_EQ(m.e, 478012.5);
  EXPECT_DOUBLE_EQ(m.n, 619197.0);
  punkt_planu p = g.na_plan({478100.0, 619300.0});
  EXPECT_DOUBLE_EQ(p.x, 100.0);
  EXPECT_DOUBLE_EQ(p.y, 100.0);
}

TEST(Georeferencja, DlugoscISzerokoscNaUkladKrajowy) {
  auto w = przeliczenie_crs::utworz("EPSG:4326", CRS_DOMYSLNY);
  ASSERT_TRUE(std::holds_alternative<przeliczenie_crs>(w)) << std::get<std::string>(w);
  auto& z = std::get<przeliczenie_crs>(w);
  // The grid's central meridian is 19° E with a false easting of 500 km; longitude comes first.
  auto na_poludniku = z.przelicz(19.0, 54.0);
  ASSERT_TRUE(na_poludniku);
  EXPECT_NEAR(na_poludniku->e, 500000.0, 1e-3);
  auto wschodniej = z.przelicz(19.4, 54.16);
  ASSERT_TRUE(wschodniej);
  EXPECT_GT(wschodniej->e, 520000.0);
  EXPECT_GT(wschodniej->n, na_poludniku->n + 17000.0);
  EXPECT_FALSE(z.przelicz(std::nan(""), 54.0));
}

TEST(Georeferencja, NieznanyUkladOdrzuconyZPowodem) {
  EXPECT_FALSE(blad_crs("EPSG:2180"));
  ASSERT_TRUE(blad_crs("EPSG:999999"));
  auto w = przeliczenie_crs::utworz("EPSG:999999", CRS_DOMYSLNY);
  ASSERT_TRUE(std::holds_alternative<std::string>(w));
  EXPECT_NE(std::get<std::string>(w).find("EPSG:999999"), std::string::npos);
}
