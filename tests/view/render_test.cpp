// vialtor-cli render: the SVG holds what the plan draws, layer by layer; the PNG is the plan
// widget's own frame, pixel for pixel; refusals are named and write nothing.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "dokument/dokument.h"
#include "app/katalog_danych.h"
#include "app/liczby.h"
#include "app/stan.h"
#include "cli/uruchom_cli.h"
#include "imagery/tekstura.h"
#include "io/projekt.h"
#include "dokument/wczytywanie.h"
#include "kontekst_gl.h"
#include "support/na_ekranie.h"
#include "svg_testowe.h"
#include "ui/widok_planu.h"
#include "uklady_testowe.h"
#include "view/stan_edytora.h"

namespace {

const std::string DANE = std::string(VIALTOR_ZRODLA) + "/data";

// The faulty bends of the command-line tests (red), with events on both ends and on a line.
std::string zapisz_uklad_z_bledem(const std::string& sciezka) {
  model_w_tescie m;
  wczytaj_w_tescie(zapisz_bledny_projekt(sciezka), m);
  zdarzenie z;
  m.tor.p[0]->zdarzenia.dodaj(z);
  z.typ = ZD_CZUJNIK;
  m.tor.p[2]->zdarzenia.dodaj(z);
  z.typ = 6;
  z.pozycja = 0.5;
  m.tor.l[0]->zdarzenia.dodaj(z);
  EXPECT_TRUE(zapisz_projekt(sciezka, m.tor, m.trasa));
  return sciezka;
}

// The network of every kind of item the plan draws, saved as a project.
std::string zapisz_siec_testowa(const std::string& sciezka) {
  dokument dok;
  siec_testowa(dok, 7, 120);
  EXPECT_TRUE(zapisz_projekt(sciezka, dok.tor, dok.trasa));
  return sciezka;
}

void wczytaj(const std::string& plik, dokument& dok) {
  const wynik_odczytu w = wczytaj_model(plik, DANE, dok);
  ASSERT_TRUE(w.ok) << plik << ": " << w.blad;
}

// The camera of "&Pokaż wszystko" on the plan view.
widok caly_uklad(const dokument& dok) {
  widok w;
  ustaw_kadr(w, dok.tor.pokaz_wszystko());
  return w;
}

// The editor's plan widget on `plik` under camera `w`, with the event atlas in its context.
QImage klatka_edytora(const std::string& plik, const widok& w) {
  dokument dok;
  wczytaj(plik, dok);
  stan_edytora edytor;
  edytor.kamera = w;
  widok_planu plan(dok, edytor);
  plan.show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&plan));
  plan.makeCurrent();
  stan.tekstura_zdarzen = laduj_teksture(DANE + "/" + ATLAS_ZDARZEN);
  EXPECT_NE(stan.tekstura_zdarzen, 0u);
  const QImage obraz = plan.grabFramebuffer().convertToFormat(QImage::Format_RGB32);
  plan.makeCurrent();
  usun_teksture(stan.tekstura_zdarzen);
  plan.doneCurrent();
  return obraz;
}

std::string widok_tekstem(const widok& w) {
  return liczba_na_tekst(w.przes_x, 9) + "," + liczba_na_tekst(w.przes_y, 9) + "," + liczba_na_tekst(w.skala, 12);
}

class test_render : public test_cli {
 protected:
  dokument_svg svg(const std::string& plik, std::vector<std::string> opcje = {}) {
    const std::string wyjscie = pliki.plik("obraz.svg");
    std::vector<std::string> argumenty{"--data", DANE, "render", plik, wyjscie};
    argumenty.insert(argumenty.end(), opcje.begin(), opcje.end());
    const wynik_cli w = uruchom(argumenty);
    EXPECT_EQ(w.kod, 0) << w.bledy;
    return czytaj_svg(czytaj_plik(wyjscie));
  }
  QImage png(const std::string& plik, std::vector<std::string> opcje = {}) {
    const std::string wyjscie = pliki.plik("obraz.png");
    std::vector<std::string> argumenty{"--data", DANE, "render", plik, wyjscie};
    argumenty.insert(argumenty.end(), opcje.begin(), opcje.end());
    const wynik_cli w = uruchom(argumenty);
    EXPECT_EQ(w.kod, 0) << w.bledy;
    return QImage(QString::fromStdString(wyjscie)).convertToFormat(QImage::Format_RGB32);
  }
};

}  // namespace

TEST_F(test_render, SvgMaWarstwySzynyCzerwonyBladZnacznikPunktowIObrazZdarzen) {
  const std::string plik = zapisz_uklad_z_bledem(pliki.plik("blad.vxm"));
  dokument dok;
  wczytaj(plik, dok);
  // Far enough out for the long tangents of the faulty bends to lie inside the picture.
  widok w = caly_uklad(dok);
  w.skala /= 20;
  const dokument_svg d = svg(plik, {"--view", widok_tekstem(w)});
  ASSERT_TRUE(d.blad.isEmpty()) << d.blad.toStdString();
  EXPECT_EQ(d.warstwy, (std::vector<QString>{"grid", "track", "catenary", "marks"}));

  int czerwone = 0;
  for (const element_svg& e : d.elementy) czerwone += e.tekst("stroke") == "#ff0000";
  EXPECT_GT(czerwone, 0);

  // A marker on every point.
  const auto kwadraty = d.wszystkie("rect", "track");
  for (const w_punkt* p : dok.tor.p) {
    const double nx = (p->GET_X() + w.przes_x) * w.skala / w.proporcja;
    const double ny = (p->GET_Y() + w.przes_y) * w.skala;
    const double px = (nx + 1) * 512, py = (1 - ny) * 300;
    const bool jest = std::any_of(kwadraty.begin(), kwadraty.end(), [&](const element_svg* k) {
      return std::abs(k->liczba("x") + k->liczba("width") / 2 - px) < 0.01 &&
             std::abs(k->liczba("y") + k->liczba("height") / 2 - py) < 0.01;
    });
    EXPECT_TRUE(jest) << "no marker at " << px << ", " << py;
  }

  // Each event's symbol is the atlas image, which the document carries.
  const auto uzycia = d.wszystkie("use", "track");
  EXPECT_EQ(uzycia.size(), 3u);
  const auto obrazy = d.wszystkie("image");
  ASSERT_EQ(obrazy.size(), 1u);
  EXPECT_TRUE(obrazy[0]->href().startsWith("data:image/png;base64,"));
  for (const element_svg* u : uzycia)
    EXPECT_EQ(u->href(), "#" + obrazy[0]->tekst("id"));

}

TEST_F(test_render, SvgProbkiMaSzynyKazdejLiniiIZadnejCzerwieni) {
  dokument dok;
  wczytaj(probka("elblag_petla.vxm"), dok);
  widok w = caly_uklad(dok);
  w.skala /= 2;
  const dokument_svg d = svg(probka("elblag_petla.vxm"), {"--view", widok_tekstem(w)});
  ASSERT_TRUE(d.blad.isEmpty()) << d.blad.toStdString();
  // Every line has its two rails: black lines beside it and along it (of no length where the
  // bends take the whole line). Bends are strips.
  const double metr = w.skala * 300;  // pixels a metre
  const auto w_pikselach = [&](const w_punkt* p) {
    const polozenie_na_ekranie px = na_ekranie(w, p->GET_X(), p->GET_Y());
    return std::pair{px.x, px.y};
  };
  const auto szyny = d.wszystkie("line", "track");
  for (const w_linia* l : dok.tor.l) {
    const auto [ax, ay] = w_pikselach(l->p1);
    const auto [bx, by] = w_pikselach(l->p2);
    const double dl = std::hypot(bx - ax, by - ay);
    int obok = 0;
    for (const element_svg* e : szyny) {
      if (e->tekst("stroke") != "#000000") continue;
      const double ex = e->liczba("x2") - e->liczba("x1"), ey = e->liczba("y2") - e->liczba("y1");
      const double mx = (e->liczba("x1") + e->liczba("x2")) / 2 - ax, my = (e->liczba("y1") + e->liczba("y2")) / 2 - ay;
      const double wzdluz = (mx * (bx - ax) + my * (by - ay)) / dl;
      const double wpoprzek = std::abs(mx * (by - ay) - my * (bx - ax)) / dl;
      const bool rownolegla = std::abs(ex * (by - ay) - ey * (bx - ax)) <= 0.02 * dl * std::hypot(ex, ey);
      obok += rownolegla && wpoprzek < metr && wzdluz > -0.1 * dl && wzdluz < 1.1 * dl;
    }
    EXPECT_GE(obok, 2) << "line from " << ax << ", " << ay << " to " << bx << ", " << by;
  }
  int luki = 0;
  for (const element_svg* e : d.wszystkie("polyline", "track")) luki += e->tekst("stroke") == "#000000";
  EXPECT_GT(luki, 0);
  for (const element_svg& e : d.elementy) EXPECT_NE(e.tekst("stroke"), "#ff0000");
  EXPECT_FALSE(d.wszystkie("use", "track").empty());
}

TEST_F(test_render, PngToKlatkaWidokuPlanu) {
  struct przypadek {
    std::string plik;
    bool przyblizony;  // a camera given on the command line, close to the first point
  };
  const std::string blad = zapisz_uklad_z_bledem(pliki.plik("blad.vxm"));
  const std::string siec = zapisz_siec_testowa(pliki.plik("siec.vxm"));
  const przypadek przypadki[] = {
      {probka("elblag_petla.vxm"), false}, {blad, false}, {blad, true}, {siec, false}, {siec, true}};
  for (const przypadek& p : przypadki) {
    dokument dok;
    wczytaj(p.plik, dok);
    widok w = caly_uklad(dok);
    std::vector<std::string> opcje;
    if (p.przyblizony) {
      w.przes_x = -dok.tor.p[0]->GET_X() + 0.37;
      w.przes_y = -dok.tor.p[0]->GET_Y() - 1.21;
      w.skala = 0.09;
      opcje = {"--view", widok_tekstem(w)};
    }
    const QImage cli = png(p.plik, opcje);
    ASSERT_EQ(cli.size(), QSize(1024, 600)) << p.plik;
    const QImage edytor = klatka_edytora(p.plik, w);
    std::string pierwszy;
    EXPECT_EQ(rozne_piksele(cli, edytor, &pierwszy), 0) << p.plik << (p.przyblizony ? " close" : "") << " " << pierwszy;
    // Not an empty picture that would match an empty frame.
    QImage puste(cli.size(), QImage::Format_RGB32);
    puste.fill(szary(204));
    EXPECT_GT(rozne_piksele(cli, puste), 100) << p.plik;
  }
}

TEST_F(test_render, RozmiarObrazuIKadrWedlugJegoProporcji) {
  const std::string plik = zapisz_uklad_z_bledem(pliki.plik("blad.vxm"));
  const QImage obraz = png(plik, {"--width", "300", "--height", "500"});
  EXPECT_EQ(obraz.size(), QSize(300, 500));
  const dokument_svg d = [&] {
    const std::string wyjscie = pliki.plik("waski.svg");
    EXPECT_EQ(uruchom({"--data", DANE, "render", plik, wyjscie, "--width", "300", "--height", "500"}).kod, 0);
    return czytaj_svg(czytaj_plik(wyjscie));
  }();
  ASSERT_FALSE(d.elementy.empty());
  EXPECT_EQ(d.elementy.front().liczba("width"), 300);
  EXPECT_EQ(d.elementy.front().liczba("height"), 500);
  // Framed for a tall picture: every point lies inside it.
  for (const element_svg* k : d.wszystkie("rect", "track")) {
    EXPECT_GE(k->liczba("x"), 0);
    EXPECT_LE(k->liczba("x"), 300);
  }
}

TEST_F(test_render, OdmowyNazwanePlikNieruszony) {
  const std::string plik = zapisz_uklad_z_bledem(pliki.plik("blad.vxm"));
  struct przypadek {
    std::vector<std::string> argumenty;
    std::string nazwa;  // named in the message
    std::string wyjscie;
  };
  const std::string katalog = pliki.plik("katalog.png");
  std::filesystem::create_directory(katalog);
  const przypadek przypadki[] = {
      {{"render", plik, pliki.plik("obraz.jpg")}, pliki.plik("obraz.jpg"), pliki.plik("obraz.jpg")},
      {{"render", pliki.plik("nie_ma.vxm"), pliki.plik("a.png")}, pliki.plik("nie_ma.vxm"), pliki.plik("a.png")},
      {{"render", plik, pliki.plik("b.svg"), "--view", "1,2"}, "1,2", pliki.plik("b.svg")},
      {{"render", plik, pliki.plik("c.svg"), "--view", "1,2,0"}, "1,2,0", pliki.plik("c.svg")},
      {{"render", plik, pliki.plik("d.png"), "--view", "1,x,2"}, "1,x,2", pliki.plik("d.png")},
      {{"render", plik, pliki.plik("brak/e.png")}, pliki.plik("brak/e.png"), pliki.plik("brak/e.png")},
      {{"render", plik, pliki.plik("f.png"), "--width", "0"}, "--width", pliki.plik("f.png")},
  };
  for (const przypadek& p : przypadki) {
    const wynik_cli w = uruchom(p.argumenty);
    EXPECT_EQ(w.kod, 2) << p.nazwa;
    EXPECT_NE(w.bledy.find(p.nazwa), std::string::npos) << w.bledy;
    EXPECT_FALSE(std::filesystem::exists(p.wyjscie)) << p.wyjscie;
  }
  // A picture that cannot take the place of what is there leaves it, and nothing beside it.
  const wynik_cli w = uruchom({"render", plik, katalog});
  EXPECT_EQ(w.kod, 2);
  EXPECT_NE(w.bledy.find(katalog), std::string::npos) << w.bledy;
  EXPECT_TRUE(std::filesystem::is_directory(katalog));
  int plikow = 0;
  for (const auto& wpis : std::filesystem::directory_iterator(pliki.plik(""))) plikow += !wpis.is_directory();
  EXPECT_EQ(plikow, 1);  // blad.vxm alone
}
