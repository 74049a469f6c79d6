// What of a track point or line the picks can find, as a box for the layout's grid.
#include <algorithm>
#include <cmath>

#include "track/tor.h"

namespace {

// A coordinate's rounding in the places computed below stays far within this share of it.
constexpr double ZAPAS = 1e-9;

void dodaj_zdarzenia(ramka_wskazania& o, const lista_zdarzen& lista, const auto& miejsce) {
  for (const wezel_zdarzenia* w = lista.pierwszy(); w; w = w->nastepny.get()) {
    const wektor m = miejsce(w->dane.pozycja);
    o.dodaj(m.x, m.y);
  }
}

}  // namespace

ramka_wskazania tor_uklad::ramka_punktu(int nr) const {
  ramka_wskazania o = w_uklad::ramka_punktu(nr);
  const tor_punkt& q = *punkt(nr);
  if (q.ma_luk()) {
    // The arc lies on its circle; one of less than half a turn also lies in the triangle of
    // its ends and the vertex, where its tangents meet: within its tangent's length of the
    // vertex.
    const double r = std::fabs(q.promien);
    const double x = q.GET_X(), y = q.GET_Y(), t = q.dlugosc_stycznej;
    ramka_wskazania luk{q.srodek_x - r, q.srodek_y - r, q.srodek_x + r, q.srodek_y + r};
    if (std::fabs(q.kat_koncowy - q.kat_poczatkowy) < 180) {
      luk.x1 = std::max(luk.x1, x - t);
      luk.y1 = std::max(luk.y1, y - t);
      luk.x2 = std::min(luk.x2, x + t);
      luk.y2 = std::min(luk.y2, y + t);
    }
    luk.poszerz(ZAPAS * (1 + r + t + std::fabs(x) + std::fabs(y) + std::fabs(q.srodek_x) + std::fabs(q.srodek_y)));
    o.dodaj(luk.x1, luk.y1);
    o.dodaj(luk.x2, luk.y2);
  }
  dodaj_zdarzenia(o, q.zdarzenia, [&](double pozycja) { return q.ramka_zdarzenia(pozycja).miejsce; });
  return o;
}

ramka_wskazania tor_uklad::ramka_linii(int nr) const {
  ramka_wskazania o = w_uklad::ramka_linii(nr);
  const tor_linia& l = *linia(nr);
  // The straight part's ends, along which the places between them lie.
  for (const double pozycja : {0.0, 1.0}) {
    const wektor m = l.miejsce_zdarzenia(pozycja);
    o.dodaj(m.x, m.y);
  }
  dodaj_zdarzenia(o, l.zdarzenia, [&](double pozycja) { return l.miejsce_zdarzenia(pozycja); });
  return o;
}
