// Real maps in the window: an orthophoto imported from the orthophoto panel (in the background,
// cancellable), the plan's coordinate system, and georeferenced pictures from "Dodaj z pliku".
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <optional>
#include <set>

#include "imagery/satki.h"
#include "mapy/rastry_testowe.h"
#include "support/katalog_tymczasowy.h"
#include "support/log_tymczasowy.h"
#include "support/rejestrator_komunikatow.h"
#include "ui/dialogi.h"
#include "ui/import_ortofotomapy.h"
#include "ui/obrazy_okna.h"
#include "ui/obrazy_planu.h"
#include "ui/okno_glowne.h"
#include "ui/panel_satek.h"
#include "ui/panel_zdjec.h"
#include "ui/polecenia_obrazow.h"
#include "ui/ustawienia.h"
#include "ui/widok_planu.h"

namespace fs = std::filesystem;

namespace {

// The tiling runs below the GUI's priority: on a loaded machine under the sanitizers it takes
// tens of seconds.
constexpr int CZAS_IMPORTU_MS = 180000;

// 200 m × 200 m at 0.5 m a pixel, north-west corner (478050, 619250): tiles 4780 … 4782 by
// 6190 … 6192.
opis_rastra miasto() {
  opis_rastra o;
  o.szerokosc = o.wysokosc = 400;
  o.transformacja = {478050, 0.5, 0, 619250, 0, -0.5};
  o.crs = "EPSG:2180";
  o.plamki = {{140, 140, {230, 20, 20}, 40}};
  return o;
}

// The editor installed in a folder of the test's own: tiles go into its sat/.
struct okno_w_folderze {
  katalog_tymczasowy program;
  log_tymczasowy log;
  dokument dok;
  stan_edytora edytor;
  std::unique_ptr<okno_glowne> okno;
  std::optional<rejestrator_komunikatow> komunikaty;  // after the window's own receiver
  std::string plik;

  okno_w_folderze() {
    fs::create_directories(program.plik("data"));
    okno = std::make_unique<okno_glowne>(dok, edytor, program.plik("data"));
    komunikaty.emplace();
    okno->pytania().otworz_plik = [this](QWidget*, const QString&, const QString&) { return plik; };
    okno->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(okno.get()));
  }
  import_ortofotomapy& import_mapy() { return okno->polecenia_obrazow_okna().import_mapy(); }
  std::set<std::string> satki() {
    std::set<std::string> s;
    std::error_code blad;
    for (const auto& p : fs::directory_iterator(program.plik("sat"), blad)) s.insert(p.path().filename().string());
    return s;
  }
};

}  // namespace

TEST(ImportOrtofotomapy, TnieWTleIPokazujeMiastoZNowymPoczatkiem) {
  okno_w_folderze t;
  zapisz_raster(t.program.plik("miasto.tif"), miasto());
  t.plik = t.program.plik("miasto.tif");
  panel_satek* p = t.okno->satek();
  EXPECT_FALSE(p->ortofotomapa->isChecked());
  p->importuj->click();
  EXPECT_TRUE(t.import_mapy().trwa());
  EXPECT_TRUE(t.import_mapy().dialog_postepu()->isVisible());
  QTRY_VERIFY_WITH_TIMEOUT(!t.import_mapy().trwa(), CZAS_IMPORTU_MS);
  EXPECT_FALSE(t.import_mapy().dialog_postepu()->isVisible());

  EXPECT_EQ(t.satki().size(), 9u);
  EXPECT_TRUE(t.satki().count(fs::path(nazwa_satki(4781, 6191)).filename().string()));
  EXPECT_TRUE(fs::exists(t.program.plik("sat_coords/miasto.cor")));
  // The .cor loaded: the origin in the boxes and in the grid, the camera on the town, tiles shown.
  EXPECT_EQ(p->pole_x->text(), "4780");
  EXPECT_EQ(p->pole_y->text(), "6190");
  EXPECT_EQ(t.okno->obrazy().satki_mapy().kolumna_poczatku(), 4780);
  EXPECT_DOUBLE_EQ(t.edytor.kamera.przes_x, -150);
  EXPECT_TRUE(p->ortofotomapa->isChecked());
  // The grid reads the new tiles.
  t.okno->plan()->update();
  QTest::qWait(50);
  for (int i = 0; i < 200 && t.okno->obrazy().laduje(); ++i) QTest::qWait(25);
  EXPECT_EQ(t.okno->obrazy().satki_mapy().liczba_tekstur(), 9u);
}

TEST(ImportOrtofotomapy, PrzerwanyZostawiaCaleSatkiINieRuszaSiatki) {
  okno_w_folderze t;
  zapisz_raster(t.program.plik("miasto.tif"), miasto());
  t.plik = t.program.plik("miasto.tif");
  const std::int32_t kolumna = t.okno->obrazy().satki_mapy().kolumna_poczatku();
  t.okno->satek()->importuj->click();
  QPushButton* przerwij = t.import_mapy().dialog_postepu()->findChild<QPushButton*>();
  ASSERT_NE(przerwij, nullptr);
  QTest::mouseClick(przerwij, Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(!t.import_mapy().trwa(), CZAS_IMPORTU_MS);
  const std::set<std::string> satki = t.satki();
  EXPECT_LT(satki.size(), 9u);
  for (const std::string& s : satki) EXPECT_EQ(rozmiar(t.program.plik("sat/" + s)), (std::array<int, 2>{512, 512})) << s;
  EXPECT_FALSE(fs::exists(t.program.plik("sat_coords")));
  EXPECT_EQ(t.okno->obrazy().satki_mapy().kolumna_poczatku(), kolumna);
  EXPECT_FALSE(t.okno->satek()->ortofotomapa->isChecked());

  // A raster without a georeference: refused by name, nothing written.
  opis_rastra bez = miasto();
  bez.sterownik = "PNG";
  bez.ma_transformacje = false;
  bez.crs.clear();
  zapisz_raster(t.program.plik("bez.png"), bez);
  t.plik = t.program.plik("bez.png");
  t.okno->satek()->importuj->click();
  QTRY_VERIFY_WITH_TIMEOUT(!t.import_mapy().trwa(), CZAS_IMPORTU_MS);
  ASSERT_FALSE(t.komunikaty->teksty.empty());
  EXPECT_NE(t.komunikaty->teksty.back().find("bez.png"), std::string::npos);
  EXPECT_EQ(t.satki(), satki);
}

TEST(ImportOrtofotomapy, UkladPlanuUstawianyWPaneluPrzyjmujeTylkoZnane) {
  okno_obrazow t;
  QLineEdit* pole = t.okno.satek()->pole_crs;
  EXPECT_EQ(pole->text(), crs_planu());
  pole->setText("EPSG:4326");
  emit pole->editingFinished();
  EXPECT_EQ(crs_planu(), "EPSG:4326");
  pole->setText("EPSG:999999");
  emit pole->editingFinished();
  EXPECT_EQ(crs_planu(), "EPSG:4326");
  EXPECT_EQ(pole->text(), "EPSG:4326");
  ASSERT_FALSE(t.komunikaty.teksty.empty());
  EXPECT_NE(t.komunikaty.teksty.back().find("EPSG:999999"), std::string::npos);
  ustaw_crs_planu(CRS_DOMYSLNY);
}

TEST(ZdjeciaZMapy, DodajZPlikuKladzieZdjecieZGeoreferencjaNaMiejscu) {
  okno_obrazow t;
  katalog_tymczasowy k;
  opis_rastra o;
  o.sterownik = "PNG";
  o.ma_transformacje = false;
  zapisz_raster(k.plik("plan.png"), o);
  // 100 m from (478050, 619250), with the grid's origin at (4780, 6192): plan (50, 50) to (150, 150).
  zapisz_plik_world(k.plik("plan.pgw"), {478050, 0.5, 0, 619350, 0, -0.5});
  zapisz_raster(k.plik("zwykly.png"), o);
  ASSERT_EQ(t.obrazy().satki_mapy().wiersz_poczatku(), 6192);

  t.pliki = {k.plik("plan.png"), k.plik("zwykly.png")};
  QTest::mouseClick(t.okno.zdjec()->dodaj_z_pliku, Qt::LeftButton);
  obrazek z_mapy = t.obrazy().zdjecia().obrazki().at(0);
  EXPECT_NEAR(z_mapy.x1, 50, 0.1);
  EXPECT_NEAR(z_mapy.y1, 50, 0.1);
  EXPECT_NEAR(z_mapy.x2, 150, 0.1);
  EXPECT_NEAR(z_mapy.y2, 150, 0.1);
  EXPECT_NE(z_mapy.tekstura, 0u);  // PNG through GDAL

  // Without a georeference: over the middle of the view, as before.
  QTest::mouseClick(t.okno.zdjec()->dodaj_z_pliku, Qt::LeftButton);
  const obrazek& zwykly = t.obrazy().zdjecia().obrazki().at(0);
  EXPECT_DOUBLE_EQ(zwykly.x1, -0.8 / t.edytor.kamera.skala - t.edytor.kamera.przes_x);
  EXPECT_DOUBLE_EQ(zwykly.y2, 0.8 / t.edytor.kamera.skala - t.edytor.kamera.przes_y);
}
