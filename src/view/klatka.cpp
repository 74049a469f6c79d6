#include "view/klatka.h"

#include <cmath>

#include "dokument/dokument.h"
#include "app/stan.h"
#include "track/malarz.h"
#include "track/tor.h"
#include "view/siatka.h"
#include "view/stan_edytora.h"
#include "view/znaczniki_zdarzen.h"

void warstwy_obrazow::satki(malarz&, const widok&) {}
void warstwy_obrazow::zdjecia(malarz&, const widok&) {}
void warstwy_obrazow::ramki_zdjec(malarz&, const widok&) {}
bool warstwy_obrazow::ukryte_przez_miganie() const { return false; }

void rysownik_wprost::rysuj(const w_uklad& u, bool aktywny) { u.rysuj_uklad(m_, aktywny); }

namespace {

// Views at least this many metres wide hand the card the plan's map: a pixel there is a metre
// or so, and floats measured from an origin near the track are far finer. Nearer views keep
// every vertex exact in double.
constexpr double PLAN_NA_KARCIE = 1000;

// The plan's origin: the track's first point on a grid of about a kilometre, so that it moves
// seldom; the view's middle when there is no track.
void poczatek_ukladu(const tor_uklad& tor, const widok& w, double& x, double& y) {
  const double krok = 1024;
  x = tor.pmax() > 0 ? tor.p[0]->GET_X() : -w.przes_x;
  y = tor.pmax() > 0 ? tor.p[0]->GET_Y() : -w.przes_y;
  x = std::isfinite(x) ? std::floor(x / krok) * krok : 0;
  y = std::isfinite(y) ? std::floor(y / krok) * krok : 0;
}

void rysuj_plan(malarz& m, const dokument& dok, const stan_edytora& edytor, warstwy_obrazow& obrazy,
                rysownik_ukladow& uklady) {
  const widok& w = edytor.kamera;
  obrazy.satki(m, w);
  if (edytor.pokaz_zdjecia || edytor.tryb_edycji == TRYB_ZDJECIA) obrazy.zdjecia(m, w);
  // Before the grid: a tile's texture would tint it.
  m.bez_tekstury();
  m.warstwa("grid");
  rysuj_siatke(m, w, edytor.siatka, stan.rysowanie.biale_linie);
  if (edytor.tryb_edycji == TRYB_ZDJECIA) obrazy.ramki_zdjec(m, w);
  m.warstwa("track");
  uklady.rysuj(dok.tor, true);
  m.warstwa("catenary");
  m.kolor(0.6f, 0.6f, 0.6f);
  uklady.rysuj(dok.siec, false);
}

// The selection box, the make-parallel mark and the rotation cross, in plan metres.
void rysuj_znaczniki(malarz& m, const stan_edytora& edytor) {
  const stan_myszy& mysz = edytor.mysz;
  const double cx = mysz.plan_x(edytor.kamera);
  const double cy = mysz.plan_y(edytor.kamera);
  m.kolor(1, 1, 1);
  m.szerokosc_linii(1);
  if (mysz.ramka_aktywna) {
    m.pasek_poczatek();
    m.wierzcholek(mysz.ramka_x, mysz.ramka_y, 0);
    m.wierzcholek(cx, mysz.ramka_y, 0);
    m.wierzcholek(cx, cy, 0);
    m.wierzcholek(mysz.ramka_x, cy, 0);
    m.wierzcholek(mysz.ramka_x, mysz.ramka_y, 0);
    m.pasek_koniec();
  }
  if (mysz.czeka_rownolegle) {
    m.linia(cx + 5, cy - 5, 0, cx + 5, cy - 1, 0);
    m.linia(cx + 4, cy - 5, 0, cx + 4, cy - 1, 0);
  }
  if (edytor.tryb_prawego_przycisku == PRAWY_ROTACJA && mysz.obrot_aktywny) {
    const double x = mysz.os_obrotu_x;
    const double y = mysz.os_obrotu_y;
    m.linia(x - 0.5, y - 0.5, 0, x + 0.5, y + 0.5, 0);
    m.linia(x + 0.5, y - 0.5, 0, x - 0.5, y + 0.5, 0);
  }
}

}  // namespace

void rysuj_klatke(malarz& m, const dokument& dok, stan_edytora& edytor, warstwy_obrazow& obrazy,
                  rysownik_ukladow& uklady) {
  widok& w = edytor.kamera;
  if (edytor.wyrownywanie) {
    w.przes_x = std::trunc(w.przes_x);
    w.przes_y = std::trunc(w.przes_y);
  }
  m.zachowaj_macierz();
  m.skaluj(w.skala / w.proporcja, w.skala, w.skala);
  m.przesun(w.przes_x, w.przes_y, 0);
  const prostokat_planu widac = widoczny_prostokat(w);
  if (widac.x2 - widac.x1 >= PLAN_NA_KARCIE) {
    double x, y;
    poczatek_ukladu(dok.tor, w, x, y);
    m.poczatek_planu(x, y);
  }
  if (edytor.tryb_szablonu) {
    m.warstwa("track");
    dok.tor.rysuj_podglad(m);
  } else {
    rysuj_plan(m, dok, edytor, obrazy, uklady);
  }
  m.warstwa("marks");
  if (!edytor.tryb_szablonu) rysuj_znaczniki_zdarzen(m, dok.tor, edytor);
  rysuj_znaczniki(m, edytor);
  m.przywroc_macierz();
}
