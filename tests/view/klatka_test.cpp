// The frame: the camera, its layers in order, the template preview in place of the plan, the
// tool marks; and what its layouts look like on the screen.
#include <gtest/gtest.h>

#include <algorithm>

#include "dokument/dokument.h"
#include "app/stan.h"
#include "kontekst_gl.h"
#include "support/malarz_rejestrujacy.h"
#include "support/tekst_wywolania.h"
#include "support/uklad_testowy.h"
#include "view/klatka.h"

namespace {

struct opcje_programu {
  stan_programu zachowany = stan;
  explicit opcje_programu(int flagi, bool biale = false) { stan.rysowanie = {flagi, biale}; }
  ~opcje_programu() { stan = zachowany; }
};

// Tiles, pictures and frames that only say when they are drawn.
class obrazy_zapisane : public warstwy_obrazow {
 public:
  explicit obrazy_zapisane(malarz_rejestrujacy& m) : m_(m) {}
  void satki(malarz&, const widok&) override { m_.wywolania.push_back("satki"); }
  void zdjecia(malarz&, const widok&) override { m_.wywolania.push_back("zdjecia"); }
  void ramki_zdjec(malarz&, const widok&) override { m_.wywolania.push_back("ramki"); }

 private:
  malarz_rejestrujacy& m_;
};

struct klatka_zapisana {
  malarz_rejestrujacy m;
  std::vector<std::string> operator()(const dokument& dok, stan_edytora& edytor) {
    obrazy_zapisane obrazy(m);
    rysownik_wprost wprost(m);
    rysuj_klatke(m, dok, edytor, obrazy, wprost);
    return m.wywolania;
  }
};

std::ptrdiff_t gdzie(const std::vector<std::string>& w, const std::string& co) {
  const auto it = std::find(w.begin(), w.end(), co);
  return it == w.end() ? -1 : it - w.begin();
}

TEST(Klatka, KameraIWyrownywanie) {
  dokument dok;
  stan_edytora edytor;
  edytor.kamera = {0.05, -50.7, 3.9, 1024.0 / 600};
  auto w = klatka_zapisana{}(dok, edytor);
  ASSERT_GE(w.size(), 4u);
  EXPECT_EQ(w[0], "zachowaj_macierz");
  EXPECT_EQ(w[1], tekst_wywolania("skaluj", 0.05 / (1024.0 / 600), 0.05, 0.05));
  EXPECT_EQ(w[2], "przesun -50.7 3.9 0");
  EXPECT_EQ(w.back(), "przywroc_macierz");
  // Truncated toward zero, before the camera is applied: the frame shows the pan it leaves.
  edytor.wyrownywanie = true;
  w = klatka_zapisana{}(dok, edytor);
  EXPECT_EQ(w[2], "przesun -50 3 0");
  EXPECT_EQ(edytor.kamera.przes_x, -50);
  EXPECT_EQ(edytor.kamera.przes_y, 3);
}

TEST(Klatka, WarstwyPoKolei) {
  opcje_programu o(POKAZ_PUNKTY_LINIE);
  dokument dok;
  dok.tor.dodaj_do_p(dok.tor.utworz_punkt(5, 5, 0));
  dok.siec.dodaj_do_p(dok.siec.utworz_punkt(7, 7, 0));
  stan_edytora edytor;
  {
    const auto w = klatka_zapisana{}(dok, edytor);
    const auto satki = gdzie(w, "satki"), zdjecia = gdzie(w, "zdjecia"), tekstury = gdzie(w, "bez_tekstury");
    const auto siatka = gdzie(w, "kolor 0 0 0 0.05"), tor = gdzie(w, "punkt 5 5 0");
    const auto szary = gdzie(w, "kolor 0.6 0.6 0.6"), siec = gdzie(w, "punkt 7 7 0");
    EXPECT_TRUE(0 <= satki && satki < zdjecia && zdjecia < tekstury && tekstury < siatka && siatka < tor && tor < szary &&
                szary < siec)
        << satki << ' ' << zdjecia << ' ' << tekstury << ' ' << siatka << ' ' << tor << ' ' << szary << ' ' << siec;
    EXPECT_EQ(gdzie(w, "ramki"), -1);
    EXPECT_EQ(w[siec - 1], "kolor 0.75 0.75 0.75");  // the catenary as the inactive layout
  }
  edytor.pokaz_zdjecia = false;
  EXPECT_EQ(gdzie(klatka_zapisana{}(dok, edytor), "zdjecia"), -1);
  edytor.tryb_edycji = TRYB_ZDJECIA;
  const auto w = klatka_zapisana{}(dok, edytor);
  EXPECT_NE(gdzie(w, "zdjecia"), -1);
  EXPECT_TRUE(gdzie(w, "kolor 0 0 0 0.05") < gdzie(w, "ramki") && gdzie(w, "ramki") < gdzie(w, "punkt 5 5 0"));
}

TEST(Klatka, PodgladSzablonuZamiastPlanu) {
  opcje_programu o(POKAZ_PUNKTY_LINIE | POKAZ_SZYNY);
  dokument dok;
  dok.tor.wczytaj_szablony(std::string(VIALTOR_ZRODLA) + "/data/dataeditor/sb.txt");
  ASSERT_GT(dok.tor.szab_max(), 0);
  dok.tor.dodaj_do_p(dok.tor.utworz_punkt(5, 5, 0));
  stan_edytora edytor;
  edytor.tryb_szablonu = true;
  edytor.mysz.obrot_aktywny = true;
  edytor.tryb_prawego_przycisku = PRAWY_ROTACJA;
  auto w = klatka_zapisana{}(dok, edytor);
  EXPECT_NE(gdzie(w, "macierz_jednostkowa"), -1);
  EXPECT_EQ(gdzie(w, "satki"), -1);
  EXPECT_EQ(gdzie(w, "kolor 0 0 0 0.05"), -1);
  EXPECT_EQ(gdzie(w, "punkt 5 5 0"), -1);
  EXPECT_NE(gdzie(w, "linia -0.5 -0.5 0 0.5 0.5 0"), -1);  // the marks are drawn over it
  dok.tor.szab_akt = dok.tor.szab_max();
  w = klatka_zapisana{}(dok, edytor);
  EXPECT_EQ(gdzie(w, "macierz_jednostkowa"), -1);
  EXPECT_EQ(gdzie(w, "punkt 5 5 0"), -1);
}

TEST(Klatka, ZnacznikiNarzedzi) {
  dokument dok;
  stan_edytora edytor;
  edytor.siatka = SIATKA_BRAK;
  stan_myszy& mysz = edytor.mysz;
  mysz.x = -40;  // plan x 10 under the start-up pan of -50
  mysz.y = -30;  // plan y 10
  klatka_zapisana nic;
  nic(dok, edytor);
  EXPECT_TRUE(nic.m.tylko("linia").empty());
  EXPECT_TRUE(nic.m.tylko("wierzcholek").empty());

  mysz.ramka_aktywna = true;
  mysz.ramka_x = 2;
  mysz.ramka_y = 3;
  mysz.czeka_rownolegle = true;
  mysz.obrot_aktywny = true;
  mysz.os_obrotu_x = 20;
  mysz.os_obrotu_y = 30;
  klatka_zapisana bez_obrotu;
  bez_obrotu(dok, edytor);  // a right drag turns only in the rotation mode
  EXPECT_EQ(bez_obrotu.m.tylko("linia").size(), 2u);
  edytor.tryb_prawego_przycisku = PRAWY_ROTACJA;
  klatka_zapisana k;
  const auto w = k(dok, edytor);
  const auto ramka = k.m.tylko("wierzcholek");
  ASSERT_EQ(ramka.size(), 5u);
  const double oczekiwane[5][2] = {{2, 3}, {10, 3}, {10, 10}, {2, 10}, {2, 3}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(ramka[i].x1, oczekiwane[i][0]);
    EXPECT_EQ(ramka[i].y1, oczekiwane[i][1]);
    EXPECT_EQ(ramka[i].r + ramka[i].g + ramka[i].b, 3);  // white
  }
  for (const char* linia : {"linia 15 5 0 15 9 0", "linia 14 5 0 14 9 0", "linia 19.5 29.5 0 20.5 30.5 0",
                            "linia 20.5 29.5 0 19.5 30.5 0"})
    EXPECT_NE(gdzie(w, linia), -1) << linia;
}

// --- On the screen ---------------------------------------------------------------------------

class KlatkaNaEkranie : public testing::Test {
 protected:
  KlatkaNaEkranie() { edytor.siatka = SIATKA_BRAK; }
  QImage klatka() { return gl.wprost(dok, edytor); }
  QRgb w(const QImage& obraz, double x, double y) const {
    const piksel_planu p = piksel(edytor.kamera, x, y);
    return obraz.pixel(p.x, p.y);
  }
  void patrz_na(double x, double y, double skala) { edytor.kamera = {skala, -x, -y, 1024.0 / 600}; }

  kontekst_gl gl;
  dokument dok;
  stan_edytora edytor;
};

// Two rails half a gauge to each side of a straight line, black, the ground between them.
TEST_F(KlatkaNaEkranie, SzynyWPolowiePrzeswitu) {
  opcje_programu o(POKAZ_SZYNY);
  const double polowy[] = {0.7175, 0.5, 0.45, 0.3925, 0.7625};
  for (int przeswit = 0; przeswit < 5; ++przeswit) {
    dok.tor.wyczysc();
    tor_uklad& t = dok.tor;
    t.przeswit_akt = przeswit;
    polacz_tor(t, dodaj_punkt_toru(t, -30, 0, 5, przeswit), dodaj_punkt_toru(t, 30, 0, 5, przeswit));
    t.przelicz_wszystko();
    patrz_na(0, 0, 0.41);  // no rail on a pixel edge
    const QImage obraz = klatka();
    const double h = polowy[przeswit];
    EXPECT_EQ(w(obraz, 0, h), qRgb(0, 0, 0)) << przeswit;
    EXPECT_EQ(w(obraz, 0, -h), qRgb(0, 0, 0)) << przeswit;
    EXPECT_EQ(w(obraz, 0, 0), szary(204)) << przeswit;
    EXPECT_EQ(w(obraz, 0, h + 0.04), szary(204)) << przeswit;
    EXPECT_EQ(w(obraz, 0, h - 0.04), szary(204)) << przeswit;
  }
}

// A line whose tangents do not fit is red, rails and arcs, white lines or not; a sound one is
// black or white.
TEST_F(KlatkaNaEkranie, BladNaCzerwono) {
  for (bool biale : {false, true}) {
    opcje_programu o(POKAZ_SZYNY, biale);
    for (double promien : {20.0, 5.0}) {
      dok.tor.wyczysc();
      tor_uklad& t = dok.tor;
      tor_punkt* P = dodaj_punkt_toru(t, 0, 0, promien);
      polacz_tor(t, dodaj_punkt_toru(t, 0, -10, promien), P);
      polacz_tor(t, P, dodaj_punkt_toru(t, 10, 0, promien));
      t.przelicz_wszystko();
      patrz_na(0, -5, 0.05);
      const QImage obraz = klatka();
      const QRgb szyna = promien == 20 ? qRgb(255, 0, 0) : (biale ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
      // A tangent of 20 m on a line of 10 m takes the rails past its far end.
      const double y = promien == 20 ? -14.5 : -8;
      EXPECT_EQ(w(obraz, 0.7175, y), szyna) << promien << ' ' << biale;
      EXPECT_EQ(w(obraz, -0.7175, y), szyna) << promien << ' ' << biale;
    }
  }
}

// The width of the square of colour `kolor` on the row through a plan point.
int szerokosc_znacznika(const QImage& obraz, piksel_planu p, QRgb kolor) {
  int od = p.x, do_ = p.x;
  while (od > 0 && obraz.pixel(od - 1, p.y) == kolor) --od;
  while (do_ + 1 < obraz.width() && obraz.pixel(do_ + 1, p.y) == kolor) ++do_;
  return obraz.pixel(p.x, p.y) == kolor ? do_ - od + 1 : 0;
}

TEST_F(KlatkaNaEkranie, ZnacznikiWedlugStanu) {
  opcje_programu o(POKAZ_PUNKTY_LINIE);
  tor_uklad& t = dok.tor;
  // Points with no line are ends: size 7 unless something makes them larger.
  tor_punkt* zwykly = dodaj_punkt_toru(t, 0, 0);
  tor_punkt* zaznaczony = dodaj_punkt_toru(t, 20, 0);
  tor_punkt* pod_kursorem = dodaj_punkt_toru(t, 40, 0);
  tor_punkt* ostatni = dodaj_punkt_toru(t, 60, 0);
  w_element* blok = t.nowy_element(0, 20, 0);
  tor_punkt* w_bloku = dodaj_punkt_elementu(t, blok, 0, 0);
  tor_punkt* w_bloku_pod_kursorem = dodaj_punkt_elementu(t, blok, 20, 0);
  tor_punkt* wysoki = dodaj_punkt_toru(t, 80, 0);
  wysoki->z = 1000;  // clipped away if z reached GL
  zaznaczony->ZAZNACZ(true);
  ostatni->ZAZNACZ(true);
  t.ostatni_punkt = t.indeks_punktu(ostatni);
  t.punkt_kursor = t.indeks_punktu(pod_kursorem);
  patrz_na(40, 10, 0.02);
  QImage obraz = klatka();
  auto p = [&](const w_punkt* q) { return piksel(edytor.kamera, q->GET_X(), q->GET_Y()); };
  EXPECT_EQ(szerokosc_znacznika(obraz, p(zwykly), szary(140)), 7);
  EXPECT_EQ(szerokosc_znacznika(obraz, p(zaznaczony), szary(255)), 10);
  EXPECT_EQ(szerokosc_znacznika(obraz, p(pod_kursorem), szary(140)), 10);
  EXPECT_EQ(szerokosc_znacznika(obraz, p(ostatni), qRgb(255, 255, 0)), 10);
  EXPECT_EQ(szerokosc_znacznika(obraz, p(w_bloku), szary(0)), 7);
  EXPECT_EQ(szerokosc_znacznika(obraz, p(wysoki), szary(140)), 7);
  t.punkt_kursor = t.indeks_punktu(w_bloku_pod_kursorem);
  obraz = klatka();
  EXPECT_EQ(szerokosc_znacznika(obraz, p(w_bloku_pod_kursorem), szary(0)), 12);
  t.kolorystyka = KOLORYSTYKA_BRAZOWA;
  obraz = klatka();
  EXPECT_EQ(szerokosc_znacznika(obraz, p(zwykly), qRgb(166, 128, 64)), 7);
}

// An event on an end point stands on the point, not one radius (50 m) off the track.
TEST_F(KlatkaNaEkranie, ZdarzenieNaKoncuToru) {
  opcje_programu o(0);
  tor_uklad& t = dok.tor;
  tor_punkt* koniec = dodaj_punkt_toru(t, 0, 0, 50);
  polacz_tor(t, koniec, dodaj_punkt_toru(t, 0, 30, 50));
  t.przelicz_wszystko();
  koniec->zdarzenia.dodaj(zdarzenie{});
  patrz_na(0, 0, 0.02);
  const QImage obraz = klatka();
  EXPECT_EQ(w(obraz, 0, 0), szary(153));
  for (double x : {-50.0, 50.0}) EXPECT_EQ(w(obraz, x, 0), szary(204));
}

}  // namespace
