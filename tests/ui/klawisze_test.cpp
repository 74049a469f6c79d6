#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "ui/klawisze_planu.h"
#include "ui/okno_testowe.h"
#include "ui/panel_szablonow.h"
#include "ui/panel_torow.h"
#include "ui/widok_planu.h"

namespace {

// A key press the keyboard repeats while the key is held.
void powtorzony(QWidget* w, Qt::Key klawisz) {
  QKeyEvent nacisniecie(QEvent::KeyPress, klawisz, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(w, &nacisniecie);
}

const QTimer* timer_klawiszy(const okno_testowe& t) { return &t.okno.klawisze().powtarzanie(); }

}  // namespace

TEST(KlawiszePlanu, StrzalkiPrzesuwajaOMetrPlusMinusZNumerycznej) {
  okno_testowe t;
  QWidget* plan = t.okno.plan();
  const widok start = t.edytor.kamera;
  QTest::keyClick(plan, Qt::Key_Left);
  EXPECT_EQ(t.edytor.kamera.przes_x, start.przes_x + 1);
  QTest::keyClick(plan, Qt::Key_Right);
  QTest::keyClick(plan, Qt::Key_Right);
  EXPECT_EQ(t.edytor.kamera.przes_x, start.przes_x - 1);
  QTest::keyClick(plan, Qt::Key_Up);
  EXPECT_EQ(t.edytor.kamera.przes_y, start.przes_y - 1);
  QTest::keyClick(plan, Qt::Key_Down);
  QTest::keyClick(plan, Qt::Key_Down);
  EXPECT_EQ(t.edytor.kamera.przes_y, start.przes_y + 1);

  QTest::keyClick(plan, Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_EQ(t.edytor.kamera.skala, start.skala * 2);
  QTest::keyClick(plan, Qt::Key_Minus, Qt::KeypadModifier);
  QTest::keyClick(plan, Qt::Key_Minus, Qt::KeypadModifier);
  EXPECT_EQ(t.edytor.kamera.skala, start.skala / 2);
  // The main keyboard's + and - are not camera keys.
  QTest::keyClick(plan, Qt::Key_Plus);
  QTest::keyClick(plan, Qt::Key_Minus);
  EXPECT_EQ(t.edytor.kamera.skala, start.skala / 2);

  // Zoom stays within the camera's limits however often it is pressed.
  for (int i = 0; i < 80; ++i) QTest::keyClick(plan, Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_EQ(t.edytor.kamera.skala, SKALA_NAJWIEKSZA);
  for (int i = 0; i < 120; ++i) QTest::keyClick(plan, Qt::Key_Minus, Qt::KeypadModifier);
  EXPECT_EQ(t.edytor.kamera.skala, SKALA_NAJMNIEJSZA);
  EXPECT_FALSE(timer_klawiszy(t)->isActive()) << "every key was released";
}

TEST(KlawiszePlanu, TrzymanaStrzalkaPowtarzaIPrzestaje) {
  okno_testowe t;
  QWidget* plan = t.okno.plan();
  const double start = t.edytor.kamera.przes_x;
  EXPECT_FALSE(timer_klawiszy(t)->isActive()) << "nothing runs while nothing happens";
  QTest::keyPress(plan, Qt::Key_Left);
  EXPECT_EQ(t.edytor.kamera.przes_x, start + 1) << "the press acts at once";
  EXPECT_TRUE(timer_klawiszy(t)->isActive());
  // The keyboard's own repeats add nothing: the steady rate is the timer's.
  for (int i = 0; i < 5; ++i) powtorzony(plan, Qt::Key_Left);
  EXPECT_EQ(t.edytor.kamera.przes_x, start + 1);
  // Held, it goes on at the timer's pace, never faster (a loaded machine may only be slower).
  QElapsedTimer zegar;
  zegar.start();
  while (t.edytor.kamera.przes_x < start + 3 && zegar.elapsed() < 5000) QTest::qWait(5);
  const double trzymany = t.edytor.kamera.przes_x;
  EXPECT_GE(trzymany, start + 3);
  EXPECT_LE(trzymany - start - 1, zegar.elapsed() / klawisze_planu::ODSTEP_MS + 1);

  QTest::keyRelease(plan, Qt::Key_Left);
  EXPECT_FALSE(timer_klawiszy(t)->isActive());
  const double puszczony = t.edytor.kamera.przes_x;
  QTest::qWait(4 * klawisze_planu::ODSTEP_MS);
  EXPECT_EQ(t.edytor.kamera.przes_x, puszczony);
}

TEST(KlawiszePlanu, KlawiszeWPoluEdycjiNieDochodzaDoPlanu) {
  okno_testowe t;
  zbuduj_luk(t.dok.tor);
  t.dok.zgodny_z_plikiem("luk.vxm");
  t.dok.tor.zaznacz_wszystko();
  QLineEdit* promien = t.okno.torow()->pole_promienia;
  promien->setFocus();
  ASSERT_EQ(t.okno.focusWidget(), promien);
  QTest::keyClicks(promien, "25");
  QTest::keyClick(promien, Qt::Key_Left);
  QTest::keyClick(promien, Qt::Key_Delete);
  QTest::keyClick(promien, Qt::Key_A);
  QTest::keyClick(promien, Qt::Key_P);
  EXPECT_EQ(promien->text(), "2ap") << "the box got its keys";
  EXPECT_EQ(t.dok.tor.pmax(), 3) << "Delete in the box deleted nothing";
  EXPECT_EQ(t.edytor.kamera.przes_x, widok().przes_x);
  EXPECT_EQ(t.edytor.kamera.skala, widok().skala);
  EXPECT_TRUE(t.komunikaty.kody.empty());
  EXPECT_FALSE(t.dok.zmieniony());

  // A click on the plan takes the keys back: there the same key deletes.
  QTest::mouseClick(t.okno.plan(), Qt::MiddleButton);
  EXPECT_EQ(t.okno.focusWidget(), t.okno.plan());
  t.dok.tor.zaznacz_wszystko();
  QTest::keyClick(t.okno.plan(), Qt::Key_Delete);
  EXPECT_EQ(t.dok.tor.pmax(), 0);
  EXPECT_TRUE(t.dok.zmieniony());
}

TEST(KlawiszePlanu, DeleteAPRazNaNacisniecie) {
  okno_testowe t;
  zbuduj_luk(t.dok.tor);
  QWidget* plan = t.okno.plan();

  QTest::keyClick(plan, Qt::Key_P);
  powtorzony(plan, Qt::Key_P);
  powtorzony(plan, Qt::Key_P);
  EXPECT_EQ(t.komunikaty.kody, std::vector<unsigned>{KOM_JEDEN_WZORZEC}) << "one message for one press";

  QTest::keyClick(plan, Qt::Key_A);
  EXPECT_DOUBLE_EQ(t.edytor.kamera.skala, 0.019);

  t.dok.tor.p[1]->ZAZNACZ(true);
  powtorzony(plan, Qt::Key_Delete);
  EXPECT_EQ(t.dok.tor.pmax(), 3) << "a repeat alone does not delete";
  QTest::keyClick(plan, Qt::Key_Delete);
  EXPECT_EQ(t.dok.tor.pmax(), 2);
  t.dok.tor.zaznacz_wszystko();
  t.okno.menu().tryb_zdjecia->trigger();
  QTest::keyClick(plan, Qt::Key_Delete);
  EXPECT_EQ(t.dok.tor.pmax(), 2) << "Delete in picture mode leaves the track alone";
}

TEST(KlawiszePlanu, SzablonyStrzalkamiIEnter) {
  okno_testowe t;
  t.wczytaj_szablony();
  t.okno.menu().wybierz_element->trigger();
  ASSERT_TRUE(t.edytor.tryb_szablonu);
  QWidget* plan = t.okno.plan();
  QLabel* opis = t.okno.szablonow()->opis;

  QTest::keyClick(plan, Qt::Key_Right);
  const int drugi = t.dok.tor.szab_akt;
  EXPECT_TRUE(t.dok.tor.szablony[drugi].pasuje(t.edytor.rodzaj_transportu, t.edytor.przeswit_szablonu,
                                               t.edytor.rodzaj_szablonu));
  EXPECT_EQ(opis->text().toStdString(), t.dok.tor.nazwa_szablonu()) << "the name follows the key";
  powtorzony(plan, Qt::Key_Right);
  EXPECT_EQ(t.dok.tor.szab_akt, drugi) << "one step per press";
  EXPECT_FALSE(timer_klawiszy(t)->isActive());
  QTest::keyClick(plan, Qt::Key_Right);
  QTest::keyClick(plan, Qt::Key_Left);
  EXPECT_EQ(t.dok.tor.szab_akt, drugi) << "back to the previous match";

  // Criteria that nothing matches: message 25 and the shown template stays.
  t.edytor.rodzaj_transportu = 7;
  const int przed = t.dok.tor.szab_akt;
  QTest::keyClick(plan, Qt::Key_Right);
  EXPECT_EQ(t.komunikaty.kody, std::vector<unsigned>{KOM_BRAK_SZABLONU});
  EXPECT_EQ(t.dok.tor.szab_akt, przed);

  QTest::keyClick(plan, Qt::Key_Return);
  EXPECT_FALSE(t.edytor.tryb_szablonu);
  EXPECT_FALSE(t.okno.szablonow()->isVisible());
  EXPECT_TRUE(t.okno.torow()->isVisible());
}

TEST(KlawiszePlanu, ShiftZModyfikatorowZdarzenia) {
  okno_testowe t;
  QWidget* plan = t.okno.plan();
  QTest::keyPress(plan, Qt::Key_Shift, Qt::ShiftModifier);
  EXPECT_TRUE(t.edytor.mysz.shift);
  QTest::keyRelease(plan, Qt::Key_Shift);
  EXPECT_FALSE(t.edytor.mysz.shift);

  // Any key says whether Shift is held.
  QKeyEvent z_shiftem(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier);
  QApplication::sendEvent(plan, &z_shiftem);
  EXPECT_TRUE(t.edytor.mysz.shift);
  QKeyEvent bez_shiftu(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
  QApplication::sendEvent(plan, &bez_shiftu);
  EXPECT_FALSE(t.edytor.mysz.shift);
}
