#include "track/zdarzenie.h"

#include <utility>

#include "io/strumien_rekordow.h"
#include "track/malarz.h"

const char* nazwa_zdarzenia(std::int32_t typ) {
  static const char* const nazwy[] = {
      "Przystanek", "Ograniczenie prędkości", "Odwołanie ograniczenia prędkości",
      "Sygnalizator", "Czujnik", "Izolator sekcyjny", "Przerwa w szynie"};
  return typ >= 0 && typ < 7 ? nazwy[typ] : "";
}

void zdarzenie::zapisz(pisarz_rekordow& s) const {
  s.int32(typ);
  s.int32(typ_b);
  s.u8(kierunek);
  s.f64(pozycja);
  s.int32(argument);
  s.f64(rezerwa);
}

void zdarzenie::wczytaj(czytnik_rekordow& s) {
  typ = s.int32();
  typ_b = s.int32();
  kierunek = s.u8();
  pozycja = s.f64();
  argument = s.int32();
  rezerwa = s.f64();
}

lista_zdarzen::~lista_zdarzen() { wyczysc(); }

void lista_zdarzen::wyczysc() {
  // Iteratively, so that a long list cannot exhaust the stack.
  while (glowa) glowa = std::move(glowa->nastepny);
}

int lista_zdarzen::ile() const {
  int n = 0;
  for (const wezel_zdarzenia* w = glowa.get(); w; w = w->nastepny.get()) ++n;
  return n;
}

void lista_zdarzen::dodaj(const zdarzenie& z) {
  std::unique_ptr<wezel_zdarzenia>* koniec = &glowa;
  while (*koniec) koniec = &(*koniec)->nastepny;
  *koniec = std::make_unique<wezel_zdarzenia>();
  (*koniec)->dane = z;
}

const zdarzenie* lista_zdarzen::nr(int nr) const {
  if (nr < 0) return nullptr;
  const wezel_zdarzenia* w = glowa.get();
  for (; w && nr > 0; --nr) w = w->nastepny.get();
  return w ? &w->dane : nullptr;
}

zdarzenie* lista_zdarzen::nr(int nr) { return const_cast<zdarzenie*>(std::as_const(*this).nr(nr)); }

void lista_zdarzen::usun(int nr) {
  if (nr < 0) return;
  std::unique_ptr<wezel_zdarzenia>* w = &glowa;
  for (; *w && nr > 0; --nr) w = &(*w)->nastepny;
  if (*w) *w = std::move((*w)->nastepny);
}

void lista_zdarzen::zapisz(pisarz_rekordow& s) const {
  s.int32(ile());
  for (const wezel_zdarzenia* w = glowa.get(); w; w = w->nastepny.get()) w->dane.zapisz(s);
}

void lista_zdarzen::wczytaj(czytnik_rekordow& s) {
  const std::int32_t n = s.licznik(ROZMIAR_REKORDU_ZDARZENIA, "zdarzeń");
  std::unique_ptr<wezel_zdarzenia>* koniec = &glowa;
  while (*koniec) koniec = &(*koniec)->nastepny;
  for (std::int32_t i = 0; i < n; ++i) {
    *koniec = std::make_unique<wezel_zdarzenia>();
    (*koniec)->dane.wczytaj(s);
    koniec = &(*koniec)->nastepny;
  }
}

void rysuj_symbol_zdarzenia(malarz& m, const zdarzenie& z, unsigned tekstura) {
  m.punkt(0, 0, 0);

  const int typ = z.typ < 0 ? 0 : z.typ;
  const double u = (typ % 4) * 0.25;
  const double v = -(typ / 4) * 0.25;
  const double xy[4][2] = {{-1, 3}, {-1, 1}, {1, 1}, {1, 3}};
  const double uv[4][2] = {
      {u + 0.24, v - 0.01}, {u + 0.24, v - 0.24}, {u + 0.01, v - 0.24}, {u + 0.01, v - 0.01}};
  m.kolor(1, 1, 1);
  m.tekstura(tekstura);
  m.czworokat(xy, uv);
  m.bez_tekstury();

  m.kolor(0.6f, 0.6f, 0.6f);
  m.szerokosc_linii(1);
  m.linia(-0.9, 3.5, 0, 0.9, 3.5, 0);
  if (z.kierunek & 1) {
    m.linia(0.5, 3.8, 0, 0.9, 3.5, 0);
    m.linia(0.5, 3.2, 0, 0.9, 3.5, 0);
  }
  if (z.kierunek & 2) {
    m.linia(-0.5, 3.8, 0, -0.9, 3.5, 0);
    m.linia(-0.5, 3.2, 0, -0.9, 3.5, 0);
  }
  if (z.typ == ZD_CZUJNIK) {
    m.kolor(0, 0, 1);
    m.szerokosc_linii(3);
    m.linia(0, 0, 0, z.czujnik_x, z.czujnik_y, 0);
  }
}
