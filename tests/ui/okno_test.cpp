#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTranslator>

#include "ui/okno_testowe.h"
#include "ui/okno_trasy.h"
#include "ui/panel_ladowania.h"
#include "ui/panel_prawy.h"
#include "ui/panel_satek.h"
#include "ui/panel_szablonow.h"
#include "ui/panel_torow.h"
#include "ui/panel_zdjec.h"
#include "ui/tlumaczenia_qt.h"
#include "ui/widok_planu.h"

namespace {

// The menu as the user sees it: each popup's title, then its items, "-" for a separator.
std::vector<std::vector<std::string>> menu_jak_widac(QMenuBar* pasek) {
  std::vector<std::vector<std::string>> wynik;
  for (QAction* popup : pasek->actions()) {
    std::vector<std::string> w{popup->text().toStdString()};
    for (QAction* a : popup->menu()->actions()) w.push_back(a->isSeparator() ? "-" : a->text().toStdString());
    wynik.push_back(w);
  }
  return wynik;
}

}  // namespace

TEST(Okno, RozmiarPolozeniePaneliIWidocznoscNaStarcie) {
  okno_testowe t;
  EXPECT_EQ(t.okno.windowTitle(), "Vialtor v0.95121");
  EXPECT_TRUE(t.okno.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(t.okno.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(t.okno.size(), QSize(1024, t.okno.menuBar()->height() + 716));
  EXPECT_EQ(t.okno.minimumSize(), t.okno.maximumSize()) << "fixed size";

  QWidget* obszar = t.okno.centralWidget();
  EXPECT_EQ(obszar->geometry(), QRect(0, t.okno.menuBar()->height(), 1024, 716));
  EXPECT_EQ(t.okno.plan()->geometry(), QRect(0, 0, 1024, 600));
  struct oczekiwany {
    QWidget* panel;
    QRect miejsce;
    bool widoczny;
  };
  for (const oczekiwany& o : {oczekiwany{t.okno.torow(), {0, 600, 800, 116}, true},
                              oczekiwany{t.okno.prawy(), {801, 600, 216, 116}, true},
                              oczekiwany{t.okno.zdjec(), {0, 600, 800, 116}, false},
                              oczekiwany{t.okno.szablonow(), {0, 600, 1024, 116}, false},
                              oczekiwany{t.okno.satek(), {0, 0, 300, 150}, false},
                              oczekiwany{t.okno.trasy(), {0, 0, 500, 250}, false},
                              oczekiwany{t.okno.ladowania(), {384, 275, 256, 50}, false}}) {
    EXPECT_EQ(o.panel->parentWidget(), obszar) << o.panel->objectName().toStdString();
    EXPECT_EQ(o.panel->geometry(), o.miejsce) << o.panel->objectName().toStdString();
    EXPECT_EQ(o.panel->isVisible(), o.widoczny) << o.panel->objectName().toStdString();
  }

  // Hidden at start-up within the shown panels and within the tile panel.
  EXPECT_TRUE(t.okno.prawy()->zatwierdz->isHidden());
  EXPECT_TRUE(t.okno.prawy()->odbicie->isHidden());
  EXPECT_TRUE(t.okno.prawy()->obrot_180->isHidden());
  EXPECT_TRUE(t.okno.torow()->etykieta_przelozenia->isHidden());
  EXPECT_TRUE(t.okno.torow()->lista_przelozenia->isHidden());
  EXPECT_TRUE(t.okno.szablonow()->lista_przeswitow_kolej->isHidden());
  EXPECT_TRUE(t.okno.szablonow()->lista_rodzajow_kolej->isHidden());
  EXPECT_FALSE(t.okno.szablonow()->lista_przeswitow_tramwaj->isHidden());
  int widoczne_w_satkach = 0;
  for (QWidget* k : t.okno.satek()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) widoczne_w_satkach += !k->isHidden();
  EXPECT_EQ(widoczne_w_satkach, 2);
  EXPECT_FALSE(t.okno.satek()->zamknij->isHidden());
  EXPECT_FALSE(t.okno.satek()->ortofotomapa->isHidden());

  // A drop-down list is one line high; its given height is the open list's.
  EXPECT_EQ(t.okno.torow()->lista_siatki->geometry(), QRect(46, 7, 90, 21));
}

TEST(Okno, MenuPozycjeSeparatoryIKolejnosc) {
  okno_testowe t;
  const std::vector<std::vector<std::string>> oczekiwane = {
      {"&Miasto", "&Wyczyść całość torowiska", "&Wyczyść zdjecia i mapy", "-", "&Wczytaj projekt",
       "&Dodaj do projeku", "&Zapisz projekt", "-", "&Testuj geometrię toru", "&Informacje o trasie", "-",
       "&Importuj z Vialtor 0.945b", "&Importuj z pliku tekstowego", "Importuj tory z OpenStreetMap…", "-", "&Eksportuj do MOVIX 0.08", "-",
       "&Ortofotomapa", "-", "&Wyjście z programu"},
      {"&Tryb edycji:", "&Tory", "&Zdjecia i mapy", "Z&darzenia"},
      {"&Elementy", "&Wstaw nowy element", "&Wybierz element"},
      {"&Edycja", "&Zaznacz wszystko", "&Odznacz wszystko", "&Odwróć zaznaczenie", "-", "&Cofnij", "&Ponów"},
      {"&Narzedzia", "&Ustaw równolegle do zaznaczonego odcinka", "&Lista problemów"},
      {"&Widok", "&Pokaż wszystko", "&Pokaż zaznaczone", "Profil &wysokości"}};
  EXPECT_EQ(menu_jak_widac(t.okno.menuBar()), oczekiwane);
  EXPECT_FALSE(t.okno.menu().tryb_tory->isEnabled()) << "track mode at start";
  EXPECT_TRUE(t.okno.menu().tryb_zdjecia->isEnabled());
  // Nothing to undo or redo yet.
  EXPECT_FALSE(t.okno.menu().cofnij->isEnabled());
  EXPECT_FALSE(t.okno.menu().ponow->isEnabled());
}

// Qt's own dialogs speak Polish with Qt's translations (installed with the editor's packages).
TEST(Okno, TekstyQtPoPolsku) {
  QTranslator* tlumacz = wczytaj_tlumaczenia_qt(qApp);
  ASSERT_NE(tlumacz, nullptr);
  QDialogButtonBox przyciski(QDialogButtonBox::Cancel);
  EXPECT_EQ(przyciski.button(QDialogButtonBox::Cancel)->text().remove('&'), "Anuluj");
  QCoreApplication::removeTranslator(tlumacz);
  delete tlumacz;
}

// The panels standing over the plan are seen over its GL window, on the screen as in the
// window's grab; the plan is seen around them.
TEST(Okno, PaneleNadPlanemWidacNaEkranie) {
  okno_testowe t;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&t.okno));
  widok_planu* plan = t.okno.plan();
  const QPoint poczatek = plan->mapToGlobal(QPoint(0, 0));
  const auto ekran = [&] {
    QCoreApplication::processEvents();
    QTest::qWait(200);
    return t.okno.screen()
        ->grabWindow(0, poczatek.x(), poczatek.y(), plan->width(), plan->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  };
  const QImage sam_plan = ekran();
  EXPECT_EQ(sam_plan, plan->grabFramebuffer().convertToFormat(QImage::Format_RGB32));
  const QPoint plan_w_oknie = plan->mapTo(&t.okno, QPoint(0, 0));
  for (QWidget* panel : std::initializer_list<QWidget*>{t.okno.satek(), t.okno.trasy(), t.okno.ladowania()}) {
    const QRect miejsce = panel->geometry();
    SCOPED_TRACE(miejsce.width());
    panel->show();
    const QImage obraz = ekran();
    const QImage wzor = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(obraz.copy(miejsce), wzor);
    const QImage zrzut = t.okno.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(zrzut.copy(miejsce.translated(plan_w_oknie)), wzor);
    // Beside the panel, the plan.
    const QPoint obok(miejsce.right() + 5, miejsce.bottom() + 5);
    EXPECT_EQ(obraz.pixel(obok), sam_plan.pixel(obok));
    panel->hide();
  }
}
