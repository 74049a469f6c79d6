// Pictures through GDAL: pixels reduced to a limit, and placement by their georeference.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "mapy/raster_obrazka.h"
#include "rastry_testowe.h"
#include "support/katalog_tymczasowy.h"

namespace {

constexpr std::array<std::uint8_t, 3> CZERWONY{230, 20, 20};

// The picture's corners on the plan as it is drawn: rectangle (x1, y1)–(x2, y2) turned about
// its centre. Bottom left, bottom right, top right, top left of the image.
std::array<punkt_planu, 4> narozniki(const polozenie_obrazka& p) {
  const double cx = (p.x1 + p.x2) / 2, cy = (p.y1 + p.y2) / 2;
  const double a = p.rotacja * std::numbers::pi / 180;
  std::array<punkt_planu, 4> n;
  const std::array<std::array<double, 2>, 4> r{{{p.x1, p.y1}, {p.x2, p.y1}, {p.x2, p.y2}, {p.x1, p.y2}}};
  for (std::size_t i = 0; i < 4; ++i) {
    const double dx = r[i][0] - cx, dy = r[i][1] - cy;
    n[i] = {cx + dx * std::cos(a) - dy * std::sin(a), cy + dx * std::sin(a) + dy * std::cos(a)};
  }
  return n;
}

// Where the geotransform puts the image's corners, on a plan of origin (4780, 6190).
std::array<punkt_planu, 4> z_transformacji(const std::array<double, 6>& gt, double szer, double wys) {
  const std::array<std::array<double, 2>, 4> k{{{0, wys}, {szer, wys}, {szer, 0}, {0, 0}}};
  std::array<punkt_planu, 4> n;
  for (std::size_t i = 0; i < 4; ++i)
    n[i] = {gt[0] + k[i][0] * gt[1] + k[i][1] * gt[2] - 478000, gt[3] + k[i][0] * gt[4] + k[i][1] * gt[5] - 619000};
  return n;
}

void blisko(const std::array<punkt_planu, 4>& a, const std::array<punkt_planu, 4>& b, double tolerancja) {
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(a[i].x, b[i].x, tolerancja) << "narożnik " << i;
    EXPECT_NEAR(a[i].y, b[i].y, tolerancja) << "narożnik " << i;
  }
}

const georeferencja PLAN{4780, 6190, "EPSG:2180"};

}  // namespace

TEST(raster_obrazka, PlikWorldProstyIObroconyKladzieNarozniki) {
  katalog_tymczasowy k;
  opis_rastra o;
  o.sterownik = "PNG";
  o.szerokosc = 300, o.wysokosc = 200;
  o.ma_transformacje = false;
  zapisz_raster(k.plik("prosty.png"), o);
  const std::array<double, 6> prosty{478050, 0.5, 0, 619250, 0, -0.5};
  zapisz_plik_world(k.plik("prosty.pgw"), prosty);
  zapisz_raster(k.plik("obrocony.png"), o);
  // 30° counter-clockwise, 0.4 m a pixel.
  const double c = 0.4 * std::cos(std::numbers::pi / 6), s = 0.4 * std::sin(std::numbers::pi / 6);
  const std::array<double, 6> obrocony{478100, c, s, 619100, s, -c};
  zapisz_plik_world(k.plik("obrocony.pgw"), obrocony);
  // Mirrored: north at the image's bottom.
  zapisz_raster(k.plik("odbity.png"), o);
  const std::array<double, 6> odbity{478050, 0.5, 0, 619150, 0, 0.5};
  zapisz_plik_world(k.plik("odbity.pgw"), odbity);

  for (auto [nazwa, gt] : {std::pair{"prosty.png", prosty}, std::pair{"obrocony.png", obrocony},
                           std::pair{"odbity.png", odbity}}) {
    SCOPED_TRACE(nazwa);
    const std::optional<polozenie_obrazka> p = polozenie_rastra(k.plik(nazwa), PLAN);
    ASSERT_TRUE(p);
    blisko(narozniki(*p), z_transformacji(gt, 300, 200), 0.1);
  }
  EXPECT_NEAR(polozenie_rastra(k.plik("obrocony.png"), PLAN)->rotacja, 30, 1e-9);
}

TEST(raster_obrazka, GeoTiffWStopniachTrafiaNaPlanPoPrzeliczeniu) {
  auto p = przeliczenie_crs::utworz("EPSG:2180", "EPSG:4326");
  ASSERT_TRUE(std::holds_alternative<przeliczenie_crs>(p));
  const przeliczenie_crs& na_stopnie = std::get<przeliczenie_crs>(p);
  const punkt_mapy sw = *na_stopnie.przelicz(478100, 619100), ne = *na_stopnie.przelicz(478200, 619200);
  katalog_tymczasowy k;
  opis_rastra o;
  o.transformacja = {sw.e, (ne.e - sw.e) / 200, 0, ne.n, 0, -(ne.n - sw.n) / 200};
  o.crs = "EPSG:4326";
  zapisz_raster(k.plik("stopnie.tif"), o);
  const std::optional<polozenie_obrazka> pol = polozenie_rastra(k.plik("stopnie.tif"), PLAN);
  ASSERT_TRUE(pol);
  // The corners of a 100 m square, as PROJ converts them back.
  auto z = std::get<przeliczenie_crs>(przeliczenie_crs::utworz("EPSG:4326", "EPSG:2180"));
  std::array<punkt_planu, 4> oczekiwane;
  const std::array<std::array<double, 2>, 4> st{{{sw.e, sw.n}, {ne.e, sw.n}, {ne.e, ne.n}, {sw.e, ne.n}}};
  for (std::size_t i = 0; i < 4; ++i) oczekiwane[i] = PLAN.na_plan(*z.przelicz(st[i][0], st[i][1]));
  blisko(narozniki(*pol), oczekiwane, 0.1);
}

TEST(raster_obrazka, BezGeoreferencjiNieMaPolozenia) {
  katalog_tymczasowy k;
  opis_rastra o;
  o.sterownik = "PNG";
  o.ma_transformacje = false;
  zapisz_raster(k.plik("zwykly.png"), o);
  EXPECT_FALSE(polozenie_rastra(k.plik("zwykly.png"), PLAN));
  EXPECT_FALSE(polozenie_rastra(k.plik("brak.png"), PLAN));
}

TEST(raster_obrazka, DuzyRasterJestZmniejszanyDoLimituDolnymWierszemNajpierw) {
  katalog_tymczasowy k;
  opis_rastra o;
  o.sterownik = "PNG";
  o.szerokosc = 400, o.wysokosc = 200;
  o.ma_transformacje = false;
  // Red across the top rows.
  for (int x = 10; x < 400; x += 20) o.plamki.push_back({x + 0.0, 10, CZERWONY, 20});
  zapisz_raster(k.plik("duzy.png"), o);
  const std::optional<obraz> obr = wczytaj_raster(k.plik("duzy.png"), 100);
  ASSERT_TRUE(obr);
  EXPECT_EQ(obr->szerokosc, 100);
  EXPECT_EQ(obr->wysokosc, 50);
  const auto rgb = [&](int x, int wiersz_od_dolu) {
    const std::size_t i = (static_cast<std::size_t>(wiersz_od_dolu) * obr->szerokosc + x) * 3;
    return std::array<std::uint8_t, 3>{obr->piksele[i], obr->piksele[i + 1], obr->piksele[i + 2]};
  };
  EXPECT_EQ(rgb(50, 49), CZERWONY);
  EXPECT_EQ(rgb(50, 0), TLO);
  EXPECT_EQ(wczytaj_raster(k.plik("duzy.png"), 0)->szerokosc, 400);
  EXPECT_FALSE(wczytaj_raster(k.plik("brak.png"), 100));
}
