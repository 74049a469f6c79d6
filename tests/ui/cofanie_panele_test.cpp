// Undo through the real plan widget and panels: a drag of the widget, a confirmed box and a
// slider drag are one step each, and after undo the panel shows the selection as it is now.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "app/liczby.h"
#include "io/projekt.h"
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
