#include "model/w_linia.h"

#include <cmath>

#include "io/strumien_rekordow.h"
#include "io/strumien_tekstowy.h"
#include "model/kolory.h"
#include "model/w_element.h"
#include "model/w_punkt.h"
#include "model/zmiany_zaznaczenia.h"
#include "track/malarz.h"

w_linia::w_linia(w_punkt* p1, w_punkt* p2) : p1(p1), p2(p2) {
  p2->dodaj_linie(this);
  p1->dodaj_linie(this);
  zmiana_zaznaczenia();
}

w_linia::~w_linia() {
  odlacz();
  zmiana_zaznaczenia();
}

void w_linia::odlacz() {
  if (!p1) return;
  p2->usun_linie(this);
  p1->usun_linie(this);
  p1 = p2 = nullptr;
}

void w_linia::przelicz() { przelicz_kierunek(); }

void w_linia::przelicz_kierunek() {
  const double dx = p1->GET_X() - p2->GET_X();
  const double dy = p1->GET_Y() - p2->GET_Y();
  const double dz = p1->GET_Z() - p2->GET_Z();
  dl = std::sqrt(dx * dx + dy * dy + dz * dz);
  if (dl == 0) return;  // the previous direction stays
  kx = dx / dl;
  ky = dy / dl;
  kz = dz / dl;
}

w_linia::kierunek w_linia::kierunek_teraz() const {
  const double dx = p1->GET_X() - p2->GET_X();
  const double dy = p1->GET_Y() - p2->GET_Y();
  const double dz = p1->GET_Z() - p2->GET_Z();
  const double d = std::sqrt(dx * dx + dy * dy + dz * dz);
  if (d == 0) return {d, kx, ky};
  return {d, dx / d, dy / d};
}

bool w_linia::w_elemencie() const { return p1->element && p1->element == p2->element; }

void w_linia::ustaw_zaznaczony(bool v) {
  if (zaznaczony_ == v) return;
  zaznaczony_ = v;
  zmiana_zaznaczenia();
}

bool w_linia::CZY_ZAZNACZONY() const {
  return w_elemencie() ? p1->element->zaznaczony() : zaznaczony_;
}

void w_linia::ZAZNACZ(bool v) {
  if (w_elemencie())
    p1->element->ustaw_zaznaczony(v);
  else
    ustaw_zaznaczony(v);
}

void w_linia::ZAZNACZ_WLASNY(bool v) {
  if (!w_elemencie()) ustaw_zaznaczony(v);
}

void w_linia::rysuj(malarz& m, int flagi, int kolorystyka) const {
  if (flagi & RYSUJ_NIEAKTYWNY) {
    m.szerokosc_linii(1);
    ustaw_kolor(m, kolor_nieaktywnej_linii(kolorystyka));
  } else {
    kolor_rgb kolor = kolor_zwykly(kolorystyka);
    float szerokosc = (flagi & RYSUJ_POD_KURSOREM) ? 3 : 1;
    if (w_elemencie()) kolor = kolor_elementu(kolorystyka);
    if (CZY_ZAZNACZONY()) {
      szerokosc = 5;
      kolor = kolor_zaznaczony(kolorystyka);
    }
    m.szerokosc_linii(szerokosc);
    ustaw_kolor(m, kolor);
  }
  m.linia(p1->GET_X(), p1->GET_Y(), p1->GET_Z(), p2->GET_X(), p2->GET_Y(), p2->GET_Z());
}

void w_linia::zapisz_txt(pisarz_tekstu& s) const { s.int32(0); }
void w_linia::wczytaj_txt(czytnik_tekstu& s) { s.int32(); }
void w_linia::zapisz(pisarz_rekordow& s) const { zdarzenia.zapisz(s); }
void w_linia::wczytaj(czytnik_rekordow& s) { zdarzenia.wczytaj(s); }
