// "Lista problemów" and "Profil wysokości" through their real widgets: the list is the tool's,
// follows edits, walks the user to a problem, exports CSV and keeps its limits; the profile
// opens on Ctrl+P (P alone keeps its meaning), follows edits, marks the hovered place and saves.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTreeView>
#include <fstream>
#include <nlohmann/json.hpp>

#include "analiza/problemy.h"
#include "io/projekt.h"
#include "support/katalog_tymczasowy.h"
#include "support/na_ekranie.h"
#include "support/uklad_testowy.h"
#include "ui/okno_problemow.h"
#include "ui/okno_profilu.h"
#include "ui/okno_testowe.h"
#include "ui/widok_planu.h"
#include "ui/znacznik_planu.h"

namespace {

std::string czytaj(const std::string& sciezka) {
  std::ifstream plik(sciezka, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(plik), {});
}

// A faulty bend, a steep line and two loose track ends 50 cm apart.
void zbuduj_problemy(tor_uklad& tor) {
  zbuduj_blad(tor);
  tor_punkt* a = dodaj_punkt_toru(tor, 200, 0);
  tor_punkt* b = dodaj_punkt_toru(tor, 200, 50);
  b->z = 10;
  polacz_tor(tor, a, b);
  tor_punkt* c = dodaj_punkt_toru(tor, 200.5, 50);
  polacz_tor(tor, c, dodaj_punkt_toru(tor, 230, 80));
  tor.przelicz_wszystko();
}

okno_problemow& lista(okno_testowe& t) { return *static_cast<okno_problemow*>(t.kontrolka<QWidget>("okno_problemow")); }
okno_profilu& profil_okna(okno_testowe& t) { return *static_cast<okno_profilu*>(t.kontrolka<QWidget>("okno_profilu")); }

QModelIndex wiersz_listy(const okno_problemow& o, int nr) {
  const QAbstractItemModel& m = *o.drzewo->model();
  for (int g = 0, od = 0; g < m.rowCount(); ++g) {
    const QModelIndex grupa = m.index(g, 0);
    if (nr < od + m.rowCount(grupa)) return m.index(nr - od, 0, grupa);
    od += m.rowCount(grupa);
  }
  return {};
}

}  // namespace

TEST(OknoProblemow, ListaOknaJestListaNarzedziaIIdzieZaEdycjami) {
  QSettings().remove("problemy");
  katalog_tymczasowy katalog;
  okno_testowe t;
  {
    tor_uklad tor;
    zbuduj_problemy(tor);
    ASSERT_TRUE(zapisz_projekt(katalog.plik("problemy.vxm"), tor, trasa_info{}));
  }
  t.pliki = {katalog.plik("problemy.vxm")};
  t.okno.menu().wczytaj_projekt->trigger();
  ASSERT_GT(t.dok.tor.pmax(), 0);

  // Shortcuts act in the active window.
  t.okno.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&t.okno));
  QTest::keyClick(&t.okno, Qt::Key_L, Qt::ControlModifier);
  okno_problemow& o = lista(t);
  ASSERT_TRUE(o.isVisible());
  ASSERT_FALSE(o.problemy().empty());

  QProcess cli;
  cli.start(VIALTOR_CLI, {"check", QString::fromStdString(katalog.plik("problemy.vxm")), "--all", "--json"});
  ASSERT_TRUE(cli.waitForFinished(60000));
  EXPECT_EQ(cli.exitCode(), 1);
  const nlohmann::json z_narzedzia = nlohmann::json::parse(cli.readAllStandardOutput().toStdString());
  ASSERT_EQ(z_narzedzia.size(), o.problemy().size());
  for (std::size_t i = 0; i < o.problemy().size(); ++i) {
    const problem& p = o.problemy()[i];
    EXPECT_EQ(z_narzedzia[i]["rodzaj"], klucz_rodzaju(p.rodzaj));
    EXPECT_EQ(z_narzedzia[i]["x"].get<double>(), p.x);
    EXPECT_EQ(z_narzedzia[i]["y"].get<double>(), p.y);
    EXPECT_EQ(z_narzedzia[i]["przedmiot"], opis_przedmiotu(p));
  }
  // Groups by kind, with their counts.
  const QAbstractItemModel& m = *o.drzewo->model();
  EXPECT_EQ(m.index(0, 0).data().toString(), QString::fromUtf8("Błąd geometrii toru (2)"));

  // An edit through the window: the steep line's top comes down, and its warnings go.
  const auto stromych = [&] {
    return std::count_if(o.problemy().begin(), o.problemy().end(),
                         [](const problem& p) { return p.rodzaj == rodzaj_problemu::duze_nachylenie; });
  };
  ASSERT_EQ(stromych(), 1);
  for (w_punkt* p : t.dok.tor.p)
    if (p->z == 10) p->z = 1;
  t.okno.po_edycji();
  EXPECT_TRUE(QTest::qWaitFor([&] { return stromych() == 0; }, 5000));
  // Undo brings them back.
  t.okno.menu().cofnij->trigger();
  EXPECT_TRUE(QTest::qWaitFor([&] { return stromych() == 1; }, 5000));

  // CSV: a header and a row per problem.
  t.pliki = {katalog.plik("lista.csv")};
  o.eksport_csv->click();
  const std::string csv = czytaj(katalog.plik("lista.csv"));
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), static_cast<long>(o.problemy().size() + 1));
  EXPECT_EQ(csv.rfind("waga;rodzaj;x;y;element;opis\nbłąd;blad_geometrii;", 0), 0u) << csv;
}

TEST(OknoProblemow, PodwojneKlikniecieCentrujeWidokIZaznaczaElement) {
  okno_testowe t;
  zbuduj_problemy(t.dok.tor);
  t.kontrolka<QAction>("lista_problemow")->trigger();
  okno_problemow& o = lista(t);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&o));
  int nr = -1;
  for (int i = 0; i < static_cast<int>(o.problemy().size()); ++i)
    if (o.problemy()[i].rodzaj == rodzaj_problemu::bliski_koniec) nr = i;
  ASSERT_GE(nr, 0);
  const problem p = o.problemy()[nr];
  const QModelIndex i = wiersz_listy(o, nr);
  o.drzewo->scrollTo(i);
  const QRect prostokat = o.drzewo->visualRect(i);
  QTest::mouseClick(o.drzewo->viewport(), Qt::LeftButton, {}, prostokat.center());
  QTest::mouseDClick(o.drzewo->viewport(), Qt::LeftButton, {}, prostokat.center());
  EXPECT_EQ(t.edytor.kamera.przes_x, -p.x);
  EXPECT_EQ(t.edytor.kamera.przes_y, -p.y);
  EXPECT_EQ(t.dok.tor.ile_zaznaczonych_punktow(), 1);
  EXPECT_TRUE(t.dok.tor.p[p.nr]->CZY_ZAZNACZONY());

  // Enter on a faulty line: the view goes where the geometry test would take it.
  t.edytor.kamera.przes_x = t.edytor.kamera.przes_y = 0;
  o.drzewo->setCurrentIndex(wiersz_listy(o, 0));
  o.drzewo->setFocus();
  QTest::keyClick(o.drzewo, Qt::Key_Return);
  double x = 0, y = 0;
  t.dok.tor.znajdz_blad(x, y);
  EXPECT_EQ(t.edytor.kamera.przes_x, -x);
  EXPECT_EQ(t.edytor.kamera.przes_y, -y);
  EXPECT_TRUE(t.dok.tor.l[o.problemy()[0].nr]->CZY_ZAZNACZONY());
}

TEST(OknoProblemow, UstawieniaWOknieZmieniajaListeISaZachowane) {
  QSettings().remove("problemy");
  {
    okno_testowe t;
    zbuduj_problemy(t.dok.tor);
    t.kontrolka<QAction>("lista_problemow")->trigger();
    okno_problemow& o = lista(t);
    const auto ile = [&](rodzaj_problemu r) {
      return std::count_if(o.problemy().begin(), o.problemy().end(), [&](const problem& p) { return p.rodzaj == r; });
    };
    ASSERT_EQ(ile(rodzaj_problemu::duze_nachylenie), 1);
    o.nachylenie_max->setValue(500);
    EXPECT_EQ(ile(rodzaj_problemu::duze_nachylenie), 0);
  }
  EXPECT_EQ(QSettings().value("problemy/nachylenie_max").toDouble(), 500);
  okno_testowe t;
  EXPECT_EQ(lista(t).nachylenie_max->value(), 500);
  QSettings().remove("problemy");
}

TEST(OknoProfilu, CtrlPPokazujeProfilZaznaczeniaIPZostajeSoba) {
  katalog_tymczasowy katalog;
  okno_testowe t;
  zbuduj_luk(t.dok.tor);
  t.dok.tor.p[0]->z = 0.5;
  t.dok.tor.przelicz_wszystko();
  // P alone, nothing selected: the make-parallel command and its message, no profile.
  t.okno.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&t.okno));
  t.okno.plan()->setFocus();
  QTest::keyClick(t.okno.plan(), Qt::Key_P);
  EXPECT_EQ(t.komunikaty.kody, std::vector<unsigned>{KOM_JEDEN_WZORZEC});
  EXPECT_FALSE(profil_okna(t).isVisible());

  t.dok.tor.p[0]->ZAZNACZ(true);
  QTest::keyClick(t.okno.plan(), Qt::Key_P, Qt::ControlModifier);
  okno_profilu& o = profil_okna(t);
  ASSERT_TRUE(o.isVisible());
  EXPECT_EQ(t.komunikaty.kody.size(), 1u);
  EXPECT_FALSE(t.edytor.mysz.czeka_rownolegle);
  ASSERT_EQ(o.profil().odcinki.size(), 3u);
  const double przed = o.profil().dlugosc();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&o));

  // Hovering names the place and marks it on the plan.
  const rysunek_profilu& r = o.wykres->rysunek();
  // Sent straight to the picture: QTest would move the display's real pointer.
  const QPoint kursor(static_cast<int>(r.x_z_drogi(45)), static_cast<int>(r.y_z_wysokosci(0.25)));
  QMouseEvent ruch(QEvent::MouseMove, kursor, o.wykres->mapToGlobal(kursor), Qt::NoButton, Qt::NoButton, {});
  QApplication::sendEvent(o.wykres, &ruch);
  EXPECT_TRUE(o.opis->text().startsWith(QString::fromUtf8("odległość 4"))) << o.opis->text().toStdString();
  EXPECT_TRUE(o.opis->text().contains(QString::fromUtf8("nachylenie 5.6 ‰"))) << o.opis->text().toStdString();
  // The mark stands on the plan where the profile's place is.
  ASSERT_TRUE(o.znacznik->miejsce());
  const wektor miejsce = *o.znacznik->miejsce();
  EXPECT_NEAR(miejsce.x, o.profil().miejsce(o.wykres->rysunek().droga_z_x(kursor.x())).x, 1e-9);
  EXPECT_NEAR(miejsce.y, 0, 1e-9);
  const polozenie_na_ekranie piksel = na_ekranie(t.edytor.kamera, miejsce.x, miejsce.y);
  EXPECT_NEAR(o.znacznik->piksel().x(), piksel.x, 1e-6);
  EXPECT_NEAR(o.znacznik->piksel().y(), piksel.y, 1e-6);
  // Drawn in the plan's own frame, at that place (the cross's arm beside the ring), on the
  // screen from the next frame on.
  const QPoint ramie = (o.znacznik->piksel() + QPointF(7, 0)).toPoint();
  const QPoint ramie_na_ekranie = t.okno.plan()->mapToGlobal(ramie);
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        return t.okno.screen()->grabWindow(0, ramie_na_ekranie.x(), ramie_na_ekranie.y(), 1, 1).toImage().pixel(0, 0) ==
               qRgb(220, 0, 220);
      },
      3000));
  const QImage plan = t.okno.plan()->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(plan.pixel(ramie), qRgb(220, 0, 220));
  EXPECT_NE(plan.pixel(ramie + QPoint(0, 6)), qRgb(220, 0, 220));

  // It follows an edit of the layout.
  t.dok.tor.p[2]->SET_Y(150);
  t.dok.tor.przelicz_wszystko();
  t.okno.po_edycji();
  EXPECT_TRUE(QTest::qWaitFor([&] { return o.profil().dlugosc() > przed + 40; }, 5000));

  t.pliki = {katalog.plik("profil.svg"), katalog.plik("profil.png")};
  o.zapisz_svg_przycisk->click();
  o.zapisz_png_przycisk->click();
  EXPECT_EQ(czytaj(katalog.plik("profil.svg")), profil_svg(o.wykres->rysunek()));
  QImage png(QString::fromStdString(katalog.plik("profil.png")));
  EXPECT_EQ(png.size(), o.wykres->size() * o.wykres->devicePixelRatio());
  if (const char* zrzut = std::getenv("VIALTOR_ZRZUT_PROFILU")) o.grab().save(zrzut);
}
