// The plan widget: a frame only when asked for one, and nothing of one frame in the next.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "dokument/dokument.h"
#include "kontekst_gl.h"
#include "support/uklad_testowy.h"
#include "ui/widok_planu.h"

namespace {

void czekaj(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

TEST(WidokPlanu, RysujeTylkoNaZadanie) {
  dokument dok;
  stan_edytora edytor;
  widok_planu plan(dok, edytor);
  int klatki = 0;
  QObject::connect(&plan, &widok_planu::narysowano, [&] { ++klatki; });
  plan.show();
  czekaj(300);
  ASSERT_GE(klatki, 1);
  const int po_pokazaniu = klatki;
  czekaj(500);
  EXPECT_EQ(klatki, po_pokazaniu);
  plan.update();
  czekaj(300);
  EXPECT_EQ(klatki, po_pokazaniu + 1);
}

// A layer that leaves GL as no frame should: a matrix pushed and moved, texturing and the depth
// test on, wide lines.
class warstwa_balaganiarska : public warstwy_obrazow {
 public:
  void satki(malarz&, const widok&) override {
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glTranslatef(0.3f, 0.2f, 0);
    glMatrixMode(GL_PROJECTION);
    glScalef(0.5f, 0.5f, 1);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    glLineWidth(9);
    glPointSize(30);
  }
};

// One straight track across the plan.
tor_uklad& jeden_tor(dokument& dok) {
  tor_uklad& t = dok.tor;
  polacz_tor(t, dodaj_punkt_toru(t, 20, 20), dodaj_punkt_toru(t, 80, 50));
  t.przelicz_wszystko();
  return t;
}

TEST(WidokPlanu, KlatkaNieDziedziczyStanuGl) {
  dokument dok;
  jeden_tor(dok);
  stan_edytora edytor;
  widok_planu plan(dok, edytor);
  plan.show();
  czekaj(100);
  const QImage czysta = plan.grabFramebuffer();
  warstwa_balaganiarska balagan;
  plan.ustaw_obrazy(&balagan);
  const QImage z_balaganem = plan.grabFramebuffer();
  EXPECT_NE(rozne_piksele(czysta, z_balaganem), 0);  // the layer does change its own frame
  plan.ustaw_obrazy(nullptr);
  std::string pierwszy;
  EXPECT_EQ(rozne_piksele(czysta, plan.grabFramebuffer(), &pierwszy), 0) << pierwszy;
}

// The frame is drawn in a GL window of the plan's own: it is on the screen where the widget is,
// the grab of the window holding the widget shows it there, and the mouse and the focus stay
// with the widget.
TEST(WidokPlanu, WlasneOknoGlNaEkranieWZrzucieBezWejscia) {
  dokument dok;
  tor_uklad& t = jeden_tor(dok);
  stan_edytora edytor;
  ustaw_kadr(edytor.kamera, t.pokaz_wszystko());
  QWidget okno;
  okno.setFixedSize(1100, 680);
  auto* plan = new widok_planu(dok, edytor, &okno);
  plan->move(40, 30);
  plan->setFocusPolicy(Qt::ClickFocus);
  int zamienione = 0;
  QObject::connect(plan, &widok_planu::frameSwapped, [&] { ++zamienione; });
  okno.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));
  ASSERT_TRUE(QTest::qWaitFor([&] { return zamienione > 0; }, 5000));
  czekaj(200);

  const QImage klatka = plan->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
  const QImage pusta = [&] {
    QImage p(klatka.size(), QImage::Format_RGB32);
    p.fill(QColor::fromRgbF(0.8f, 0.8f, 0.8f));
    return p;
  }();
  ASSERT_NE(rozne_piksele(klatka, pusta), 0);  // the track is there
  const QRect miejsce(plan->pos(), plan->size());
  std::string pierwszy;
  const QImage zrzut = okno.grab().toImage().convertToFormat(QImage::Format_RGB32).copy(miejsce);
  EXPECT_EQ(rozne_piksele(klatka, zrzut, &pierwszy), 0) << pierwszy;
  const QPoint na_ekranie = plan->mapToGlobal(QPoint(0, 0));
  const QImage ekran = okno.screen()
                           ->grabWindow(0, na_ekranie.x(), na_ekranie.y(), plan->width(), plan->height())
                           .toImage()
                           .convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(rozne_piksele(klatka, ekran, &pierwszy), 0) << pierwszy;

  // What the display sends to the plan's place is the widget's; a click gives it the keys.
  const QPoint srodek = plan->mapToGlobal(plan->rect().center());
  EXPECT_EQ(QApplication::widgetAt(srodek), plan);
  okno.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
  QTest::mouseClick(plan, Qt::LeftButton, {}, plan->rect().center());
  EXPECT_EQ(QApplication::focusWidget(), plan);
}

}  // namespace
