#include <gtest/gtest.h>

#include <array>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "app/stan.h"
#include "imagery/plik_cor.h"
#include "imagery/plik_pcr.h"
#include "io/gz_plik.h"
#include "support/katalog_tymczasowy.h"
#include "ui/obrazy_okna.h"
#include "ui/obrazy_planu.h"
#include "ui/panel_ladowania.h"
#include "ui/panel_satek.h"
#include "ui/panel_zdjec.h"
#include "ui/polecenia_obrazow.h"
#include "ui/widok_planu.h"

namespace {

const obrazek& pierwszy(okno_obrazow& t) { return t.obrazy().zdjecia().obrazki().at(0); }

void wybierz(okno_obrazow& t, double x, double y) {
  t.obrazy().chwyc(x, y);
  ASSERT_GE(t.obrazy().zdjecia().wybrany(), 0);
}

}  // namespace

// Every control of the pictures panel acts on the chosen picture; none of them on no choice.
TEST(PanelZdjec, KontrolkiNaWybranymObrazku) {
  okno_obrazow t;
  t.okno.ustaw_tryb_edycji(TRYB_ZDJECIA);
  panel_zdjec* p = t.okno.zdjec();
  t.jeden_obrazek(0, 0, 40, 30);

  // Nothing chosen yet: the buttons change nothing.
  QTest::mouseClick(p->odbij_x, Qt::LeftButton);
  EXPECT_EQ(pierwszy(t).x1, 0);

  wybierz(t, 20, 15);
  QTest::mouseClick(p->odbij_x, Qt::LeftButton);
  QTest::mouseClick(p->odbij_y, Qt::LeftButton);
  EXPECT_EQ(pierwszy(t).x1, 40);
  EXPECT_EQ(pierwszy(t).x2, 0);
  EXPECT_EQ(pierwszy(t).y1, 30);
  QTest::mouseClick(p->zamien_xy, Qt::LeftButton);
  EXPECT_TRUE(pierwszy(t).zamien_xy);
  t.obrazy().obroc(12);
  QTest::mouseClick(p->kasuj_rotacje, Qt::LeftButton);
  EXPECT_EQ(pierwszy(t).rotacja, 0);
  p->suwak_przezroczystosci->setValue(20);
  EXPECT_DOUBLE_EQ(pierwszy(t).przezroczystosc, 0.5);
  p->widoczny->setChecked(false);
  EXPECT_FALSE(pierwszy(t).widoczny);
  p->zablokowany->setChecked(true);
  EXPECT_TRUE(pierwszy(t).zablokowany);
  p->biale_linie->setChecked(true);
  EXPECT_TRUE(stan.rysowanie.biale_linie);
  p->biale_linie->setChecked(false);

  // The hit test shows the chosen picture's flags; a miss hides them.
  t.obrazy().chwyc(500, 500);
  EXPECT_TRUE(p->widoczny->isHidden());
  wybierz(t, 20, 15);
  EXPECT_FALSE(p->widoczny->isHidden());
  EXPECT_FALSE(p->widoczny->isChecked());
  EXPECT_TRUE(p->zablokowany->isChecked());
}

TEST(PanelZdjec, NaWierzchIPodSpod) {
  okno_obrazow t;
  std::vector<obrazek> dwa(2);
  dwa[0].sciezka = "dol", dwa[0].x2 = 10, dwa[0].y2 = 10;
  dwa[1].sciezka = "gora", dwa[1].x1 = 20, dwa[1].x2 = 30, dwa[1].y2 = 10;
  t.obrazy().z_kontekstem([&] { t.obrazy().zdjecia().zastap(std::move(dwa)); });
  wybierz(t, 5, 5);
  QTest::mouseClick(t.okno.zdjec()->na_wierzch, Qt::LeftButton);
  EXPECT_EQ(t.obrazy().zdjecia().obrazki().back().sciezka, "dol");
  QTest::mouseClick(t.okno.zdjec()->pod_spod, Qt::LeftButton);
  EXPECT_EQ(pierwszy(t).sciezka, "dol");
}

// The blinking timer runs only while "Migający" is checked; each switch-on starts the cycle anew.
TEST(PanelZdjec, MiganieTylkoGdyZaznaczone) {
  okno_obrazow t;
  t.jeden_obrazek(0, 0, 40, 30);
  QCheckBox* migajacy = t.okno.zdjec()->migajacy;
  EXPECT_FALSE(t.obrazy().timer_migania_aktywny());
  migajacy->setChecked(true);
  EXPECT_TRUE(t.obrazy().timer_migania_aktywny());
  EXPECT_FALSE(t.obrazy().zdjecia().ukryte_przez_miganie());
  EXPECT_TRUE(QTest::qWaitFor([&t] { return t.obrazy().zdjecia().ukryte_przez_miganie(); }, 1000));
  migajacy->setChecked(false);
  EXPECT_FALSE(t.obrazy().timer_migania_aktywny());
  EXPECT_FALSE(t.obrazy().zdjecia().ukryte_przez_miganie());
  migajacy->setChecked(true);
  EXPECT_FALSE(t.obrazy().zdjecia().ukryte_przez_miganie());
  migajacy->setChecked(false);
}

// Blinking draws a frame only where the pictures appear or disappear: a cycle of half a second
// is two frames, not a frame every few milliseconds; and none while the view does not show them.
TEST(PanelZdjec, MiganieRysujeTylkoPrzyZmianie) {
  okno_obrazow t;
  t.jeden_obrazek(0, 0, 40, 30);
  QTest::qWait(50);
  int klatki = 0;
  QObject::connect(t.okno.plan(), &widok_planu::narysowano, [&klatki] { ++klatki; });
  t.okno.zdjec()->migajacy->setChecked(true);
  QTest::qWait(1000);
  EXPECT_GE(klatki, 1);
  EXPECT_LE(klatki, 6);

  // With the picture out of view, the pictures not shown, or the picture hidden, blinking
  // changes nothing on screen: no frames.
  t.edytor.kamera.przes_x = -1000;
  t.okno.plan()->update();
  QTest::qWait(50);
  klatki = 0;
  QTest::qWait(700);
  EXPECT_EQ(klatki, 0) << "out of view";
  t.edytor.kamera.przes_x = -20;
  QCheckBox* zdjecia_mapki = t.kontrolka<QCheckBox>("zdjecia_mapki");
  ASSERT_NE(zdjecia_mapki, nullptr);
  zdjecia_mapki->setChecked(false);
  QTest::qWait(50);
  klatki = 0;
  QTest::qWait(700);
  EXPECT_EQ(klatki, 0) << "pictures not shown";
  zdjecia_mapki->setChecked(true);
  t.obrazy().z_kontekstem([&] {
    std::vector<obrazek> ukryty = t.obrazy().zdjecia().opis();
    ukryty[0].widoczny = false;
    t.obrazy().zdjecia().zastap(std::move(ukryty));
  });
  t.okno.plan()->update();
  QTest::qWait(50);
  klatki = 0;
  QTest::qWait(700);
  EXPECT_EQ(klatki, 0) << "hidden";
  t.okno.zdjec()->migajacy->setChecked(false);
}

namespace {

// The plan's layers, counting the frames that drew the pictures.
struct warstwy_liczace : warstwy_obrazow {
  explicit warstwy_liczace(obrazy_planu& o) : o(o) {}
  void satki(malarz& m, const widok& w) override { o.satki(m, w); }
  void zdjecia(malarz& m, const widok& w) override {
    ++rysowania;
    o.zdjecia(m, w);
  }
  void ramki_zdjec(malarz& m, const widok& w) override { o.ramki_zdjec(m, w); }
  bool ukryte_przez_miganie() const override { return o.ukryte_przez_miganie(); }
  obrazy_planu& o;
  int rysowania = 0;
};

// The frame's pixels as the plan's framebuffer holds them (read inside its frame).
QImage piksele_klatki(const widok_planu& plan) {
  QImage obraz(plan.width(), plan.height(), QImage::Format_RGBA8888_Premultiplied);
  QOpenGLContext::currentContext()->functions()->glReadPixels(0, 0, obraz.width(), obraz.height(), GL_RGBA,
                                                               GL_UNSIGNED_BYTE, obraz.bits());
  return obraz.mirrored();
}

}  // namespace

// A blink shows the frame of the pictures' new phase, pixel for pixel the frame that draws every
// layer, without drawing the pictures again once each phase was drawn; a change of the view
// during blinking is drawn, also in the frame of a blink, and the blinks after it show it.
TEST(PanelZdjec, MiganiePokazujeZachowaneKlatki) {
  okno_obrazow t;
  t.jeden_obrazek(0, 0, 40, 30);
  warstwy_liczace warstwy(t.obrazy());
  widok_planu& plan = *t.okno.plan();
  plan.ustaw_obrazy(&warstwy);
  std::vector<std::pair<bool, QImage>> klatki;  // hidden by blinking, pixels
  QObject::connect(&plan, &widok_planu::narysowano,
                   [&] { klatki.emplace_back(t.obrazy().ukryte_przez_miganie(), piksele_klatki(plan)); });
  const auto narysuj = [&] {
    klatki.clear();
    plan.update();
    return QTest::qWaitFor([&] { return !klatki.empty(); }, 5000) ? klatki.back().second : QImage();
  };
  // Both phases drawn whole, in the first view and in one panned by 5 m.
  const double x = t.edytor.kamera.przes_x;
  std::array<QImage, 4> wzorce;
  for (int i = 0; i < 4; ++i) {
    t.edytor.kamera.przes_x = i < 2 ? x : x + 5;
    t.edytor.pokaz_zdjecia = i % 2 == 0;
    wzorce[i] = narysuj();
  }
  t.edytor.pokaz_zdjecia = true;
  t.edytor.kamera.przes_x = x;
  ASSERT_NE(wzorce[0], wzorce[1]);
  ASSERT_NE(wzorce[0], wzorce[2]);
  narysuj();
  const auto sprawdz = [&](int widok) {
    int ukryte = 0;
    for (std::size_t i = 0; i < klatki.size(); ++i) {
      ukryte += klatki[i].first;
      EXPECT_TRUE(klatki[i].second == wzorce[widok + klatki[i].first]) << "view " << widok << ", frame " << i;
    }
    // Each phase shown again from what was kept: the pictures drawn in the first frame and the
    // first of each phase alone.
    EXPECT_GE(ukryte, 2);
    EXPECT_GE(static_cast<int>(klatki.size()) - ukryte, 2);
    EXPECT_LE(warstwy.rysowania, 3) << "view " << widok;
    klatki.clear();
    warstwy.rysowania = 0;
  };
  klatki.clear();
  warstwy.rysowania = 0;
  t.okno.zdjec()->migajacy->setChecked(true);
  QTest::qWait(2000);
  sprawdz(0);
  t.edytor.kamera.przes_x = x + 5;
  plan.update();
  QTest::qWait(2000);
  sprawdz(2);
  t.edytor.kamera.przes_x = x;
  plan.update();
  plan.migniecie();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !klatki.empty(); }, 5000));
  EXPECT_TRUE(klatki[0].second == wzorce[klatki[0].first ? 1 : 0]);
  t.okno.zdjec()->migajacy->setChecked(false);
  plan.ustaw_obrazy(&t.obrazy());
}

// Cancelled dialogs are told apart from chosen files: message 8, the log line, nothing used.
TEST(PanelZdjec, AnulowaneOknaPlikow) {
  okno_obrazow t;
  t.jeden_obrazek(0, 0, 40, 30);
  QTest::mouseClick(t.okno.zdjec()->dodaj_z_pliku, Qt::LeftButton);
  QTest::mouseClick(t.okno.zdjec()->wczytaj_calosc, Qt::LeftButton);
  QTest::mouseClick(t.okno.zdjec()->zapisz_calosc, Qt::LeftButton);
  QTest::mouseClick(t.okno.satek()->wczytaj, Qt::LeftButton);
  QTest::mouseClick(t.okno.satek()->zapisz, Qt::LeftButton);
  EXPECT_EQ(t.komunikaty.kody, std::vector<unsigned>(5, KOM_PLIK_NIE_ISTNIEJE));
  EXPECT_EQ(t.wzory, (QStringList{"*.bmp *.jpg *.jpeg *.png *.tif *.tiff *.gif *.jp2", "*.pcr", "*.pcr", "*.cor", "*.cor"}));
  for (const char* linia : {"pic-coords load: brak pliku!\n", "pic-coords save: brak pliku!\n",
                            "sat-coords load: brak pliku!\n", "sat-coords save: brak pliku!\n"})
    EXPECT_NE(t.log.tresc().find(linia), std::string::npos) << linia;
  EXPECT_EQ(t.obrazy().zdjecia().obrazki().size(), 1u);
}

// An image that cannot be read is refused by name and reason, and a corrupt picture file leaves
// the pictures on screen and the program going.
TEST(PanelZdjec, NieczytelnyObrazOdrzuconyZNazwa) {
  okno_obrazow t;
  katalog_tymczasowy k;
  t.jeden_obrazek(0, 0, 40, 30);
  const std::string pusty = k.plik("pusty.jpg"), jpg = k.plik("zly.jpg"), pcr = k.plik("zly.pcr");
  zapisz_bajty(pusty, "");
  zapisz_bajty(jpg, std::string("\xff\xd8\xff\xe0 to nie jest obraz", 22));
  zapisz_gz(pcr, std::vector<std::uint8_t>{0, 0, 0, 0, 0x82, 0x05, 0, 0, 0xff, 0xff, 0xff, 0x7f});

  t.pliki = {pusty, jpg, pcr};
  QTest::mouseClick(t.okno.zdjec()->dodaj_z_pliku, Qt::LeftButton);
  QTest::mouseClick(t.okno.zdjec()->dodaj_z_pliku, Qt::LeftButton);
  EXPECT_EQ(t.obrazy().zdjecia().obrazki().size(), 1u);
  ASSERT_EQ(t.komunikaty.teksty.size(), 2u);
  EXPECT_EQ(t.komunikaty.teksty[0], "Obraz " + pusty + " nie został dodany: plik jest pusty");
  EXPECT_EQ(t.komunikaty.teksty[1].rfind("Obraz " + jpg + " nie został dodany: ", 0), 0u) << t.komunikaty.teksty[1];
  EXPECT_EQ(t.log.tresc().find("LOAD TEXTURE OK C"), std::string::npos);
  QTest::mouseClick(t.okno.zdjec()->wczytaj_calosc, Qt::LeftButton);
  ASSERT_EQ(t.obrazy().zdjecia().obrazki().size(), 1u);
  EXPECT_EQ(pierwszy(t).x2, 40);
  EXPECT_EQ(t.komunikaty.kody.back(), KOM_TEKST);
  t.okno.plan()->grabFramebuffer();  // still draws
}

// Pictures of a file whose images are missing or unreadable stay (the file names them); the user
// is told once, after the frame that first drew them, which images could not be read.
TEST(PanelZdjec, BrakujaceObrazyPlikuPcrZgloszoneRaz) {
  okno_obrazow t;
  katalog_tymczasowy k;
  obrazek brak, pusty;
  brak.sciezka = k.plik("nie_ma.bmp");
  pusty.sciezka = k.plik("pusty.jpg");
  zapisz_bajty(pusty.sciezka, "");
  zapisz_gz(k.plik("a.pcr"), koduj_pcr({brak, pusty}));
  t.pliki = {k.plik("a.pcr")};
  QTest::mouseClick(t.okno.zdjec()->wczytaj_calosc, Qt::LeftButton);
  const std::size_t przed = t.komunikaty.teksty.size();
  t.okno.plan()->grabFramebuffer();
  ASSERT_TRUE(QTest::qWaitFor([&] { return t.komunikaty.teksty.size() > przed; }, 2000));
  EXPECT_EQ(t.komunikaty.teksty.back(), "Nie udało się odczytać obrazów:\n" + brak.sciezka +
                                            " (nie można otworzyć pliku (No such file or directory))\n" + pusty.sciezka +
                                            " (plik jest pusty)");
  EXPECT_EQ(t.obrazy().zdjecia().obrazki().size(), 2u);
  // The same file loaded again: its images are tried again, and not told again.
  t.pliki = {k.plik("a.pcr")};
  QTest::mouseClick(t.okno.zdjec()->wczytaj_calosc, Qt::LeftButton);
  t.okno.plan()->grabFramebuffer();
  QTest::qWait(50);
  EXPECT_EQ(t.komunikaty.teksty.size(), przed + 1);
}

TEST(PanelZdjec, ZapisIWczytanieCalosci) {
  okno_obrazow t;
  katalog_tymczasowy k;
  t.jeden_obrazek(1, 2, 3, 4);
  t.pliki = {k.plik("a.pcr"), k.plik("a.pcr")};
  QTest::mouseClick(t.okno.zdjec()->zapisz_calosc, Qt::LeftButton);
  t.jeden_obrazek(10, 20, 30, 40);
  QTest::mouseClick(t.okno.zdjec()->wczytaj_calosc, Qt::LeftButton);
  ASSERT_EQ(t.obrazy().zdjecia().obrazki().size(), 1u);
  EXPECT_EQ(pierwszy(t).x1, 1);
  EXPECT_EQ(pierwszy(t).y2, 4);
  EXPECT_TRUE(t.komunikaty.kody.empty());
}

// The tile panel: the check box shows its controls and the tiles, the slider their opacity, the
// boxes a new origin; bad values and files change nothing.
TEST(PanelSatek, KontrolkiIWspolrzedne) {
  okno_obrazow t;
  katalog_tymczasowy k;
  t.okno.menu().ortofotomapa->trigger();
  panel_satek* p = t.okno.satek();
  ASSERT_TRUE(p->isVisible());
  EXPECT_EQ(p->pole_x->text(), "4780");
  EXPECT_TRUE(p->wczytaj->isHidden());
  p->ortofotomapa->setChecked(true);
  EXPECT_FALSE(p->wczytaj->isHidden());
  EXPECT_TRUE(t.obrazy().satki_widoczne());
  p->suwak_przezroczystosci->setValue(10);
  EXPECT_DOUBLE_EQ(t.obrazy().przezroczystosc_satek(), 0.25);

  p->pole_x->setText("-3");
  p->pole_y->setText("12345.7");
  QTest::mouseClick(p->aktualizuj_wspolrzedne, Qt::LeftButton);
  EXPECT_EQ(t.obrazy().satki_mapy().kolumna_poczatku(), -3);
  EXPECT_EQ(t.obrazy().satki_mapy().wiersz_poczatku(), 12345);
  for (const char* zla : {"1e300", "nan", "-inf"}) {
    p->pole_x->setText(zla);
    QTest::mouseClick(p->aktualizuj_wspolrzedne, Qt::LeftButton);
    EXPECT_EQ(t.obrazy().satki_mapy().kolumna_poczatku(), -3) << zla;
    EXPECT_EQ(p->pole_x->text(), "-3") << zla;
    EXPECT_NE(t.komunikaty.teksty.back().find(std::string("nie został zmieniony: X i Y muszą być liczbami od "
                                                          "-2147483648 do 2147483647 (wpisano X = ") + zla),
              std::string::npos)
        << t.komunikaty.teksty.back();
  }

  // Saved, changed, read back: origin and camera as they were.
  const widok przed = t.edytor.kamera;
  t.pliki = {k.plik("a.cor")};
  QTest::mouseClick(p->zapisz, Qt::LeftButton);
  p->pole_x->setText("7");
  QTest::mouseClick(p->aktualizuj_wspolrzedne, Qt::LeftButton);
  t.edytor.kamera.skala = 0.5;
  t.pliki = {k.plik("a.cor")};
  QTest::mouseClick(p->wczytaj, Qt::LeftButton);
  EXPECT_EQ(t.obrazy().satki_mapy().kolumna_poczatku(), -3);
  EXPECT_EQ(t.edytor.kamera.skala, przed.skala);
  EXPECT_EQ(p->pole_x->text(), "-3");

  // A short file and one with a zoom of 0: each named with its fault, nothing changes.
  wspolrzedne_satek zero{1, 2, 3, 4, 0};
  zapisz_gz(k.plik("zero.cor"), koduj_cor(zero));
  zapisz_gz(k.plik("krotki.cor"), std::vector<std::uint8_t>(31, 1));
  const std::size_t komunikaty = t.komunikaty.kody.size();
  t.pliki = {k.plik("zero.cor"), k.plik("krotki.cor")};
  QTest::mouseClick(p->wczytaj, Qt::LeftButton);
  QTest::mouseClick(p->wczytaj, Qt::LeftButton);
  ASSERT_EQ(t.komunikaty.teksty.size(), komunikaty + 2);
  EXPECT_EQ(t.komunikaty.teksty[komunikaty], "plik " + k.plik("zero.cor") + " nie został wczytany: skala widoku poza zakresem");
  EXPECT_EQ(t.komunikaty.teksty.back().rfind("plik " + k.plik("krotki.cor") + " nie został wczytany: ", 0), 0u);
  EXPECT_EQ(t.obrazy().satki_mapy().kolumna_poczatku(), -3);
  EXPECT_EQ(t.edytor.kamera.skala, przed.skala);

  QTest::mouseClick(p->zamknij, Qt::LeftButton);
  EXPECT_FALSE(p->isVisible());
}

// Tiles come as they are decoded; the loading panel shows the count meanwhile and goes after.
TEST(PanelSatek, DomyslneWspolrzedneIPostepLadowania) {
  okno_obrazow t;
  t.okno.polecenia_obrazow_okna().wczytaj_domyslne();
  EXPECT_TRUE(t.okno.satek()->ortofotomapa->isChecked());
  EXPECT_EQ(t.edytor.kamera.skala, 0.006);
  ASSERT_EQ(t.obrazy().zdjecia().obrazki().size(), 1u);
  t.okno.plan()->grabFramebuffer();
  EXPECT_TRUE(t.okno.ladowania()->isVisible());
  const int w_widoku = t.obrazy().satki_mapy().postep_ladowania().wszystkie;
  EXPECT_GT(w_widoku, 1);
  EXPECT_EQ(t.okno.ladowania()->wszystkie->text(), QString::number(w_widoku));
  t.czekaj_na_satki();
  EXPECT_FALSE(t.okno.ladowania()->isVisible());
  // The bundled set covers the whole default view.
  EXPECT_EQ(t.obrazy().satki_mapy().liczba_tekstur(), static_cast<std::size_t>(w_widoku));

  // Clearing the pictures: then message 7 when none are left.
  t.okno.menu().wyczysc_zdjecia->trigger();
  EXPECT_TRUE(t.obrazy().zdjecia().obrazki().empty());
  t.okno.menu().wyczysc_zdjecia->trigger();
  EXPECT_EQ(t.komunikaty.kody, std::vector<unsigned>{KOM_RYSUNKI_USUNIETE});
}
