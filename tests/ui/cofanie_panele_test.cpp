// Undo through the real plan widget and panels: a drag of the widget, a confirmed box and a
// slider drag are one step each, and after undo the panel shows the selection as it is now.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "app/liczby.h"
#include "io/projekt.h"
#include "track/przeswity.h"
#include "ui/panel_prawy.h"
#include "ui/panel_torow.h"
#include "ui/plan_myszy.h"
#include "ui/stos_cofania.h"

namespace {

std::vector<std::uint8_t> rekord(const dokument& d) { return rekordy_projektu(d.tor, d.trasa); }

// Three points joined by the right button (each put half a metre right of the click), the
// middle one selected by the left.
struct luk_myszy : plan_myszy {
  luk_myszy() {
    for (const auto& [x, y] : {std::pair{10.0, 10.0}, {40.0, 10.0}, {60.0, 40.0}}) klik(Qt::RightButton, x, y);
    klik(Qt::LeftButton, 40, 10);
  }
  int kroki() { return okno.cofanie().stos().count(); }
  QString pole_x() const { return okno.prawy()->pole_1->text(); }
};

}  // namespace

TEST(CofaniePaneli, PrzeciagniecieWidzetuIPanelPoCofnieciu) {
  luk_myszy t;
  ASSERT_EQ(t.dok.tor.pmax(), 3);
  const auto przed = rekord(t.dok);
  const int kroki = t.kroki();
  ASSERT_EQ(t.pole_x(), "40.50");
  t.ciagnij(Qt::LeftButton, 40, 10, 45, 20);
  EXPECT_EQ(t.kroki(), kroki + 1);
  EXPECT_EQ(t.pole_x(), "45.50");
  t.okno.cofnij();
  EXPECT_EQ(rekord(t.dok), przed);
  EXPECT_EQ(t.pole_x(), "40.50") << "the panel shows the point where the undo put it";
  t.okno.ponow();
  EXPECT_EQ(t.pole_x(), "45.50");
}

TEST(CofaniePaneli, ZatwierdzonePoleToJedenKrok) {
  luk_myszy t;
  const auto przed = rekord(t.dok);
  const int kroki = t.kroki();
  panel_prawy* p = t.okno.prawy();
  p->pole_1->setText("42");
  p->pole_1->setModified(true);  // as if typed
  p->zatwierdz->click();
  EXPECT_EQ(t.kroki(), kroki + 1);
  EXPECT_EQ(t.dok.tor.p[1]->x, 42);
  t.okno.cofnij();
  EXPECT_EQ(rekord(t.dok), przed);
  EXPECT_EQ(t.pole_x(), "40.50");
}

TEST(CofaniePaneli, PrzesuniecieSuwakaToJedenKrok) {
  luk_myszy t;
  const auto przed = rekord(t.dok);
  const int kroki = t.kroki();
  QSlider* suwak = t.okno.torow()->suwak_promienia;
  suwak->setSliderDown(true);
  for (int i = 1; i <= 5; ++i) suwak->setValue(suwak->value() + (suwak->value() < suwak->maximum() - 10 ? 1 : -1));
  suwak->setSliderDown(false);
  ASSERT_NE(rekord(t.dok), przed) << "the radius changed";
  EXPECT_EQ(t.kroki(), kroki + 1);
  t.okno.cofnij();
  EXPECT_EQ(rekord(t.dok), przed);
}

// The radius box and slider show the point the panel shows after every action: a drag of
// another point, an undo, a deletion.
TEST(CofaniePaneli, PromienWybranegoPunktuPoKazdejCzynnosci) {
  luk_myszy t;
  panel_torow* p = t.okno.torow();
  const auto sprawdz = [&](const char* po) {
    SCOPED_TRACE(po);
    const tor_uklad& tor = t.dok.tor;
    ASSERT_EQ(p->pole_promienia->isVisible(), tor.panel_tryb == PANEL_PUNKT);
    if (tor.panel_tryb != PANEL_PUNKT) return;
    const double r = tor.punkt(tor.panel_nr)->promien;
    EXPECT_EQ(p->pole_promienia->text(), QString::number(static_cast<int>(r)));
    EXPECT_EQ(p->suwak_promienia->value(), pozycja_suwaka(r));
  };
  p->pole_promienia->setText("80");
  p->aktualizuj->click();
  ASSERT_EQ(t.dok.tor.punkt(1)->promien, 80);
  t.klik(Qt::LeftButton, 60.5, 40);
  p->suwak_promienia->setValue(25);
  ASSERT_EQ(t.dok.tor.punkt(2)->promien, 25);
  sprawdz("a slider");

  t.ciagnij(Qt::LeftButton, 10.5, 10, 15, 15);
  ASSERT_EQ(t.dok.tor.panel_nr, 0);
  sprawdz("a drag of a 50 m point");
  t.okno.cofnij();
  sprawdz("an undo");
  t.klik(Qt::LeftButton, 40.5, 10);
  sprawdz("a click on the 80 m point");
  t.nad(60.5, 40);
  QTest::keyClick(t.plan(), Qt::Key_Delete);
  ASSERT_EQ(t.dok.tor.pmax(), 2);
  sprawdz("a deletion with the cursor over the 25 m point");
}
