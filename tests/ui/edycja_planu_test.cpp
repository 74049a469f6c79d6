// Editing the track with the plan's mouse, through the real window.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QRadioButton>
#include <QTest>
#include <cmath>

#include "app/liczby.h"
#include "io/projekt.h"
#include "support/katalog_tymczasowy.h"
#include "support/uklad_testowy.h"
#include "ui/okno_trasy.h"
#include "ui/panel_prawy.h"
#include "ui/panel_torow.h"
#include "ui/plan_myszy.h"

namespace {

double tekst_pola(const QLineEdit* pole) { return pole->text().toDouble(); }

TEST(EdycjaPlanu, PrawyKlikRysujeLancuchIPanelPokazujeOstatni) {
  plan_myszy t;
  tor_uklad& u = t.dok.tor;
  t.klik(Qt::RightButton, 10, 10);
  t.klik(Qt::RightButton, 30, 10);
  t.klik(Qt::RightButton, 30, 40);
  ASSERT_EQ(u.pmax(), 3);
  EXPECT_EQ(u.lmax(), 2);
  ASSERT_EQ(u.ile_zaznaczonych_punktow(), 1);
  const w_punkt* ostatni = u.p[u.ostatni_punkt];
  EXPECT_TRUE(ostatni->CZY_ZAZNACZONY());
  EXPECT_NEAR(ostatni->GET_X(), 30.5, 1e-9);
  EXPECT_NEAR(ostatni->GET_Y(), 40, 1e-9);
  EXPECT_TRUE(t.dok.zmieniony());
  // The bottom-right panel follows the new point at once.
  const panel_prawy* p = t.okno.prawy();
  EXPECT_EQ(p->pole_1->text(), "30.50");
  EXPECT_EQ(p->pole_2->text(), "40.00");
  EXPECT_TRUE(p->etykieta_x->isVisible());

  // Left of the plan's origin: message 1 and no point.
  t.klik(Qt::RightButton, -5, 20);
  EXPECT_EQ(u.pmax(), 3);
  ASSERT_EQ(t.komunikaty.kody.size(), 1u);
  EXPECT_EQ(t.komunikaty.kody[0], KOM_POZA_MAPA);
}

TEST(EdycjaPlanu, CiagniecieTlaTrzymaPunktPodKursorem) {
  plan_myszy t;
  const QPoint b = t.piksel(45, 5);
  t.ciagnij(Qt::LeftButton, 20, 20, 45, 5);
  // The plan point pressed is at the release pixel now.
  double x = 0, y = 0;
  piksel_na_widok(t.edytor.kamera, b.x(), b.y(), x, y);
  EXPECT_NEAR(x - t.edytor.kamera.przes_x, 20, 1e-9);
  EXPECT_NEAR(y - t.edytor.kamera.przes_y, 20, 1e-9);
  EXPECT_FALSE(t.dok.zmieniony());
}

TEST(EdycjaPlanu, CiagnieciePunktuPrzesuwaIScala) {
  plan_myszy t;
  tor_uklad& u = t.dok.tor;
  tor_punkt* a = dodaj_punkt_toru(u, 10, 10);
  tor_punkt* b = dodaj_punkt_toru(u, 30, 10);
  tor_punkt* c = dodaj_punkt_toru(u, 60, 10);
  polacz_tor(u, a, b);
  u.przelicz_wszystko();

  t.klik(Qt::LeftButton, 60, 10);
  ASSERT_TRUE(c->CZY_ZAZNACZONY());
  t.ciagnij(Qt::LeftButton, 60, 10, 60, 30);
  EXPECT_NEAR(c->GET_X(), 60, 1e-9);
  EXPECT_NEAR(c->GET_Y(), 30, 1e-9);
  // The boxes followed the drag.
  EXPECT_EQ(t.okno.prawy()->pole_2->text(), "30.00");
  EXPECT_TRUE(t.dok.zmieniony());

  // Released on a, whose only line leaves room: c merges into it.
  t.ciagnij(Qt::LeftButton, 60, 30, 10, 10);
  EXPECT_EQ(u.pmax(), 2);
  EXPECT_EQ(u.lmax(), 1);
  EXPECT_TRUE(t.komunikaty.kody.empty());
  // The panel shows a point that exists, where it is.
  ASSERT_EQ(u.panel_tryb, PANEL_PUNKT);
  ASSERT_LT(u.panel_nr, u.pmax());
  EXPECT_EQ(t.okno.prawy()->pole_1->text().toStdString(), liczba_na_tekst(u.p[u.panel_nr]->GET_X(), 2));
}

TEST(EdycjaPlanu, ShiftDodajeDoZaznaczenia) {
  plan_myszy t;
  tor_uklad& u = t.dok.tor;
  dodaj_punkt_toru(u, 10, 10);
  dodaj_punkt_toru(u, 30, 10);
  dodaj_punkt_toru(u, 50, 10);
  t.klik(Qt::LeftButton, 10, 10);
  t.klik(Qt::LeftButton, 30, 10, Qt::ShiftModifier);
  EXPECT_EQ(u.ile_zaznaczonych_punktow(), 2);
  // Two points: the panel shows nothing single.
  EXPECT_FALSE(t.okno.prawy()->pole_1->isVisible());
  t.klik(Qt::LeftButton, 50, 10);
  EXPECT_EQ(u.ile_zaznaczonych_punktow(), 1);
  EXPECT_TRUE(u.p[2]->CZY_ZAZNACZONY());
}

TEST(EdycjaPlanu, RamkaSrodkowymWKazdymPorzadkuRogow) {
  plan_myszy t;
  tor_uklad& u = t.dok.tor;
  dodaj_punkt_toru(u, 10, 10);
  dodaj_punkt_toru(u, 20, 20);
  dodaj_punkt_toru(u, 50, 50);
  const double rogi[4][4] = {{5, 5, 25, 25}, {25, 25, 5, 5}, {5, 25, 25, 5}, {25, 5, 5, 25}};
  for (const auto& r : rogi) {
    u.odznacz_wszystko();
    t.ciagnij(Qt::MiddleButton, r[0], r[1], r[2], r[3]);
    EXPECT_EQ(u.ile_zaznaczonych_punktow(), 2) << r[0] << ' ' << r[1];
    EXPECT_FALSE(u.p[2]->CZY_ZAZNACZONY());
  }
}

TEST(EdycjaPlanu, RotacjaObracaWokolOsi) {
  plan_myszy t;
  tor_uklad& u = t.dok.tor;
  tor_punkt* a = dodaj_punkt_toru(u, 30, 10);
  t.klik(Qt::LeftButton, 30, 10);
  ASSERT_TRUE(a->CZY_ZAZNACZONY());
  t.okno.findChild<QRadioButton*>("rotacja")->click();
  ASSERT_EQ(t.edytor.tryb_prawego_przycisku, PRAWY_ROTACJA);
  // 1 m to the right at skala 1/30 turns by 100/30 degrees about the press point.
  t.ciagnij(Qt::RightButton, 20, 10, 21, 10);
  const double kat = std::atan2(a->GET_Y() - 10, a->GET_X() - 20) * 180 / M_PI;
  EXPECT_NEAR(std::fabs(kat), 100.0 / 30, 1e-6);
  EXPECT_NEAR(std::hypot(a->GET_X() - 20, a->GET_Y() - 10), 10, 1e-9);
  EXPECT_EQ(u.pmax(), 1) << "the right button turned, it did not add";
  EXPECT_NEAR(tekst_pola(t.okno.prawy()->pole_1), a->GET_X(), 0.005);
}

TEST(EdycjaPlanu, UsunPrzyciskiemNieZostawiaNicNaPanelu) {
  plan_myszy t;
  tor_uklad& u = t.dok.tor;
  dodaj_punkt_toru(u, 10, 10);
  tor_punkt* b = dodaj_punkt_toru(u, 30, 10);
  t.klik(Qt::LeftButton, 10, 10);
  panel_prawy* p = t.okno.prawy();
  ASSERT_EQ(p->pole_1->text(), "10.00");
  QTest::mouseClick(p->usun, Qt::LeftButton);
  ASSERT_EQ(u.pmax(), 1);
  // b now holds a's index; the panel must not offer it under a's values.
  EXPECT_FALSE(p->pole_1->isVisible());
  EXPECT_FALSE(p->zatwierdz->isVisible());
  EXPECT_TRUE(p->pole_1->text().isEmpty());
  p->pole_1->setText("77");
  p->pole_1->setModified(true);  // as if typed
  p->zatwierdz->click();
  EXPECT_EQ(b->GET_X(), 30);
}

TEST(EdycjaPlanu, TrasaMyszaZapisanaIWczytanaRdzeniem) {
  katalog_tymczasowy katalog;
  plan_myszy t;
  tor_uklad& u = t.dok.tor;
  for (const auto& [x, y] : {std::pair{5.0, 5.0}, {40.0, 5.0}, {60.0, 30.0}, {85.0, 30.0}}) t.klik(Qt::RightButton, x, y);
  ASSERT_EQ(u.lmax(), 3);
  // The second point turns on a 30 m arc; the last line goes on track object 2.
  t.klik(Qt::LeftButton, 40.5, 5);
  t.okno.torow()->suwak_promienia->setValue(30);
  t.klik(Qt::LeftButton, 73, 30);
  ASSERT_EQ(u.panel_tryb, PANEL_LINIA);
  t.okno.torow()->lista_obiektow->setCurrentIndex(1);
  t.okno.informacje_o_trasie();
  t.okno.trasy()->lista_miast->setCurrentIndex(3);

  const std::string plik = katalog.plik("trasa.vxm");
  t.pliki = {plik};
  t.okno.menu().zapisz_projekt->trigger();
  EXPECT_FALSE(t.dok.zmieniony());

  tor_uklad wczytany;
  trasa_info trasa;
  ASSERT_TRUE(wczytaj_projekt(plik, wczytany, trasa).ok);
  EXPECT_EQ(rekordy(wczytany), rekordy(u));
  EXPECT_EQ(trasa.miasto, 3);
  ASSERT_EQ(wczytany.pmax(), 4);
  int luki = 0, obiekty = 0;
  for (int i = 0; i < wczytany.pmax(); ++i) luki += wczytany.punkt(i)->promien == 30;
  for (int i = 0; i < wczytany.lmax(); ++i) obiekty += wczytany.linia(i)->obiekt == 1;
  EXPECT_EQ(luki, 1);
  EXPECT_EQ(obiekty, 1);
}

}  // namespace
