// The plan widget's frames against pictures kept beside this file (obrazy/*.png): the sample
// project framed whole, a small layout with every option on, and a template preview. A pixel
// matches when no colour channel is off by more than a few levels.
//
// After an intended change of the picture, write the pictures anew and look at them:
//   VIALTOR_NOWE_OBRAZY=1 xvfb-run -a -s "-screen 0 1280x1024x24" build/tests/view/vialtor_view_tests --gtest_filter='ZloteObrazy.*'
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <cstdlib>
#include <functional>

#include "dokument/dokument.h"
#include "app/katalog_danych.h"
#include "app/stan.h"
#include "imagery/tekstura.h"
#include "io/projekt.h"
#include "kontekst_gl.h"
#include "support/uklad_testowy.h"
#include "ui/widok_planu.h"

namespace {

constexpr int TOLERANCJA = 4;

class ZloteObrazy : public testing::Test {
 protected:
  void TearDown() override {
    if (plan) {
      plan->makeCurrent();
      usun_teksture(stan.tekstura_zdarzen);
      plan->doneCurrent();
    }
    stan = zachowany;
  }

  // The widget's frame of the document, with the bundled event atlas.
  QImage klatka() {
    plan = std::make_unique<widok_planu>(dok, edytor);
    plan->show();
    QApplication::processEvents();
    plan->makeCurrent();
    stan.tekstura_zdarzen = laduj_teksture(std::string(VIALTOR_ZRODLA) + "/data/" + ATLAS_ZDARZEN);
    plan->doneCurrent();
    return plan->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
  }

  void porownaj(const QImage& obraz, const std::string& nazwa) {
    const QString wzor = QString(VIALTOR_OBRAZY_WZORCOWE) + "/" + QString::fromStdString(nazwa) + ".png";
    if (std::getenv("VIALTOR_NOWE_OBRAZY")) {
      QDir().mkpath(VIALTOR_OBRAZY_WZORCOWE);
      ASSERT_TRUE(obraz.save(wzor));
      return;
    }
    const QImage oczekiwany = QImage(wzor).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(oczekiwany.isNull()) << wzor.toStdString();
    ASSERT_EQ(obraz.size(), oczekiwany.size());
    int rozne = 0;
    for (int y = 0; y < obraz.height(); ++y)
      for (int x = 0; x < obraz.width(); ++x) {
        const QRgb a = obraz.pixel(x, y), b = oczekiwany.pixel(x, y);
        rozne += std::abs(qRed(a) - qRed(b)) > TOLERANCJA || std::abs(qGreen(a) - qGreen(b)) > TOLERANCJA ||
                 std::abs(qBlue(a) - qBlue(b)) > TOLERANCJA;
      }
    const QString otrzymany = QDir::temp().filePath(QString::fromStdString(nazwa) + "_otrzymany.png");
    if (rozne) obraz.save(otrzymany);
    EXPECT_EQ(rozne, 0) << "the frame is in " << otrzymany.toStdString();
  }

  stan_programu zachowany = stan;
  dokument dok;
  stan_edytora edytor;
  std::unique_ptr<widok_planu> plan;
};

TEST_F(ZloteObrazy, PrzykladowyProjektWCalosci) {
  ASSERT_TRUE(wczytaj_projekt(std::string(VIALTOR_ZRODLA) + "/data/projects/elblag_petla.vxm", dok.tor, dok.trasa).ok);
  ustaw_kadr(edytor.kamera, dok.tor.pokaz_wszystko());
  porownaj(klatka(), "elblag_calosc");
}

TEST_F(ZloteObrazy, WszystkieOpcje) {
  stan.rysowanie = {POKAZ_PUNKTY_LINIE | POKAZ_SZYNY | POKAZ_SKRAJNIE, true};
  tor_uklad& t = dok.tor;
  t.wczytaj_szablony(std::string(VIALTOR_ZRODLA) + "/data/" + PLIK_SZABLONOW);
  t.wstaw_szablon(60, 30);
  tor_punkt* a = dodaj_punkt_toru(t, 0, 0, 25);
  tor_punkt* b = dodaj_punkt_toru(t, 30, 5, 25);
  tor_punkt* c = dodaj_punkt_toru(t, 45, 30, 25);
  tor_punkt* d = dodaj_punkt_toru(t, 48, 52, 40);  // a short line for that radius: red
  polacz_tor(t, a, b);
  polacz_tor(t, b, c);
  polacz_tor(t, c, d);
  polacz_tor(t, d, dodaj_punkt_toru(t, 40, 60));
  zdarzenie z;
  z.typ = ZD_PRZYSTANEK;
  z.pozycja = 0.5;
  z.kierunek = KIERUNEK_PRAWO | KIERUNEK_LEWO;
  b->zdarzenia.dodaj(z);
  z.typ = ZD_SYGNALIZATOR;
  t.l[t.lmax() - 4]->zdarzenia.dodaj(z);
  t.przelicz_wszystko();
  b->ZAZNACZ(true);
  t.ostatni_punkt = t.indeks_punktu(b);
  t.punkt_kursor = t.indeks_punktu(c);
  t.ustaw_kolorystyke(KOLORYSTYKA_ZIELONA);
  dok.siec.dodaj_do_p(dok.siec.utworz_punkt(10, 40, 0));
  dok.siec.dodaj_do_p(dok.siec.utworz_punkt(70, 45, 0));
  dok.siec.polacz(dok.siec.p[0], dok.siec.p[1]);
  edytor.kamera = {0.025, -35, -30, 1024.0 / 600};
  edytor.siatka = 3;
  edytor.mysz.ramka_aktywna = true;
  edytor.mysz.x = -10;
  edytor.mysz.y = -20;
  porownaj(klatka(), "wszystkie_opcje");
}

// Rows of column x whose colour is not the background's, as runs [first, last].
std::vector<std::pair<int, int>> odcinki_kolumny(const QImage& obraz, int x, QRgb tlo) {
  std::vector<std::pair<int, int>> wynik;
  for (int y = 0; y < obraz.height(); ++y) {
    const QRgb p = obraz.pixel(x, y);
    const bool rysunek = std::abs(qRed(p) - qRed(tlo)) + std::abs(qGreen(p) - qGreen(tlo)) +
                             std::abs(qBlue(p) - qBlue(tlo)) > 30;
    if (!rysunek) continue;
    if (!wynik.empty() && wynik.back().second == y - 1)
      wynik.back().second = y;
    else
      wynik.push_back({y, y});
  }
  return wynik;
}

// Every bundled template fills the middle of the view along x: the trunk and the straight track
// on the centre line, and in the far half the diverging track above the straight one's rails
// (left turnouts), below them (right ones) or both (double turnouts).
TEST_F(ZloteObrazy, PodgladSzablonu) {
  dok.tor.wczytaj_szablony(std::string(VIALTOR_ZRODLA) + "/data/" + PLIK_SZABLONOW);
  ASSERT_GT(dok.tor.szab_max(), 2);
  edytor.tryb_szablonu = true;
  dok.tor.ustaw_szablon(2);
  const QImage wzor = klatka();
  porownaj(wzor, "podglad_szablonu");
  const QRgb tlo = wzor.pixel(2, 2);
  for (int nr = 0; nr < dok.tor.szab_max(); ++nr) {
    dok.tor.ustaw_szablon(nr);
    const std::string nazwa = dok.tor.nazwa_szablonu();
    SCOPED_TRACE(nazwa);
    const QImage obraz = plan->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
    int lewa = obraz.width(), prawa = -1;
    for (int x = 0; x < obraz.width(); ++x)
      if (!odcinki_kolumny(obraz, x, tlo).empty()) lewa = std::min(lewa, x), prawa = std::max(prawa, x);
    ASSERT_GE(prawa - lewa + 1, obraz.width() * 2 / 5);

    // The straight track's band (its rails) on the trunk, just past the end's marker: on the
    // centre line.
    const auto pien = odcinki_kolumny(obraz, lewa + 7, tlo);
    ASSERT_FALSE(pien.empty());
    const int gora = pien.front().first, dol = pien.back().second;
    EXPECT_NEAR((gora + dol) / 2.0, obraz.height() / 2.0, 2);
    bool prosty = false, wyzej = false, nizej = false;
    for (const auto& [od, do_] : odcinki_kolumny(obraz, prawa - 1, tlo)) prosty |= od >= gora - 1 && do_ <= dol + 1;
    for (int x = (lewa + prawa) / 2; x <= prawa; ++x)
      for (const auto& [od, do_] : odcinki_kolumny(obraz, x, tlo)) {
        wyzej |= do_ < gora - 2;
        nizej |= od > dol + 2;
      }
    const bool podwojny = nazwa.find("podwójny") != std::string::npos;
    const bool lewy = nazwa.find(" lew") != std::string::npos;
    EXPECT_TRUE(prosty);
    EXPECT_EQ(wyzej, podwojny || lewy);
    EXPECT_EQ(nizej, podwojny || !lewy);
  }
}

}  // namespace
