#include "view/znaczniki_zdarzen.h"

#include "app/stan.h"
#include "model/kolory.h"
#include "track/malarz.h"
#include "view/stan_edytora.h"

namespace {

// The hovered symbol, half as large again.
constexpr double POWIEKSZENIE = 1.5;

void w_ramce(malarz& m, const tor_uklad& u, const adres_zdarzenia& a, double skala, auto rysuj) {
  if (!znajdz_zdarzenie(u, a)) return;
  const ramka_symbolu r = ramka_zdarzenia(u, a);
  m.zachowaj_macierz();
  m.przesun(r.miejsce.x, r.miejsce.y, 0);
  m.obroc(r.obrot, 0, 0, 1);
  m.skaluj(skala, skala, 1);
  rysuj();
  m.przywroc_macierz();
}

}  // namespace

void rysuj_znaczniki_zdarzen(malarz& m, const tor_uklad& u, const stan_edytora& edytor) {
  if (edytor.tryb_edycji != TRYB_ZDARZENIA) return;
  const stan_zdarzen& s = edytor.zdarzenia;
  if (s.wybrane)
    w_ramce(m, u, *s.wybrane, 1, [&] {
      ustaw_kolor(m, kolor_zaznaczony(u.kolorystyka));
      m.rozmiar_punktu(14);
      m.punkt(0, 0, 0);
      m.szerokosc_linii(3);
      m.pasek_poczatek();
      const double obwod[5][2] = {{-1.3, 0.7}, {1.3, 0.7}, {1.3, 4.1}, {-1.3, 4.1}, {-1.3, 0.7}};
      for (const auto& w : obwod) m.wierzcholek(w[0], w[1], 0);
      m.pasek_koniec();
      m.kolor(0.6f, 0.6f, 0.6f);
      m.rozmiar_punktu(10);
      rysuj_symbol_zdarzenia(m, *znajdz_zdarzenie(u, *s.wybrane), stan.tekstura_zdarzen);
    });
  if (s.wskazane)
    w_ramce(m, u, *s.wskazane, POWIEKSZENIE, [&] {
      m.kolor(0.6f, 0.6f, 0.6f);
      m.rozmiar_punktu(10 * POWIEKSZENIE);
      rysuj_symbol_zdarzenia(m, *znajdz_zdarzenie(u, *s.wskazane), stan.tekstura_zdarzen);
    });
  m.bez_tekstury();
  m.kolor(1, 1, 1);
  m.szerokosc_linii(1);
}
