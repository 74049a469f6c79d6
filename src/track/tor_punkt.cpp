#include <cmath>

#include "app/stan.h"
#include "io/strumien_rekordow.h"
#include "io/strumien_tekstowy.h"
#include "model/w_element.h"
#include "track/geometria.h"
#include "track/malarz.h"
#include "track/przeswity.h"
#include "track/tor.h"

double tor_punkt::dlugosc() const {
  return promien * std::fabs(kat_poczatkowy - kat_koncowy) * PI / 180;
}

void tor_punkt::przelicz() {
  if (li.size() == 1 || li.size() == 3) {
    dlugosc_stycznej = 0;
    return;
  }
  if (li.size() != 2) return;

  const w_punkt* A = li[0]->drugi_koniec(this);
  const w_punkt* B = li[1]->drugi_koniec(this);
  const wektor P{GET_X(), GET_Y()};
  const wektor a = normalizuj(wektor{A->GET_X(), A->GET_Y()} - P);
  const wektor b = normalizuj(wektor{B->GET_X(), B->GET_Y()} - P);
  const wektor nA = obroc_w_lewo(a);
  const double strona = iloczyn_skalarny(nA, b);
  const int zwrot = strona > 0 ? 1 : (strona < 0 ? -1 : 0);
  const wektor nB = obroc_w_prawo(b);
  const wektor w = nB * promien;
  const double azymut_nA = azymut(nA);
  const double azymut_nB = azymut(nB);
  const double delta = azymut_nB - azymut_nA - 180;
  const double Ts = promien * std::tan((90 - delta * 0.5) * STOPNIE_NA_RADIANY);
  const wektor s = b * Ts;
  dlugosc_stycznej = std::fabs(Ts);

  wektor M = P;
  double poczatek = azymut_nA;
  double koniec = azymut_nA;
  if (zwrot == 1) {
    M = P + w - s;
    poczatek = azymut_nA + 180;
    koniec = azymut_nB + 180;
  } else if (zwrot == -1) {
    M = P - w + s;
    poczatek = azymut_nB;
    koniec = azymut_nA;
  }
  if (zwrot != 0) koniec = koniec_luku(poczatek, koniec);
  srodek_x = M.x;
  srodek_y = M.y;
  kat_poczatkowy = poczatek;
  kat_koncowy = koniec;
  skret = zwrot;
}

double tor_punkt::wysokosc2_bezwzgledna() const { return element ? wysokosc2 + element->z : wysokosc2; }

double tor_punkt::azymut_zdarzenia(double pozycja) const {
  return kat_poczatkowy + (kat_koncowy - kat_poczatkowy) * pozycja;
}

wektor tor_punkt::miejsce_zdarzenia(double pozycja) const {
  return punkt_na_azymucie({srodek_x, srodek_y}, promien, azymut_zdarzenia(pozycja));
}

ramka_symbolu tor_punkt::ramka_zdarzenia(double pozycja) const {
  // Without an arc (one line, or a vertex that does not turn) the arc centre is no place on the
  // track: such events are drawn at the point itself.
  const wektor miejsce = ma_luk() ? miejsce_zdarzenia(pozycja) : wektor{GET_X(), GET_Y()};
  return {miejsce, 180 - azymut_zdarzenia(pozycja)};
}

void tor_punkt::rysuj(malarz& m, int flagi, int kolorystyka) const {
  if (li.size() == 3) return;
  const opcje_rysowania& opcje = stan.rysowanie;

  const bool wnetrze_bloku = element && li.size() == 2 && li[0]->w_elemencie() && li[1]->w_elemencie() &&
                             li[0]->p1->element == element && li[1]->p1->element == element;
  if ((opcje.flagi & POKAZ_PUNKTY_LINIE) && !wnetrze_bloku)
    w_punkt::rysuj(m, li.size() <= 1 ? flagi | RYSUJ_KONIEC : flagi, kolorystyka);

  m.szerokosc_linii(1);
  if (li.size() == 2 && dlugosc_stycznej != 0) {
    if (opcje.flagi & POKAZ_SZYNY) {
      const bool blad = static_cast<const tor_linia*>(li[0])->blad || static_cast<const tor_linia*>(li[1])->blad;
      if (blad)
        m.kolor(1, 0, 0);
      else if (opcje.biale_linie)
        m.kolor(1, 1, 1);
      else
        m.kolor(0, 0, 0);
      const double h = polowa_przeswitu(przeswit);
      rysuj_luk(m, srodek_x, srodek_y, promien - h, kat_poczatkowy, kat_koncowy);
      rysuj_luk(m, srodek_x, srodek_y, promien + h, kat_poczatkowy, kat_koncowy);
    }
    if (opcje.flagi & POKAZ_SKRAJNIE) {
      m.kolor(0.65f, 0.65f, 0.65f);
      rysuj_luk(m, srodek_x, srodek_y, promien - 1.9, kat_poczatkowy, kat_koncowy);
      rysuj_luk(m, srodek_x, srodek_y, promien + 1.9, kat_poczatkowy, kat_koncowy);
    }
  }

  for (const wezel_zdarzenia* w = zdarzenia.pierwszy(); w; w = w->nastepny.get()) {
    m.kolor(0.6f, 0.6f, 0.6f);
    m.rozmiar_punktu(10);
    m.zachowaj_macierz();
    const ramka_symbolu r = ramka_zdarzenia(w->dane.pozycja);
    m.przesun(r.miejsce.x, r.miejsce.y, 0);
    m.obroc(r.obrot, 0, 0, 1);
    rysuj_symbol_zdarzenia(m, w->dane, stan.tekstura_zdarzen);
    m.przywroc_macierz();
  }
  m.kolor(1, 1, 1);
}

void tor_punkt::zapisz_txt(pisarz_tekstu& s) const {
  w_punkt::zapisz_txt(s);
  s.int32(przeswit);
  s.int32(obiekt);
  s.f64(promien);
  s.f64(wysokosc2_bezwzgledna());
  s.f64(parametr1);
  s.f64(parametr2);
}

void tor_punkt::wczytaj_txt(czytnik_tekstu& s) {
  w_punkt::wczytaj_txt(s);
  przeswit = s.int32();
  obiekt = s.int32();
  promien = s.f64();
  wysokosc2 = s.f64();  // absolute until the element link is set
  parametr1 = s.f64();
  parametr2 = s.f64();
}

void tor_punkt::zapisz(pisarz_rekordow& s) const {
  w_punkt::zapisz(s);
  s.int32(przeswit);
  s.int32(obiekt);
  s.f64(promien);
  s.f64(wysokosc2_bezwzgledna());
  s.f64(parametr1);
  s.f64(parametr2);
}

void tor_punkt::wczytaj(czytnik_rekordow& s) {
  w_punkt::wczytaj(s);
  przeswit = s.int32();
  obiekt = s.int32();
  promien = s.f64();
  wysokosc2 = s.f64();  // absolute until the element link is set
  parametr1 = s.f64();
  parametr2 = s.f64();
}
