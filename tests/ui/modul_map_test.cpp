// The map libraries as the module the editor loads on first use: found, refused with its reason,
// and an editor without it that says why and leaves everything as it was.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <fstream>

#include "imagery/obrazki.h"
#include "mapy/uslugi_map.h"
#include "support/katalog_tymczasowy.h"
#include "ui/import_ortofotomapy.h"
#include "ui/menu_glowne.h"
#include "ui/modul_map.h"
#include "ui/obrazy_planu.h"
#include "ui/okno_testowe.h"
#include "ui/panel_satek.h"
#include "ui/panel_zdjec.h"
#include "ui/polecenia_obrazow.h"
#include "ui/ustawienia.h"
#include "ui/zdjecia_z_mapy.h"

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
bool zawiera(const std::string& tekst, const std::string& co) { return tekst.find(co) != std::string::npos; }
}  // namespace

TEST(ModulMap, WczytujePierwszyKtorySieDaAInneOdrzucaZPowodem) {
  katalog_tymczasowy k;
  std::ofstream(k.plik("tekst.so")) << "to nie jest biblioteka";
  std::string powod;
  EXPECT_EQ(wczytaj_modul_map({q(k.plik("brak.so"))}, powod), nullptr);
  EXPECT_TRUE(zawiera(powod, "brak.so")) << powod;
  powod.clear();
  EXPECT_EQ(wczytaj_modul_map({q(k.plik("tekst.so"))}, powod), nullptr);
  EXPECT_TRUE(zawiera(powod, "tekst.so")) << powod;
  // A library that is not the module.
  powod.clear();
  EXPECT_EQ(wczytaj_modul_map({VIALTOR_INNA_BIBLIOTEKA}, powod), nullptr);
  EXPECT_TRUE(zawiera(powod, WEJSCIE_MODULU_MAP)) << powod;

  // The first place that loads, past those that do not.
  powod.clear();
  const uslugi_map* mapy =
      wczytaj_modul_map({q(k.plik("brak.so")), q(k.plik("tekst.so")), VIALTOR_MODUL_MAP}, powod);
  ASSERT_NE(mapy, nullptr) << powod;
  EXPECT_FALSE(mapy->blad_crs("EPSG:2180"));
  EXPECT_TRUE(mapy->blad_crs("EPSG:999999"));
}

TEST(ModulMap, BezModuluMapyMowiaDlaczegoINicNieRobia) {
  katalog_tymczasowy k;
  const std::string brak = k.plik("libvialtor_mapy_modul.so");
  ASSERT_EQ(setenv("VIALTOR_MODUL_MAP", brak.c_str(), 1), 0);
  EXPECT_EQ(miejsca_modulu_map(), QStringList{q(brak)});
  okno_testowe t;
  t.pliki = {k.plik("obraz.png"), k.plik("miasto.tif"), k.plik("tory.osm")};
  const auto ostatni_mowi_dlaczego = [&] {
    ASSERT_FALSE(t.komunikaty.teksty.empty());
    const std::string& tekst = t.komunikaty.teksty.back();
    EXPECT_TRUE(zawiera(tekst, "modułu map")) << tekst;
    EXPECT_TRUE(zawiera(tekst, brak)) << tekst;
  };

  const std::size_t zdjecia = t.okno.obrazy().zdjecia().obrazki().size();
  QTest::mouseClick(t.okno.zdjec()->dodaj_z_pliku, Qt::LeftButton);
  ostatni_mowi_dlaczego();
  EXPECT_EQ(t.okno.obrazy().zdjecia().obrazki().size(), zdjecia);

  t.okno.satek()->importuj->click();
  ostatni_mowi_dlaczego();
  EXPECT_FALSE(t.okno.polecenia_obrazow_okna().import_mapy().trwa());

  t.okno.menu().importuj_osm->trigger();
  ostatni_mowi_dlaczego();

  // No file dialog was opened for any of them.
  EXPECT_TRUE(t.wzory.isEmpty()) << t.wzory.join(", ").toStdString();
  EXPECT_EQ(t.komunikaty.teksty.size(), 3u);

  // A picture GDAL would read gets no texture, and the reason.
  std::string powod;
  unsigned tekstura = 1;
  t.okno.obrazy().z_kontekstem([&] { tekstura = laduj_teksture_zdjecia(k.plik("obraz.png"), &powod); });
  EXPECT_EQ(tekstura, 0u);
  EXPECT_TRUE(zawiera(powod, brak)) << powod;

  // The plan's system stays as it was, the box shows it again.
  const QString crs = crs_planu();
  QLineEdit* pole = t.okno.satek()->pole_crs;
  pole->setText("EPSG:4326");
  emit pole->editingFinished();
  ostatni_mowi_dlaczego();
  EXPECT_EQ(crs_planu(), crs);
  EXPECT_EQ(pole->text(), crs);
  unsetenv("VIALTOR_MODUL_MAP");
}
