#include "model/w_punkt.h"

#include <cmath>

#include "app/log.h"
#include "io/strumien_rekordow.h"
#include "io/strumien_tekstowy.h"
#include "model/kolory.h"
#include "model/w_element.h"
#include "model/zmiany_zaznaczenia.h"
#include "track/geometria.h"
#include "track/malarz.h"

w_punkt::w_punkt(double x, double y, double z) : x(x), y(y), z(z) { zmiana_zaznaczenia(); }

w_punkt::~w_punkt() {
  zmiana_zaznaczenia();
  if (!li.empty())
    log_pisz("!!!!!FATALNY BŁĄD - usuwany punkt ma %d wskaźnik(i) na linie\n", GET_LIMAX());
}

void w_punkt::dodaj_linie(w_linia* linia) {
  // Most points get two lines: one allocation instead of two.
  if (li.capacity() == 0) li.reserve(2);
  li.push_back(linia);
}

void w_punkt::usun_linie(w_linia* linia) {
  if (li.empty()) {
    log_pisz("FATALNY BŁĄD!!! - nadmiarowe usuwanie w_linii z w_punktu\n");
    return;
  }
  for (auto it = li.begin(); it != li.end(); ++it) {
    if (*it == linia) {
      li.erase(it);
      return;
    }
  }
  // The line is not here: the list stays as it is, since dropping another entry would leave
  // that line pointing at a point that no longer knows it.
  log_pisz("FATALNY BŁĄD!!! - usuwania w_linii z w_punktu - brak usuwanej linii w punkcje\n");
}

double w_punkt::x_w_swiecie() const {
  const double a = element->kat * STOPNIE_NA_RADIANY;
  return std::cos(a) * x + std::sin(a) * y + element->x;
}

double w_punkt::y_w_swiecie() const {
  const double a = element->kat * STOPNIE_NA_RADIANY;
  return std::cos(a) * y - std::sin(a) * x + element->y;
}

double w_punkt::GET_Z() const { return element ? z + element->z : z; }

void w_punkt::SET_X(double v) { x = element ? v - element->x : v; }
void w_punkt::SET_Y(double v) { y = element ? v - element->y : v; }
void w_punkt::SET_Z(double v) { z = element ? v - element->z : v; }

void w_punkt::ustaw_zaznaczony(bool v) {
  if (zaznaczony_ == v) return;
  zaznaczony_ = v;
  zmiana_zaznaczenia();
}

void w_punkt::ustaw_element(w_element* nowy) {
  if (element == nowy) return;
  element = nowy;
  zmiana_zaznaczenia();
}

bool w_punkt::CZY_ZAZNACZONY() const { return element ? element->zaznaczony() : zaznaczony_; }

void w_punkt::ZAZNACZ(bool v) {
  if (element)
    element->ustaw_zaznaczony(v);
  else
    ustaw_zaznaczony(v);
}

void w_punkt::rysuj(malarz& m, int flagi, int kolorystyka) const {
  if (flagi & RYSUJ_NIEAKTYWNY) {
    m.rozmiar_punktu(3);
    ustaw_kolor(m, kolor_nieaktywny(kolorystyka));
  } else {
    float rozmiar = 4;
    kolor_rgb kolor = kolor_zwykly(kolorystyka);
    if (flagi & RYSUJ_KONIEC) rozmiar = 7;
    if (flagi & RYSUJ_POD_KURSOREM) rozmiar = 10;
    if (element) kolor = kolor_elementu(kolorystyka);
    if (CZY_ZAZNACZONY()) {
      kolor = kolor_zaznaczony(kolorystyka);
      rozmiar = 10;
      if (flagi & RYSUJ_OSTATNI) kolor = {1, 1, 0};
    }
    if (element && (flagi & RYSUJ_POD_KURSOREM)) rozmiar = 12;
    m.rozmiar_punktu(rozmiar);
    ustaw_kolor(m, kolor);
  }
  m.punkt(GET_X(), GET_Y(), GET_Z());
}

void w_punkt::zapisz_txt(pisarz_tekstu& s) const {
  s.f64(x);
  s.f64(y);
  s.f64(z);
  s.int32(0);  // the text form carries no events
}

void w_punkt::wczytaj_txt(czytnik_tekstu& s) {
  x = s.f64();
  y = s.f64();
  z = s.f64();
  s.int32();  // event count, ignored
}

void w_punkt::zapisz(pisarz_rekordow& s) const {
  s.f64(x);
  s.f64(y);
  s.f64(z);
  zdarzenia.zapisz(s);
}

void w_punkt::wczytaj(czytnik_rekordow& s) {
  x = s.f64();
  y = s.f64();
  z = s.f64();
  zdarzenia.wczytaj(s);
}
