#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <fstream>
#include <gtest/gtest.h>

#include "osm/generator_osm.h"
#include "support/katalog_tymczasowy.h"
#include "ui/import_osm_edytora.h"
#include "ui/obrazy_planu.h"
#include "ui/okno_testowe.h"
#include "ui/stos_cofania.h"

namespace {

// A Y junction at plan (300, 300) of the tile grid's origin the window holds.
std::string zapisz_rozgalezienie(const okno_testowe& t, const katalog_tymczasowy& k) {
  const magazyn_satek& s = t.okno.obrazy().satki_mapy();
  generator_osm g({s.kolumna_poczatku(), s.wiersz_poczatku(), CRS_DOMYSLNY});
  std::vector<std::int64_t> a, b, c;
  for (wektor p : prosta({300, 100}, {300, 300}, 10)) a.push_back(g.wezel(p));
  b.push_back(a.back());
  c.push_back(a.back());
  for (wektor p : prosta({300, 310}, {300, 500}, 10)) b.push_back(g.wezel(p));
  const auto galaz = luk({300, 300}, 0, 50, 30, 5);
  for (std::size_t i = 1; i < galaz.size(); ++i) c.push_back(g.wezel(galaz[i]));
  for (const auto* w : {&a, &b, &c}) g.droga_wezlow(*w, TRAMWAJ);
  const std::string plik = k.plik("miasto.osm.pbf");
  g.zapisz(plik);
  return plik;
}

}  // namespace

TEST(ImportOsmOkna, ImportZastepujeUkladKadrujeIPokazujeRozjazdy) {
  katalog_tymczasowy k;
  okno_testowe t;
  zbuduj_luk(t.dok.tor);
  t.okno.po_edycji();
  ASSERT_TRUE(t.okno.menu().cofnij->isEnabled());
  const std::string plik = zapisz_rozgalezienie(t, k);

  // Unsaved changes: "Nie" keeps them and opens no dialog.
  t.pliki = {plik};
  t.okno.menu().importuj_osm->trigger();
  EXPECT_EQ(t.pytania, 1);
  EXPECT_EQ(t.dok.tor.pmax(), 3);

  t.odpowiedz = true;
  t.okno.menu().importuj_osm->trigger();
  EXPECT_EQ(t.wzory.back().toStdString(), "*.osm *.osm.pbf *.pbf *.osm.bz2");
  // The through route two straights; the branch a straight into its arc and one out of it.
  ASSERT_EQ(t.dok.tor.lmax(), 4);
  EXPECT_TRUE(t.dok.tor.sprawdz_geometrie());
  EXPECT_TRUE(t.dok.zmieniony());
  EXPECT_FALSE(t.okno.menu().cofnij->isEnabled()) << "an import starts a new history";
  // Framed on the track, 100 ... 500 north of the origin.
  EXPECT_NEAR(t.edytor.kamera.przes_y, -300, 1.0);
  EXPECT_NE(t.log.tresc().find("rozjazd do wstawienia: 300.0 300.0"), std::string::npos);

  okno_raportu_osm* raport = t.okno.import_osm().raport();
  ASSERT_NE(raport, nullptr);
  EXPECT_TRUE(raport->isVisible());
  ASSERT_EQ(raport->rozjazdy->count(), 1);
  t.edytor.kamera.przes_x = t.edytor.kamera.przes_y = 0;
  QTest::mouseClick(raport->pokaz, Qt::LeftButton);
  EXPECT_NEAR(t.edytor.kamera.przes_x, -300, 1e-2);
  EXPECT_NEAR(t.edytor.kamera.przes_y, -300, 1e-2);
}

TEST(ImportOsmOkna, OdmowaZostawiaUklad) {
  katalog_tymczasowy k;
  okno_testowe t;
  zbuduj_luk(t.dok.tor);
  const auto przed = rekordy(t.dok.tor);
  const std::string plik = zapisz_rozgalezienie(t, k);
  magazyn_satek& s = t.okno.obrazy().satki_mapy();
  // The tile origin 1 km east of the track: the track would lie at negative plan x.
  s.ustaw_poczatek(s.kolumna_poczatku() + 10, s.wiersz_poczatku());
  std::ofstream(k.plik("zly.osm")) << "<osm><way id=";
  t.pliki = {plik, k.plik("zly.osm"), ""};
  for (int i = 0; i < 3; ++i) t.okno.menu().importuj_osm->trigger();
  ASSERT_EQ(t.komunikaty.teksty.size(), 3u);
  EXPECT_NE(t.komunikaty.teksty[0].find("ujemnych"), std::string::npos);
  EXPECT_NE(t.komunikaty.teksty[1].find(k.plik("zly.osm")), std::string::npos);
  EXPECT_EQ(t.komunikaty.kody[2], KOM_PLIK_NIE_ISTNIEJE);
  EXPECT_EQ(rekordy(t.dok.tor), przed);
  EXPECT_EQ(t.okno.import_osm().raport(), nullptr);
}
