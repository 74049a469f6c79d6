// Undo and redo through the editor's own paths: each kind of edit is one step that the menu
// takes back to the byte and does again; the items follow what can be undone; the modified flag
// follows the history.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <random>

#include "io/projekt.h"
#include "support/katalog_tymczasowy.h"
#include "support/na_ekranie.h"
#include "ui/okno_testowe.h"
#include "ui/stos_cofania.h"
#include "view/sterowanie.h"

namespace {

using bajty = std::vector<std::uint8_t>;

bajty rekord(const dokument& d) { return rekordy_projektu(d.tor, d.trasa); }

// The window with the plan's mouse driven at the pixels of plan points.
struct edytor_testowy : okno_testowe {
  sterowanie mysz{dok, edytor};

  int kroki() { return okno.cofanie().stos().count(); }
  zdarzenie_myszy nad(double x, double y, bool lewy = false, bool prawy = false) const {
    const polozenie_na_ekranie p = na_ekranie(edytor.kamera, x, y);
    zdarzenie_myszy z;
    z.px = p.x;
    z.py = p.y;
    z.lewy = lewy;
    z.prawy = prawy;
    return z;
  }
  void klik_prawym(double x, double y) {
    mysz.ruch(nad(x, y));
    mysz.nacisniecie(przycisk_myszy::prawy, nad(x, y, false, true));
    mysz.zwolnienie(przycisk_myszy::prawy, nad(x, y));
  }
  // A left drag from a to b in several moves.
  void ciagnij_lewym(double ax, double ay, double bx, double by) {
    mysz.ruch(nad(ax, ay));
    mysz.nacisniecie(przycisk_myszy::lewy, nad(ax, ay, true));
    for (int i = 1; i <= 5; ++i)
      mysz.ruch(nad(ax + (bx - ax) * i / 5, ay + (by - ay) * i / 5, true));
    mysz.zwolnienie(przycisk_myszy::lewy, nad(bx, by));
  }
  // A right drag in rotation mode about a, turning in several moves.
  void obroc_prawym(double ax, double ay, double dx) {
    edytor.tryb_prawego_przycisku = PRAWY_ROTACJA;
    mysz.ruch(nad(ax, ay));
    mysz.nacisniecie(przycisk_myszy::prawy, nad(ax, ay, false, true));
    for (int i = 1; i <= 5; ++i) mysz.ruch(nad(ax + dx * i / 5, ay, false, true));
    mysz.zwolnienie(przycisk_myszy::prawy, nad(ax + dx, ay));
    edytor.tryb_prawego_przycisku = PRAWY_DODAWANIE;
  }
  void cofnij() { okno.menu().cofnij->trigger(); }
  void ponow() { okno.menu().ponow->trigger(); }
};

// The arc of zbuduj_luk seen whole and committed as the history's start.
void przygotuj(edytor_testowy& t) {
  zbuduj_luk(t.dok.tor);
  t.dok.nowy();
  t.edytor.kamera.skala = 0.008;
  t.edytor.kamera.przes_x = -50;
  t.edytor.kamera.przes_y = -50;
}

// One edit by `edycja`: exactly one step, which undo takes back to the byte and redo repeats.
void jeden_krok(edytor_testowy& t, const std::function<void()>& edycja, const char* co) {
  SCOPED_TRACE(co);
  const bajty przed = rekord(t.dok);
  const int kroki = t.kroki();
  edycja();
  const bajty po = rekord(t.dok);
  ASSERT_NE(po, przed) << "the edit changed nothing";
  EXPECT_EQ(t.kroki(), kroki + 1);
  t.cofnij();
  EXPECT_EQ(rekord(t.dok), przed);
  t.ponow();
  EXPECT_EQ(rekord(t.dok), po);
}

}  // namespace

TEST(Cofanie, KazdaDrogaEdycjiToJedenKrok) {
  edytor_testowy t;
  t.wczytaj_szablony();
  przygotuj(t);
  jeden_krok(t, [&] { t.klik_prawym(40, 60); }, "a point added with the mouse");
  jeden_krok(t, [&] { t.ciagnij_lewym(100, 100, 110, 95); }, "a drag");
  jeden_krok(t, [&] { t.obroc_prawym(100, 0, 3); }, "a rotation");
  jeden_krok(t, [&] { t.okno.wstaw_element(); }, "a template put down from the menu");
  jeden_krok(t, [&] {
    t.dok.tor.odznacz_wszystko();
    t.dok.tor.linia(0)->ZAZNACZ(true);
    t.okno.usun_zaznaczone();
  }, "a line deleted alone, its points kept");
  jeden_krok(t, [&] {
    t.dok.tor.zaznacz_wszystko();
    t.okno.usun_zaznaczone();
  }, "the selection deleted");

  // The export turns an event on a line into an event point of the layout.
  katalog_tymczasowy katalog;
  t.klik_prawym(20, 80);
  t.klik_prawym(60, 80);
  zdarzenie z;
  z.typ = ZD_SYGNALIZATOR;
  z.pozycja = 0.5;
  t.dok.tor.linia(0)->zdarzenia.dodaj(z);
  t.okno.po_edycji();
  t.pliki = {katalog.plik("uklad.layout")};
  jeden_krok(t, [&] { t.okno.menu().eksportuj->trigger(); }, "the export's event points");
}

// Random edits, undos and redos: every state the history reaches is the one recorded for its
// place, and undoing everything gives back the start.
TEST(Cofanie, LosoweEdycjeICofniecia) {
  edytor_testowy t;
  przygotuj(t);
  std::mt19937 los(2026);
  std::vector<bajty> stany{rekord(t.dok)};
  std::size_t miejsce = 0;
  const auto losowa = [&](double od, double do_) { return std::uniform_real_distribution<>(od, do_)(los); };
  for (int i = 0; i < 120; ++i) {
    const int rodzaj = static_cast<int>(los() % 6);
    if (rodzaj == 4 || rodzaj == 5) {
      const bool wstecz = rodzaj == 4;
      if (wstecz ? miejsce == 0 : miejsce + 1 == stany.size()) continue;
      wstecz ? t.cofnij() : t.ponow();
      miejsce += wstecz ? -1 : 1;
      ASSERT_EQ(rekord(t.dok), stany[miejsce]) << "krok " << i;
      continue;
    }
    const int punkty = t.dok.tor.pmax();
    const int kroki = t.kroki();
    if (rodzaj == 0 || punkty < 3) {
      t.klik_prawym(losowa(5, 95), losowa(5, 95));
    } else if (rodzaj == 1 || rodzaj == 2) {
      const w_punkt* p = t.dok.tor.p[los() % punkty];
      const double x = p->x, y = p->y;
      if (rodzaj == 1)
        t.ciagnij_lewym(x, y, x + losowa(-5, 5), y + losowa(-5, 5));
      else
        t.obroc_prawym(x, y, losowa(-4, 4));
    } else {
      t.dok.tor.odznacz_wszystko();
      t.mysz.ruch(t.nad(t.dok.tor.p[los() % punkty]->x, t.dok.tor.p[los() % punkty]->y));
      t.dok.tor.zaznacz_prostokat(0, 0, losowa(0, 100), losowa(0, 100), false);
      t.okno.usun_zaznaczone();
    }
    const bajty teraz = rekord(t.dok);
    if (teraz == stany[miejsce]) {
      EXPECT_EQ(t.kroki(), kroki) << "krok " << i << ": no change, no step";
      continue;
    }
    ASSERT_EQ(t.okno.cofanie().stos().index(), static_cast<int>(miejsce) + 1) << "krok " << i;
    stany.resize(++miejsce);
    stany.push_back(teraz);
  }
  while (miejsce > 0) {
    t.cofnij();
    ASSERT_EQ(rekord(t.dok), stany[--miejsce]);
  }
  EXPECT_FALSE(t.okno.menu().cofnij->isEnabled());
}

TEST(Cofanie, StanPozycjiMenuISkroty) {
  edytor_testowy t;
  przygotuj(t);
  QAction* cofnij = t.okno.menu().cofnij;
  QAction* ponow = t.okno.menu().ponow;
  EXPECT_FALSE(cofnij->isEnabled());
  EXPECT_FALSE(ponow->isEnabled());
  const bajty przed = rekord(t.dok);
  t.klik_prawym(20, 20);
  const bajty po = rekord(t.dok);
  EXPECT_TRUE(cofnij->isEnabled());
  EXPECT_FALSE(ponow->isEnabled());

  // Shortcuts act in the active window.
  t.okno.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&t.okno));
  QTest::keyClick(&t.okno, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(rekord(t.dok), przed);
  EXPECT_FALSE(cofnij->isEnabled());
  EXPECT_TRUE(ponow->isEnabled());
  QTest::keyClick(&t.okno, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(rekord(t.dok), po);
  QTest::keyClick(&t.okno, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(&t.okno, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(rekord(t.dok), po);

  // A new edit after an undo drops what could be redone.
  t.cofnij();
  t.klik_prawym(30, 30);
  EXPECT_FALSE(ponow->isEnabled());
  // Clearing (the unsaved work given up) starts a new history.
  t.odpowiedz = true;
  t.okno.menu().wyczysc_tory->trigger();
  EXPECT_FALSE(cofnij->isEnabled());
  EXPECT_FALSE(ponow->isEnabled());
}

// While a drag is held nothing is undone: the drag is not a step until its release.
TEST(Cofanie, NieWTrakcieCiagniecia) {
  edytor_testowy t;
  przygotuj(t);
  t.klik_prawym(20, 20);
  t.mysz.ruch(t.nad(100, 100));
  t.mysz.nacisniecie(przycisk_myszy::lewy, t.nad(100, 100, true));
  t.mysz.ruch(t.nad(104, 100, true));
  const bajty w_trakcie = rekord(t.dok);
  t.cofnij();
  EXPECT_EQ(rekord(t.dok), w_trakcie);
  t.mysz.zwolnienie(przycisk_myszy::lewy, t.nad(104, 100));
  EXPECT_EQ(t.kroki(), 2);
}

TEST(Cofanie, ZmienionyWedlugHistorii) {
  katalog_tymczasowy katalog;
  edytor_testowy t;
  przygotuj(t);
  EXPECT_FALSE(t.dok.zmieniony());
  t.klik_prawym(20, 20);
  EXPECT_TRUE(t.dok.zmieniony());
  t.cofnij();
  EXPECT_FALSE(t.dok.zmieniony()) << "back at the state nothing needed saving";

  t.klik_prawym(20, 20);
  t.pliki = {katalog.plik("zapisany.vxm")};
  t.okno.menu().zapisz_projekt->trigger();
  EXPECT_FALSE(t.dok.zmieniony());
  EXPECT_TRUE(t.okno.menu().cofnij->isEnabled()) << "a save keeps the history";
  t.klik_prawym(30, 30);
  EXPECT_TRUE(t.dok.zmieniony());
  t.cofnij();
  EXPECT_FALSE(t.dok.zmieniony()) << "back at the saved state";
  t.cofnij();
  EXPECT_TRUE(t.dok.zmieniony()) << "before the saved state";
  t.ponow();
  EXPECT_FALSE(t.dok.zmieniony());
}

// On a display without a window manager nothing hands the activation back when a box closes:
// the main window takes it itself, and the undo keys act from any control of the window, an
// edit box too (whose own text undo would otherwise take them).
TEST(Cofanie, SkrotyPoZamknieciuKomunikatuIZPolaEdycji) {
  edytor_testowy t;
  przygotuj(t);
  const bajty przed = rekord(t.dok);
  t.klik_prawym(20, 20);
  const bajty po = rekord(t.dok);
  t.okno.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&t.okno));

  QTimer::singleShot(0, [] {
    QWidget* pudelko = QApplication::activeModalWidget();
    ASSERT_NE(pudelko, nullptr);
    QTest::keyClick(pudelko, Qt::Key_Return);
  });
  t.okno.pytania().pokaz(&t.okno, "Trasa jest poprawna");
  // As on a display without a window manager: another top-level window took the activation and
  // went, and nothing handed it back; the X server's focus fell to the root, Qt has no focus
  // window, so no shortcut of the main window matches.
  {
    QWidget inne;
    inne.setGeometry(1100, 900, 60, 40);
    inne.show();
    inne.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&inne));
    inne.hide();
  }
  ASSERT_TRUE(QTest::qWaitFor([] { return QGuiApplication::focusWindow() == nullptr; }, 5000));
  ASSERT_EQ(QApplication::activeWindow(), nullptr);
  QTest::keyClick(&t.okno, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(rekord(t.dok), przed);
  EXPECT_TRUE(QTest::qWaitForWindowActive(&t.okno));

  QLineEdit* pole = t.kontrolka<QLineEdit>("pole_promienia");
  ASSERT_NE(pole, nullptr);
  pole->show();
  pole->setFocus();
  ASSERT_EQ(t.okno.focusWidget(), pole);
  QTest::keyClick(pole, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(rekord(t.dok), po);
  QTest::keyClick(pole, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(rekord(t.dok), przed);
}
