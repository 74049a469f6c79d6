#include "model/w_element.h"

#include "io/strumien_rekordow.h"
#include "io/strumien_tekstowy.h"
#include "model/zmiany_zaznaczenia.h"

w_element::w_element(double x, double y, double z, bool odbity, std::int32_t nr_szablonu)
    : x(x), y(y), z(z), odbity(odbity), nr_szablonu(nr_szablonu) {
  zmiana_zaznaczenia();
}

w_element::~w_element() { zmiana_zaznaczenia(); }

void w_element::ustaw_zaznaczony(bool v) {
  if (zaznaczony_ == v) return;
  zaznaczony_ = v;
  zmiana_zaznaczenia();
}

void w_element::ustaw_podswietlony(bool v) {
  if (podswietlony_ == v) return;
  podswietlony_ = v;
  zmiana_zaznaczenia();
}

void w_element::zapisz_txt(pisarz_tekstu& s) const {
  s.f64(x);
  s.f64(y);
  s.f64(z);
  s.f64(kat);
}

void w_element::wczytaj_txt(czytnik_tekstu& s) {
  x = s.f64();
  y = s.f64();
  z = s.f64();
  kat = s.f64();
}

void w_element::zapisz(pisarz_rekordow& s) const {
  s.f64(x);
  s.f64(y);
  s.f64(z);
  s.f64(kat);
  s.u8(odbity);
  s.int32(przelozenie);
  s.int32(nr_szablonu);
}

void w_element::wczytaj_1410(czytnik_rekordow& s) {
  x = s.f64();
  y = s.f64();
  z = s.f64();
  kat = s.f64();
}

void w_element::wczytaj_1411(czytnik_rekordow& s) {
  wczytaj_1410(s);
  odbity = s.u8();
  nr_szablonu = s.int32();
}

void w_element::wczytaj(czytnik_rekordow& s) {
  wczytaj_1410(s);
  odbity = s.u8();
  przelozenie = s.int32();
  nr_szablonu = s.int32();
}
