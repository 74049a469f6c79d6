#include "view/odcisk_rysunku.h"

#include "track/tor.h"

namespace {

void zdarzenia(odcisk_rysunku& o, const lista_zdarzen& lista) {
  o.dodaj(lista.ile());
  for (const wezel_zdarzenia* w = lista.pierwszy(); w; w = w->nastepny.get()) {
    const zdarzenie& z = w->dane;
    o.dodaj(z.typ);
    o.dodaj(static_cast<int>(z.kierunek));
    o.dodaj(z.pozycja);
    o.dodaj(z.czujnik_x);
    o.dodaj(z.czujnik_y);
  }
}

}  // namespace

void odcisk_rysunku::punkt(const w_punkt& p, int flagi, bool tor) {
  dodaj(flagi);
  dodaj(p.GET_X());
  dodaj(p.GET_Y());
  dodaj(p.element != nullptr);
  dodaj(p.CZY_ZAZNACZONY());
  dodaj(p.GET_LIMAX());
  if (!tor) return;
  const auto& t = static_cast<const tor_punkt&>(p);
  dodaj(t.przeswit);
  dodaj(t.promien);
  dodaj(t.dlugosc_stycznej);
  dodaj(t.srodek_x);
  dodaj(t.srodek_y);
  dodaj(t.kat_poczatkowy);
  dodaj(t.kat_koncowy);
  dodaj(t.skret);
  for (const w_linia* l : t.li) {
    dodaj(static_cast<const tor_linia*>(l)->blad);
    dodaj(l->w_elemencie() && l->p1->element == t.element);
  }
  zdarzenia(*this, t.zdarzenia);
}

void odcisk_rysunku::linia(const w_linia& l, int flagi, bool tor) {
  dodaj(flagi);
  dodaj(l.p1->GET_X());
  dodaj(l.p1->GET_Y());
  dodaj(l.p2->GET_X());
  dodaj(l.p2->GET_Y());
  dodaj(l.w_elemencie());
  dodaj(l.CZY_ZAZNACZONY());
  if (!tor) return;
  const auto& t = static_cast<const tor_linia&>(l);
  dodaj(t.przeswit);
  dodaj(t.blad);
  dodaj(t.kx);
  dodaj(t.ky);
  dodaj(t.dl);
  dodaj(t.poczatek()->dlugosc_stycznej);
  dodaj(t.koniec()->dlugosc_stycznej);
  zdarzenia(*this, t.zdarzenia);
}
