#include <gtest/gtest.h>

#include <QImage>
#include <QSlider>
#include <QTest>
#include <cstdlib>

#include "support/uklad_testowy.h"
#include "ui/obrazy_okna.h"
#include "ui/obrazy_planu.h"
#include "ui/okno_glowne.h"
#include "ui/panel_zdjec.h"
#include "ui/polecenia_obrazow.h"
#include "ui/stos_cofania.h"
#include "ui/widok_planu.h"

namespace {

const obrazek& obrazek_0(okno_obrazow& t) { return t.obrazy().zdjecia().obrazki().at(0); }

struct oczekiwany_ruch {
  double ax, ay;                 // grabbed at
  double x1, y1, x2, y2;         // after a drag by (5, 3)
};

}  // namespace

// The body, each edge and each corner, dragged by (5, 3) m in picture mode.
TEST(MyszZdjec, PrzeciaganieCialaKrawedziINaroznikow) {
  const oczekiwany_ruch ruchy[] = {
      {20, 15, 5, 3, 45, 33},  // body
      {0, 0, 5, 3, 40, 30},    // corner x1 y1
      {40, 0, 0, 3, 45, 30},   // corner x2 y1
      {40, 30, 0, 0, 45, 33},  // corner x2 y2
      {0, 30, 5, 0, 40, 33},   // corner x1 y2
      {20, 0, 0, 3, 40, 30},   // bottom edge
      {20, 30, 0, 0, 40, 33},  // top edge
      {0, 15, 5, 0, 40, 30},   // left edge
      {40, 15, 0, 0, 45, 30},  // right edge
  };
  for (const oczekiwany_ruch& r : ruchy) {
    okno_obrazow t;
    t.okno.ustaw_tryb_edycji(TRYB_ZDJECIA);
    t.jeden_obrazek(0, 0, 40, 30);
    const widok kamera = t.edytor.kamera;
    t.ciagnij(Qt::LeftButton, r.ax, r.ay, r.ax + 5, r.ay + 3);
    const obrazek& o = obrazek_0(t);
    EXPECT_EQ(o.x1, r.x1) << r.ax << " " << r.ay;
    EXPECT_EQ(o.y1, r.y1) << r.ax << " " << r.ay;
    EXPECT_EQ(o.x2, r.x2) << r.ax << " " << r.ay;
    EXPECT_EQ(o.y2, r.y2) << r.ax << " " << r.ay;
    EXPECT_EQ(t.edytor.kamera.przes_x, kamera.przes_x);
  }
}

// A locked picture stays; the view pans with the cursor instead. Off the pictures the view pans.
TEST(MyszZdjec, ZablokowanyPrzesuwaWidok) {
  okno_obrazow t;
  t.okno.ustaw_tryb_edycji(TRYB_ZDJECIA);
  t.jeden_obrazek(0, 0, 40, 30);
  t.obrazy().chwyc(20, 15);
  t.obrazy().zdjecia().ustaw_zablokowany(true);
  t.ciagnij(Qt::LeftButton, 20, 15, 25, 18);
  EXPECT_EQ(obrazek_0(t).x1, 0);
  EXPECT_EQ(obrazek_0(t).y2, 30);
  EXPECT_DOUBLE_EQ(t.edytor.kamera.przes_x, -35);
  EXPECT_DOUBLE_EQ(t.edytor.kamera.przes_y, -22);
}

// The right button turns the picture grabbed last by the horizontal movement; not when locked.
TEST(MyszZdjec, PrawyPrzyciskObraca) {
  okno_obrazow t;
  t.okno.ustaw_tryb_edycji(TRYB_ZDJECIA);
  t.jeden_obrazek(0, 0, 40, 30);
  t.klik(Qt::LeftButton, 20, 15);
  t.ciagnij(Qt::RightButton, 20, 15, 24, 10);
  EXPECT_DOUBLE_EQ(obrazek_0(t).rotacja, 4);
  EXPECT_EQ(obrazek_0(t).x1, 0);
  t.obrazy().zdjecia().ustaw_zablokowany(true);
  t.ciagnij(Qt::RightButton, 20, 15, 30, 15);
  EXPECT_DOUBLE_EQ(obrazek_0(t).rotacja, 4);
}

// A drag, a rotation, a held opacity slider and a deletion are one undo step each; undo and redo
// walk the pictures back and forth through every state.
TEST(MyszZdjec, KazdaZmianaObrazkaToJedenKrokCofania) {
  okno_obrazow t;
  t.okno.ustaw_tryb_edycji(TRYB_ZDJECIA);
  t.jeden_obrazek(0, 0, 40, 30);
  const lista_obrazkow& l = t.obrazy().zdjecia();
  const int poczatek = t.okno.cofanie().stos().count();
  std::vector<std::vector<obrazek>> stany{l.opis()};
  t.ciagnij(Qt::LeftButton, 20, 15, 25, 18);
  stany.push_back(l.opis());
  t.ciagnij(Qt::RightButton, 25, 18, 29, 18);
  stany.push_back(l.opis());
  QSlider* suwak = t.okno.zdjec()->suwak_przezroczystosci;
  suwak->setSliderDown(true);
  suwak->setValue(10);
  suwak->setValue(20);
  suwak->setSliderDown(false);
  stany.push_back(l.opis());
  t.okno.polecenia_obrazow_okna().usun_wybrane_zdjecie();
  stany.push_back(l.opis());
  ASSERT_EQ(t.okno.cofanie().stos().count(), poczatek + 4);
  EXPECT_EQ(stany[1][0].x1, 5);
  EXPECT_DOUBLE_EQ(stany[2][0].rotacja, 4);
  EXPECT_DOUBLE_EQ(stany[3][0].przezroczystosc, 0.5);
  EXPECT_TRUE(stany[4].empty());
  for (int i = 4; i > 0; --i) {
    t.okno.cofnij();
    EXPECT_EQ(l.opis(), stany[static_cast<std::size_t>(i - 1)]) << i;
  }
  for (int i = 1; i <= 4; ++i) {
    t.okno.ponow();
    EXPECT_EQ(l.opis(), stany[static_cast<std::size_t>(i)]) << i;
  }
}

// Tiles, a picture and track together, against a committed picture. To make it again:
//   VIALTOR_NOWE_WZORCE=1 xvfb-run -a -s "-screen 0 1280x1024x24"
//     build/tests/ui/vialtor_testy_obrazow --gtest_filter=ZlotyObraz.*
TEST(ZlotyObraz, SatkiObrazekITor) {
  okno_obrazow t;
  t.okno.polecenia_obrazow_okna().wczytaj_domyslne();
  zbuduj_luk(t.dok.tor);
  // The arc, the town's south-west corner and the bundled map's corner at (140, 140).
  t.edytor.kamera.skala = 0.01;
  t.edytor.kamera.przes_x = -130;
  t.edytor.kamera.przes_y = -90;
  t.czekaj_na_satki();
  const QImage obraz = t.okno.plan()->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
  const QString wzorzec = QString(VIALTOR_ZRODLA) + "/tests/ui/wzorce/satki_obrazek_tor.png";
  if (std::getenv("VIALTOR_NOWE_WZORCE")) {
    ASSERT_TRUE(obraz.save(wzorzec));
  }
  const QImage oczekiwany = QImage(wzorzec).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(oczekiwany.size(), obraz.size());
  // JPEG decoding and llvmpipe's filtering may move a channel by a few levels.
  int rozne = 0;
  for (int y = 0; y < obraz.height(); ++y) {
    for (int x = 0; x < obraz.width(); ++x) {
      const QRgb a = obraz.pixel(x, y), b = oczekiwany.pixel(x, y);
      if (std::abs(qRed(a) - qRed(b)) > 8 || std::abs(qGreen(a) - qGreen(b)) > 8 ||
          std::abs(qBlue(a) - qBlue(b)) > 8)
        ++rozne;
    }
  }
  EXPECT_LT(rozne, obraz.width() * obraz.height() / 500);
}

// Picture mode keeps the track's middle-button box and the keys A and P; only Delete acts on
// the pictures there.
TEST(MyszZdjec, RamkaIKlawiszeAPTakzeWTrybieZdjec) {
  okno_obrazow t;
  tor_uklad& tor = t.dok.tor;
  for (const double x : {10, 30, 70}) dodaj_punkt_toru(tor, x, 10);
  tor.przelicz_wszystko();
  t.jeden_obrazek(0, 0, 40, 30);
  t.okno.ustaw_tryb_edycji(TRYB_ZDJECIA);

  t.ciagnij(Qt::MiddleButton, 5, 5, 35, 15);
  EXPECT_TRUE(tor.p[0]->CZY_ZAZNACZONY());
  EXPECT_TRUE(tor.p[1]->CZY_ZAZNACZONY());
  EXPECT_FALSE(tor.p[2]->CZY_ZAZNACZONY());

  QTest::keyClick(t.plan(), Qt::Key_P);
  EXPECT_EQ(t.komunikaty.kody, std::vector<unsigned>{KOM_JEDEN_WZORZEC}) << "no single line selected";
  widok caly = t.edytor.kamera;
  ustaw_kadr(caly, tor.pokaz_wszystko());
  QTest::keyClick(t.plan(), Qt::Key_A);
  EXPECT_EQ(t.edytor.kamera.skala, caly.skala);
  EXPECT_EQ(t.edytor.kamera.przes_x, caly.przes_x);

  t.obrazy().chwyc(20, 15);
  QTest::keyClick(t.plan(), Qt::Key_Delete);
  EXPECT_TRUE(t.obrazy().zdjecia().obrazki().empty());
  EXPECT_EQ(tor.pmax(), 3);
}

// The pictures panel follows undo and redo: the opacity slider shows the chosen picture's.
TEST(MyszZdjec, SuwakPrzezroczystosciZaCofaniemIPonowieniem) {
  okno_obrazow t;
  t.okno.ustaw_tryb_edycji(TRYB_ZDJECIA);
  t.jeden_obrazek(0, 0, 40, 30);
  QSlider* suwak = t.okno.zdjec()->suwak_przezroczystosci;
  suwak->setValue(10);  // nothing chosen: the slider changes no picture
  t.klik(Qt::LeftButton, 20, 15);
  EXPECT_EQ(suwak->value(), 40) << "the chosen picture's opacity";
  QTest::keyClick(suwak, Qt::Key_PageDown);
  ASSERT_DOUBLE_EQ(obrazek_0(t).przezroczystosc, 0.75);
  t.okno.menu().cofnij->trigger();
  EXPECT_DOUBLE_EQ(obrazek_0(t).przezroczystosc, 1.0);
  EXPECT_EQ(suwak->value(), 40);
  t.okno.menu().ponow->trigger();
  EXPECT_EQ(suwak->value(), 30);
}
