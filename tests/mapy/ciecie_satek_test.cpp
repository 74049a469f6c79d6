// Orthophotos cut into tiles: names, where known map points land, merging, the .cor, and what
// an interrupted or refused run leaves.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "cli/uruchom_cli.h"
#include "geo/georeferencja.h"
#include "imagery/plik_cor.h"
#include "imagery/satki.h"
#include "mapy/ciecie_satek.h"
#include "rastry_testowe.h"
#include "support/katalog_tymczasowy.h"

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::uint8_t, 3> CZERWONY{230, 20, 20};
constexpr std::array<std::uint8_t, 3> ZIELONY{20, 210, 40};
constexpr std::array<std::uint8_t, 3> NIEBIESKI{30, 40, 220};

// 200 m × 200 m at 0.5 m a pixel, its north-west corner at (478050, 619250) of EPSG:2180:
// tiles 4780 … 4782 by 6190 … 6192.
constexpr double E0 = 478050, N0 = 619250, PIKSEL = 0.5;
// A red square inside tile (4781, 6191) and a green one across its seam with (4782, 6191).
constexpr double E_CZERWONY = 478120.5, N_CZERWONY = 619180.5;
constexpr double E_ZIELONY = 478200, N_ZIELONY = 619130.5;
// A blue one in the northern row of tiles, (4781, 6192).
constexpr double E_NIEBIESKI = 478160.5, N_NIEBIESKI = 619230.5;

opis_rastra raster_2180() {
  opis_rastra o;
  o.szerokosc = o.wysokosc = 400;
  o.transformacja = {E0, PIKSEL, 0, N0, 0, -PIKSEL};
  o.crs = "EPSG:2180";
  // 10 m squares: JPEG keeps colour at half the resolution.
  o.plamki = {{(E_CZERWONY - E0) / PIKSEL, (N0 - N_CZERWONY) / PIKSEL, CZERWONY, 21},
              {(E_ZIELONY - E0) / PIKSEL, (N0 - N_ZIELONY) / PIKSEL, ZIELONY, 21},
              {(E_NIEBIESKI - E0) / PIKSEL, (N0 - N_NIEBIESKI) / PIKSEL, NIEBIESKI, 21}};
  return o;
}

// Tile size 100 px: a tile pixel is a metre.
ustawienia_ciecia po_metrze() {
  ustawienia_ciecia u;
  u.px = 100;
  return u;
}

std::set<std::string> pliki_w(const fs::path& folder) {
  std::set<std::string> nazwy;
  std::error_code blad;
  for (const auto& p : fs::directory_iterator(folder, blad)) nazwy.insert(p.path().filename().string());
  return nazwy;
}

std::string satka(const katalog_tymczasowy& k, int c, int r) { return k.plik(nazwa_satki(c, r)); }

void w_pikselu(const std::array<int, 4>& jest, const std::array<int, 4>& ma_byc) {
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(jest[i], ma_byc[i], 1) << "krawędź " << i;
}

// The red, green and blue squares where the map puts them, for any source of the same area, to
// a pixel (a metre): the red one from 15.25 to 25.75 m of its tile across and 14.25 to 24.75
// down; the green one across the seam, 5.25 m on either side of it.
void sprawdz_plamki(const katalog_tymczasowy& wyj, int tolerancja) {
  w_pikselu(zasieg_koloru(satka(wyj, 4781, 6191), CZERWONY, tolerancja), {15, 14, 25, 24});
  w_pikselu(zasieg_koloru(satka(wyj, 4781, 6191), ZIELONY, tolerancja), {95, 64, 99, 74});
  w_pikselu(zasieg_koloru(satka(wyj, 4782, 6191), ZIELONY, tolerancja), {0, 64, 4, 74});
  w_pikselu(zasieg_koloru(satka(wyj, 4781, 6192), NIEBIESKI, tolerancja), {55, 64, 65, 74});
}

}  // namespace

TEST(ciecie_satek, GeoTiffWUkladziePlanuDajeNazwaneSatkiZPlamkamiNaMiejscuICor) {
  katalog_tymczasowy we, wyj;
  zapisz_raster(we.plik("miasto.tif"), raster_2180());
  const wynik_ciecia w = tnij_na_satki({we.plik("miasto.tif")}, wyj.plik(""), po_metrze());
  ASSERT_EQ(w.koniec, koniec_ciecia::zrobione) << w.komunikat;

  std::set<std::string> oczekiwane;
  for (int c = 4780; c <= 4782; ++c)
    for (int r = 6190; r <= 6192; ++r) oczekiwane.insert(fs::path(nazwa_satki(c, r)).filename().string());
  EXPECT_EQ(pliki_w(wyj.plik("sat")), oczekiwane);
  EXPECT_EQ(w.zapisane, 9u);
  EXPECT_EQ(rozmiar(satka(wyj, 4780, 6190)), (std::array<int, 2>{100, 100}));
  sprawdz_plamki(wyj, 60);

  // Origin at the south-west tile, the camera on the middle of the 300 m written.
  EXPECT_EQ(w.plik_cor, wyj.plik("sat_coords/miasto.cor"));
  const std::optional<wspolrzedne_satek> cor = wczytaj_cor_po_cichu(w.plik_cor);
  ASSERT_TRUE(cor);
  EXPECT_EQ(cor->kolumna, 4780);
  EXPECT_EQ(cor->wiersz, 6190);
  EXPECT_DOUBLE_EQ(cor->przes_x, -150);
  EXPECT_DOUBLE_EQ(cor->przes_y, -150);
  EXPECT_DOUBLE_EQ(cor->skala, 2.0 / 300);
}

TEST(ciecie_satek, RasterWStopniachJestPrzeliczanyNaSiatkePlanu) {
  auto p = przeliczenie_crs::utworz("EPSG:2180", "EPSG:4326");
  ASSERT_TRUE(std::holds_alternative<przeliczenie_crs>(p));
  const przeliczenie_crs& na_stopnie = std::get<przeliczenie_crs>(p);
  const punkt_mapy sw = *na_stopnie.przelicz(E0 - 20, N0 - 220), ne = *na_stopnie.przelicz(E0 + 220, N0 + 20);
  opis_rastra o;
  o.szerokosc = o.wysokosc = 480;
  const double dl = (ne.e - sw.e) / o.szerokosc, dfi = (ne.n - sw.n) / o.wysokosc;
  o.transformacja = {sw.e, dl, 0, ne.n, 0, -dfi};
  o.crs = "EPSG:4326";
  for (auto [e, n, kolor] : {std::tuple{E_CZERWONY, N_CZERWONY, CZERWONY}, std::tuple{E_ZIELONY, N_ZIELONY, ZIELONY},
                             std::tuple{E_NIEBIESKI, N_NIEBIESKI, NIEBIESKI}}) {
    const punkt_mapy g = *na_stopnie.przelicz(e, n);
    o.plamki.push_back({(g.e - sw.e) / dl, (ne.n - g.n) / dfi, kolor, 21});
  }
  katalog_tymczasowy we, wyj;
  zapisz_raster(we.plik("stopnie.tif"), o);
  const wynik_ciecia w = tnij_na_satki({we.plik("stopnie.tif")}, wyj.plik(""), po_metrze());
  ASSERT_EQ(w.koniec, koniec_ciecia::zrobione) << w.komunikat;
  sprawdz_plamki(wyj, 60);
}

TEST(ciecie_satek, JpegZPlikiemWorldBezUkladuJestWUkladziePlanu) {
  katalog_tymczasowy we, wyj;
  opis_rastra o = raster_2180();
  o.sterownik = "JPEG";
  o.crs.clear();
  o.ma_transformacje = false;
  zapisz_raster(we.plik("zdjecie.jpg"), o);
  zapisz_plik_world(we.plik("zdjecie.jgw"), o.transformacja);
  const wynik_ciecia w = tnij_na_satki({we.plik("zdjecie.jpg")}, wyj.plik(""), po_metrze());
  ASSERT_EQ(w.koniec, koniec_ciecia::zrobione) << w.komunikat;
  EXPECT_EQ(w.zapisane, 9u);
  sprawdz_plamki(wyj, 60);
}

TEST(ciecie_satek, SatkaDwochRastrowMaObaINieTraciTegoCoJuzBylo) {
  katalog_tymczasowy we, wyj;
  // The west and the east half of tile (4781, 6191), red and blue, in two rasters.
  for (auto [nazwa, e, kolor] : {std::tuple{"zachod.tif", 478100.0, CZERWONY}, std::tuple{"wschod.tif", 478150.0, NIEBIESKI}}) {
    opis_rastra o;
    o.szerokosc = 100, o.wysokosc = 200;
    o.transformacja = {e, PIKSEL, 0, 619200, 0, -PIKSEL};
    o.crs = "EPSG:2180";
    o.tlo = kolor;
    zapisz_raster(we.plik(nazwa), o);
  }
  ASSERT_EQ(tnij_na_satki({we.plik("zachod.tif"), we.plik("wschod.tif")}, wyj.plik(""), po_metrze()).koniec,
            koniec_ciecia::zrobione);
  EXPECT_EQ(pliki_w(wyj.plik("sat")), (std::set<std::string>{"47816191.jpg"}));
  EXPECT_TRUE(kolor_w_poblizu(satka(wyj, 4781, 6191), 25, 50, CZERWONY, 30));
  EXPECT_TRUE(kolor_w_poblizu(satka(wyj, 4781, 6191), 75, 50, NIEBIESKI, 30));

  // A later run over the north half keeps the south half of what is there.
  opis_rastra polnoc;
  polnoc.szerokosc = 200, polnoc.wysokosc = 100;
  polnoc.transformacja = {478100, PIKSEL, 0, 619200, 0, -PIKSEL};
  polnoc.crs = "EPSG:2180";
  polnoc.tlo = ZIELONY;
  zapisz_raster(we.plik("polnoc.tif"), polnoc);
  ASSERT_EQ(tnij_na_satki({we.plik("polnoc.tif")}, wyj.plik(""), po_metrze()).koniec, koniec_ciecia::zrobione);
  EXPECT_TRUE(kolor_w_poblizu(satka(wyj, 4781, 6191), 25, 25, ZIELONY, 30));
  EXPECT_TRUE(kolor_w_poblizu(satka(wyj, 4781, 6191), 25, 75, CZERWONY, 30));
  EXPECT_TRUE(kolor_w_poblizu(satka(wyj, 4781, 6191), 75, 75, NIEBIESKI, 30));
}

TEST(ciecie_satek, PrzerwaneZostawiaTylkoCaleSatkiIBezCor) {
  katalog_tymczasowy we, wyj;
  zapisz_raster(we.plik("miasto.tif"), raster_2180());
  const wynik_ciecia w = tnij_na_satki({we.plik("miasto.tif")}, wyj.plik(""), po_metrze(),
                                       [](const postep_ciecia& p) { return p.zapisane < 3; });
  EXPECT_EQ(w.koniec, koniec_ciecia::przerwane);
  const std::set<std::string> pliki = pliki_w(wyj.plik("sat"));
  EXPECT_EQ(pliki.size(), 3u);
  for (const std::string& p : pliki) {
    EXPECT_EQ(fs::path(p).extension(), ".jpg");
    EXPECT_EQ(rozmiar(wyj.plik("sat/" + p)), (std::array<int, 2>{100, 100})) << p;
  }
  EXPECT_FALSE(fs::exists(wyj.plik("sat_coords")));
}

TEST_F(test_cli, TilesOdmawiaZNazwaPlikuINicNieZapisuje) {
  zapisz_raster(pliki.plik("dobry.tif"), raster_2180());
  opis_rastra bez = raster_2180();
  bez.sterownik = "PNG";
  bez.ma_transformacje = false;
  bez.crs.clear();
  zapisz_raster(pliki.plik("bez.png"), bez);
  {
    std::ofstream(pliki.plik("zepsuty.tif")) << "to nie jest raster";
  }
  struct przypadek {
    std::vector<std::string> argumenty;
    int kod;
    std::string w_komunikacie;
  };
  const std::string wyj = pliki.plik("wyjscie");
  for (const przypadek& p : {przypadek{{pliki.plik("dobry.tif"), pliki.plik("bez.png")}, 1, "bez.png: raster bez georeferencji"},
                             przypadek{{pliki.plik("zepsuty.tif"), pliki.plik("dobry.tif")}, 2, "zepsuty.tif"},
                             przypadek{{pliki.plik("dobry.tif"), "--crs", "EPSG:999999"}, 1, "EPSG:999999"}}) {
    std::vector<std::string> a{"tiles", "--out", wyj, "--quiet"};
    a.insert(a.end(), p.argumenty.begin(), p.argumenty.end());
    const wynik_cli w = uruchom(a);
    EXPECT_EQ(w.kod, p.kod) << p.w_komunikacie;
    EXPECT_NE(w.bledy.find(p.w_komunikacie), std::string::npos) << w.bledy;
    EXPECT_FALSE(fs::exists(wyj + "/sat")) << p.w_komunikacie;
  }

  const wynik_cli w = uruchom({"tiles", pliki.plik("dobry.tif"), "--out", wyj, "--px", "64"});
  EXPECT_EQ(w.kod, 0) << w.bledy;
  EXPECT_NE(w.bledy.find("100%"), std::string::npos) << w.bledy;
  EXPECT_EQ(pliki_w(wyj + "/sat").size(), 9u);
  EXPECT_EQ(rozmiar(wyj + "/" + nazwa_satki(4781, 6191)), (std::array<int, 2>{64, 64}));
  EXPECT_TRUE(fs::exists(wyj + "/sat_coords/dobry.cor"));
}
