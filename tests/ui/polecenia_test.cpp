#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <fstream>

#include "app/liczby.h"
#include "support/katalog_tymczasowy.h"
#include "ui/okno_testowe.h"
#include "ui/okno_trasy.h"
#include "ui/panel_prawy.h"
#include "ui/panel_szablonow.h"
#include "ui/panel_torow.h"
#include "ui/panel_zdjec.h"
#include "ui/uruchomienie.h"

TEST(PoleceniaOkna, InformacjeOTrasie) {
  okno_testowe t;
  zbuduj_luk(t.dok.tor);
  t.dok.trasa = {4, 1999, 12};
  t.okno.menu().informacje_o_trasie->trigger();
  const okno_trasy& o = *t.okno.trasy();
  EXPECT_TRUE(o.isVisible());
  EXPECT_EQ(o.dlugosc->text().toStdString(), liczba_na_tekst(t.dok.tor.dlugosc_trasy(), 2));
  EXPECT_EQ(o.dlugosc->text().indexOf('.'), o.dlugosc->text().size() - 3) << "two decimals";
  EXPECT_EQ(o.lista_miast->currentText(), "Elbląg");
  EXPECT_EQ(o.pole_roku->text(), "1999");
  EXPECT_EQ(o.pole_id->text(), "12");
  for (QWidget* w : std::initializer_list<QWidget*>{o.etykieta_roku, o.pole_roku, o.etykieta_id, o.pole_id, o.zatwierdz})
    EXPECT_TRUE(w->isVisible());

  // "Brak informacji": the window without the year and id controls.
  t.dok.trasa = {};
  t.okno.menu().informacje_o_trasie->trigger();
  EXPECT_EQ(o.lista_miast->currentIndex(), 0);
  EXPECT_FALSE(o.pole_roku->isVisible());
  EXPECT_FALSE(o.zatwierdz->isVisible());
  EXPECT_FALSE(o.etykieta_id->isVisible());

  o.zamknij->click();
  EXPECT_FALSE(o.isVisible());
}

TEST(PoleceniaOkna, TestGeometriiCentrujeNaBledzie) {
  okno_testowe t;
  zbuduj_luk(t.dok.tor);
  const widok przed = t.edytor.kamera;
  t.okno.menu().testuj_geometrie->trigger();
  EXPECT_EQ(t.komunikaty.kody, std::vector<unsigned>{KOM_TRASA_DOBRA});
  EXPECT_EQ(t.edytor.kamera.przes_x, przed.przes_x);
  EXPECT_EQ(t.edytor.kamera.przes_y, przed.przes_y);

  t.dok.tor.wyczysc();
  zbuduj_blad(t.dok.tor);
  double x = 0, y = 0;
  t.dok.tor.znajdz_blad(x, y);
  t.okno.menu().testuj_geometrie->trigger();
  EXPECT_EQ(t.komunikaty.kody.back(), KOM_BLAD_GEOMETRII);
  EXPECT_EQ(t.edytor.kamera.przes_x, -x);
  EXPECT_EQ(t.edytor.kamera.przes_y, -y);
  EXPECT_EQ(t.edytor.kamera.skala, przed.skala);
  EXPECT_FALSE(t.dok.zmieniony());
}

TEST(PoleceniaOkna, TrybEdycjiPrzelaczaPaneleIPozycjeMenu) {
  okno_testowe t;
  const menu_glowne& m = t.okno.menu();
  t.okno.prawy()->zatwierdz->show();  // as a selected point shows it
  t.okno.torow()->pole_promienia->show();

  m.tryb_zdjecia->trigger();
  EXPECT_EQ(t.edytor.tryb_edycji, TRYB_ZDJECIA);
  EXPECT_FALSE(t.okno.torow()->isVisible());
  EXPECT_TRUE(t.okno.zdjec()->isVisible());
  EXPECT_TRUE(t.okno.prawy()->isVisible());
  EXPECT_TRUE(m.tryb_tory->isEnabled());
  EXPECT_FALSE(m.tryb_zdjecia->isEnabled());
  EXPECT_FALSE(t.okno.prawy()->zatwierdz->isVisible());
  EXPECT_FALSE(t.okno.prawy()->pole_1->isVisible());
  EXPECT_TRUE(t.okno.torow()->pole_promienia->isHidden());
  EXPECT_FALSE(t.okno.torow()->suwak_promienia->isHidden()) << "the slider stays";

  m.tryb_tory->trigger();
  EXPECT_EQ(t.edytor.tryb_edycji, TRYB_TORY);
  EXPECT_TRUE(t.okno.torow()->isVisible());
  EXPECT_FALSE(t.okno.zdjec()->isVisible());
  EXPECT_FALSE(m.tryb_tory->isEnabled());
  EXPECT_TRUE(m.tryb_zdjecia->isEnabled());
}

TEST(PoleceniaOkna, WyborSzablonuIKoniec) {
  okno_testowe t;
  // Without a template library: message 25 and no template mode.
  t.okno.menu().wybierz_element->trigger();
  EXPECT_EQ(t.komunikaty.kody, std::vector<unsigned>{KOM_BRAK_SZABLONU});
  EXPECT_FALSE(t.edytor.tryb_szablonu);
  EXPECT_FALSE(t.okno.szablonow()->isVisible());

  t.wczytaj_szablony();
  ASSERT_GT(t.dok.tor.szab_max(), 0);
  t.okno.menu().wybierz_element->trigger();
  EXPECT_TRUE(t.edytor.tryb_szablonu);
  EXPECT_FALSE(t.okno.torow()->isVisible());
  EXPECT_FALSE(t.okno.prawy()->isVisible());
  EXPECT_TRUE(t.okno.szablonow()->isVisible());
  EXPECT_EQ(t.okno.szablonow()->opis->text().toStdString(), t.dok.tor.nazwa_szablonu());
  EXPECT_EQ(QCursor::pos(), t.okno.centralWidget()->mapToGlobal(QPoint(396, 652)));
  EXPECT_TRUE(t.okno.szablonow()->geometry().contains(QPoint(396, 652)));

  t.okno.szablonow()->koniec_wyboru->click();
  EXPECT_FALSE(t.edytor.tryb_szablonu);
  EXPECT_TRUE(t.okno.torow()->isVisible());
  EXPECT_TRUE(t.okno.prawy()->isVisible());
  EXPECT_FALSE(t.okno.szablonow()->isVisible());

  // In picture mode the end brings back the pictures panel, not the track panel.
  t.okno.menu().tryb_zdjecia->trigger();
  t.okno.menu().wybierz_element->trigger();
  EXPECT_FALSE(t.okno.zdjec()->isVisible());
  t.okno.zakoncz_wybor_szablonu();
  EXPECT_TRUE(t.okno.zdjec()->isVisible());
  EXPECT_FALSE(t.okno.torow()->isVisible());
}

TEST(PoleceniaOkna, WstawElementWSrodkuWidoku) {
  okno_testowe t;
  t.wczytaj_szablony();
  t.edytor.kamera.przes_x = -120;
  t.edytor.kamera.przes_y = -35;
  t.okno.menu().wstaw_element->trigger();
  ASSERT_EQ(t.dok.tor.emax(), 1);
  EXPECT_EQ(t.dok.tor.e[0]->x, 120);
  EXPECT_EQ(t.dok.tor.e[0]->y, 35);
  EXPECT_EQ(t.dok.tor.pmax(), static_cast<int>(t.dok.tor.szablony[t.dok.tor.szab_akt].punkty.size()));
  EXPECT_TRUE(t.dok.zmieniony());
}

TEST(PoleceniaOkna, ZaznaczenieRownolegleIKadr) {
  okno_testowe t;
  zbuduj_luk(t.dok.tor);
  const menu_glowne& m = t.okno.menu();
  t.dok.zgodny_z_plikiem("luk.vxm");
  m.zaznacz_wszystko->trigger();
  m.odwroc_zaznaczenie->trigger();
  EXPECT_EQ(t.dok.tor.ile_zaznaczonych_punktow(), 0);
  EXPECT_FALSE(t.dok.zmieniony()) << "selecting is not editing";

  m.ustaw_rownolegle->trigger();
  EXPECT_EQ(t.komunikaty.kody, std::vector<unsigned>{KOM_JEDEN_WZORZEC});
  EXPECT_FALSE(t.edytor.mysz.czeka_rownolegle);
  t.dok.tor.l[0]->ZAZNACZ(true);
  m.ustaw_rownolegle->trigger();
  EXPECT_TRUE(t.edytor.mysz.czeka_rownolegle);
  EXPECT_EQ(t.komunikaty.kody.size(), 1u);

  m.pokaz_wszystko->trigger();
  EXPECT_DOUBLE_EQ(t.edytor.kamera.przes_x, -50);
  EXPECT_DOUBLE_EQ(t.edytor.kamera.przes_y, -50);
  EXPECT_DOUBLE_EQ(t.edytor.kamera.skala, 0.019);
  m.odznacz_wszystko->trigger();
  t.dok.tor.p[0]->ZAZNACZ(true);  // (100, 0)
  t.dok.tor.p[1]->ZAZNACZ(true);  // (0, 0)
  m.pokaz_zaznaczone->trigger();
  EXPECT_DOUBLE_EQ(t.edytor.kamera.przes_x, -50);
  EXPECT_DOUBLE_EQ(t.edytor.kamera.przes_y, 0);
}

TEST(PoleceniaOkna, PlikZWierszaPolecenOtwartyIKadrowany) {
  okno_testowe t;
  otworz_z_wiersza_polecen(t.okno, KATALOG_DANYCH + "/projects/elblag_petla.txt");
  ASSERT_GT(t.dok.tor.pmax(), 0);
  EXPECT_TRUE(t.komunikaty.kody.empty());
  const kadr k = t.dok.tor.pokaz_wszystko();
  EXPECT_EQ(t.edytor.kamera.przes_x, k.x);
  EXPECT_EQ(t.edytor.kamera.przes_y, k.y);
  EXPECT_EQ(t.edytor.kamera.skala, k.skala);

  otworz_z_wiersza_polecen(t.okno, KATALOG_DANYCH + "/dataeditor/ev.bmp");
  EXPECT_EQ(t.komunikaty.kody, std::vector<unsigned>{KOM_TEKST}) << "an unknown kind of file is named";
}

TEST(PoleceniaOkna, OdrzuconyPlikZWierszaPolecenZostawiaWidok) {
  okno_testowe t;
  katalog_tymczasowy katalog;
  const std::string tekst = katalog.plik("tekst.vxm");
  std::ofstream(tekst) << "to nie jest projekt\n";
  const widok przed = t.edytor.kamera;
  otworz_z_wiersza_polecen(t.okno, tekst);
  EXPECT_EQ(t.komunikaty.kody.size(), 1u);
  EXPECT_EQ(t.edytor.kamera.przes_x, przed.przes_x);
  EXPECT_EQ(t.edytor.kamera.przes_y, przed.przes_y);
  EXPECT_EQ(t.edytor.kamera.skala, przed.skala);
}
