#include "app/stan.h"
#include "io/strumien_rekordow.h"
#include "io/strumien_tekstowy.h"
#include "track/geometria.h"
#include "track/malarz.h"
#include "track/przeswity.h"
#include "track/tor.h"

#include <cmath>

tor_linia::tor_linia(tor_punkt* p1, tor_punkt* p2, int przeswit, int obiekt)
    : w_linia(p1, p2), obiekt(obiekt), przeswit(przeswit) {
  dl = 0;
  tor_linia::przelicz();
  blad = false;  // a new line is flagged only by the next recompute
}

double tor_linia::dlugosc() const { return dl - poczatek()->dlugosc_stycznej - koniec()->dlugosc_stycznej; }

wektor tor_linia::miejsce_zdarzenia(double pozycja) const {
  const double ts = poczatek()->dlugosc_stycznej;
  const double s = ts + (dl - ts - koniec()->dlugosc_stycznej) * pozycja;
  return wektor{p1->GET_X(), p1->GET_Y()} - wektor{kx, ky} * s;
}

ramka_symbolu tor_linia::ramka_zdarzenia(double pozycja) const {
  return {miejsce_zdarzenia(pozycja), std::atan2(ky, kx) * RADIANY_NA_STOPNIE + 180};
}

void tor_linia::przelicz() {
  // A line from a turnout's end to free track: the free end is moved onto the straight
  // continuation of the turnout's own line at that end.
  bool przyciagnieta = false;
  double k = 0;
  if ((p1->element == nullptr) != (p2->element == nullptr)) {
    w_punkt* K = p1->element ? p1 : p2;
    w_punkt* F = p1->element ? p2 : p1;
    w_linia* O = nullptr;
    if (!K->li.empty()) O = K->li[0] == this ? (K->li.size() > 1 ? K->li[1] : nullptr) : K->li[0];
    if (O) {
      // Nested inside this recompute, the other line gets length and direction only; its own
      // full turn comes in the layout pass (and a chain of such lines cannot recurse).
      O->przelicz_kierunek();
      const wektor d{O->kx, O->ky};
      const double Kx = K->GET_X();
      const double Ky = K->GET_Y();
      const wektor q{F->GET_X() - Kx, F->GET_Y() - Ky};
      k = iloczyn_skalarny(d, q);
      F->SET_X(Kx + k * d.x);
      F->SET_Y(Ky + k * d.y);
      przyciagnieta = true;
    }
  }
  przelicz_kierunek();
  blad = poczatek()->dlugosc_stycznej + koniec()->dlugosc_stycznej > dl;
  if (przyciagnieta && k < 0) blad = true;
}

void tor_linia::rysuj(malarz& m, int flagi, int kolorystyka) const {
  const opcje_rysowania& opcje = stan.rysowanie;
  if (opcje.flagi & POKAZ_PUNKTY_LINIE) w_linia::rysuj(m, flagi, kolorystyka);
  m.szerokosc_linii(1);

  const wektor d{kx, ky};
  const wektor n{d.y, -d.x};
  const double ts = poczatek()->dlugosc_stycznej;
  const double te = koniec()->dlugosc_stycznej;
  const wektor S{p1->GET_X(), p1->GET_Y()};
  const wektor E{p2->GET_X(), p2->GET_Y()};
  auto rysuj_pare = [&](double h) {
    for (int strona : {1, -1}) {
      const wektor a = S - d * ts + n * (strona * h);
      const wektor b = E + d * te + n * (strona * h);
      m.linia(a.x, a.y, 0, b.x, b.y, 0);
    }
  };
  if (opcje.flagi & POKAZ_SZYNY) {
    if (blad)
      m.kolor(1, 0, 0);
    else if (opcje.biale_linie)
      m.kolor(1, 1, 1);
    else
      m.kolor(0, 0, 0);
    rysuj_pare(polowa_przeswitu(przeswit));
  }
  if (opcje.flagi & POKAZ_SKRAJNIE) {
    m.kolor(0.65f, 0.65f, 0.65f);
    rysuj_pare(1.45);
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

void tor_linia::zapisz_txt(pisarz_tekstu& s) const {
  w_linia::zapisz_txt(s);
  s.int32(przeswit);
  s.int32(obiekt);
}

void tor_linia::wczytaj_txt(czytnik_tekstu& s) {
  w_linia::wczytaj_txt(s);
  przeswit = s.int32();
  obiekt = s.int32();
}

void tor_linia::zapisz(pisarz_rekordow& s) const {
  w_linia::zapisz(s);
  s.int32(przeswit);
  s.int32(obiekt);
}

void tor_linia::wczytaj(czytnik_rekordow& s) {
  w_linia::wczytaj(s);
  przeswit = s.int32();
  obiekt = s.int32();
}
