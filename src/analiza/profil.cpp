#include "analiza/profil.h"

#include <algorithm>
#include <deque>
#include <limits>
#include <unordered_set>

#include "analiza/nachylenie.h"
#include "io/eksport.h"
#include "track/tor.h"

namespace {

wektor polozenie(const w_punkt* p) { return {p->GET_X(), p->GET_Y()}; }

// The chain as points and the lines between them: punkty[i] and punkty[i + 1] are the ends of
// linie[i].
struct lancuch {
  std::deque<const tor_punkt*> punkty;
  std::deque<const tor_linia*> linie;
};

// The line to go on by from a point reached along `przez`: only a point of two lines leads on.
const tor_linia* dalej(const tor_punkt* p, const w_linia* przez) {
  if (p->GET_LIMAX() != 2) return nullptr;
  return static_cast<const tor_linia*>(p->li[0] == przez ? p->li[1] : p->li[0]);
}

lancuch zbuduj_lancuch(const tor_uklad& tor, poczatek_profilu od, int nr) {
  lancuch c;
  std::unordered_set<const w_linia*> odwiedzone;
  const tor_linia* w_przod = nullptr;
  const tor_linia* w_tyl = nullptr;
  if (od == poczatek_profilu::linia) {
    const tor_linia* l = tor.linia(nr);
    c.punkty = {l->poczatek(), l->koniec()};
    c.linie = {l};
    odwiedzone.insert(l);
    w_przod = dalej(l->koniec(), l);
    w_tyl = dalej(l->poczatek(), l);
  } else {
    const tor_punkt* p = tor.punkt(nr);
    c.punkty = {p};
    if (p->GET_LIMAX() >= 1) w_przod = static_cast<const tor_linia*>(p->li[p->GET_LIMAX() == 2 ? 1 : 0]);
    if (p->GET_LIMAX() == 2) w_tyl = static_cast<const tor_linia*>(p->li[0]);
  }
  while (w_przod && odwiedzone.insert(w_przod).second) {
    const auto* nastepny = static_cast<const tor_punkt*>(w_przod->drugi_koniec(c.punkty.back()));
    c.linie.push_back(w_przod);
    c.punkty.push_back(nastepny);
    w_przod = dalej(nastepny, w_przod);
  }
  while (w_tyl && odwiedzone.insert(w_tyl).second) {
    const auto* poprzedni = static_cast<const tor_punkt*>(w_tyl->drugi_koniec(c.punkty.front()));
    c.linie.push_front(w_tyl);
    c.punkty.push_front(poprzedni);
    w_tyl = dalej(poprzedni, w_tyl);
  }
  return c;
}

// Travelling from line `przed` to line `po` through point t: the arc's share `f` of the way
// as the fraction from the arc's start bearing (the arc starts on the leg of line 0 when the
// point turns +1, on the leg of line 1 otherwise).
double ulamek_luku(const tor_punkt& t, const w_linia* przed, double f) {
  return (t.li[0] == przed) == (t.skret == 1) ? f : 1 - f;
}

}  // namespace

const odcinek_profilu* profil_trasy::odcinek(double s) const {
  if (odcinki.empty()) return nullptr;
  const auto it = std::upper_bound(odcinki.begin(), odcinki.end(), s,
                                   [](double v, const odcinek_profilu& o) { return v < o.s0; });
  return it == odcinki.begin() ? &odcinki.front() : &*(it - 1);
}

namespace {
double udzial(const odcinek_profilu& o, double s) {
  return o.s1 > o.s0 ? std::clamp((s - o.s0) / (o.s1 - o.s0), 0.0, 1.0) : 0.0;
}
}  // namespace

double profil_trasy::wysokosc(double s) const {
  const odcinek_profilu* o = odcinek(s);
  if (!o) return 0;
  return o->h0 + (o->h1 - o->h0) * udzial(*o, s);
}

wektor profil_trasy::miejsce(double s) const {
  const odcinek_profilu* o = odcinek(s);
  if (!o) return {};
  const double f = udzial(*o, s);
  if (o->luk) return punkt_na_azymucie(o->srodek, o->promien, o->kat0 + (o->kat1 - o->kat0) * f);
  return o->a + (o->b - o->a) * f;
}

profil_trasy profil(const tor_uklad& tor, poczatek_profilu od, int nr) {
  profil_trasy wynik;
  const int ile = od == poczatek_profilu::linia ? tor.lmax() : tor.pmax();
  if (nr < 0 || nr >= ile) return wynik;
  const lancuch c = zbuduj_lancuch(tor, od, nr);

  double s = 0;
  auto znaki = [&](const lista_zdarzen& lista, auto&& droga) {
    for (const wezel_zdarzenia* w = lista.pierwszy(); w; w = w->nastepny.get())
      if (w->dane.typ == ZD_PRZYSTANEK || w->dane.typ == ZD_SYGNALIZATOR)
        wynik.znaki.push_back({w->dane.typ, droga(w->dane.pozycja), 0});
  };
  for (std::size_t i = 0; i < c.linie.size(); ++i) {
    const tor_linia& l = *c.linie[i];
    const tor_punkt& A = *c.punkty[i];
    const tor_punkt& B = *c.punkty[i + 1];
    const bool zgodnie = l.p1 == &A;
    // A point's tangent length shortens the straight only where the point has its arc.
    const double tA = A.GET_LIMAX() == 2 ? A.dlugosc_stycznej : 0;
    const double tB = B.GET_LIMAX() == 2 ? B.dlugosc_stycznej : 0;
    const wektor kierunek = normalizuj(polozenie(&B) - polozenie(&A));

    odcinek_profilu prosta;
    prosta.nr = tor.indeks_linii(&l);
    prosta.s0 = s;
    prosta.s1 = s + std::max(0.0, l.dlugosc());
    prosta.h0 = koniec_toru_w_punkcie(l, A).wysokosc;
    prosta.h1 = koniec_toru_w_punkcie(l, B).wysokosc;
    prosta.nachylenie = nachylenie_od(l, A);
    prosta.a = polozenie(&A) + kierunek * tA;
    prosta.b = polozenie(&B) - kierunek * tB;
    wynik.odcinki.push_back(prosta);
    znaki(l.zdarzenia, [&](double poz) { return prosta.s0 + (zgodnie ? poz : 1 - poz) * (prosta.s1 - prosta.s0); });
    s = prosta.s1;

    // The arc at B, when the chain goes on through it.
    if (i + 1 >= c.linie.size() || B.GET_LIMAX() != 2) continue;
    const tor_linia& nastepna = *c.linie[i + 1];
    odcinek_profilu luk;
    luk.luk = true;
    luk.nr = tor.indeks_punktu(&B);
    luk.s0 = s;
    luk.s1 = s + (B.skret != 0 ? B.dlugosc() : 0);
    luk.h0 = prosta.h1;
    luk.h1 = koniec_toru_w_punkcie(nastepna, B).wysokosc;
    luk.nachylenie = luk.s1 > luk.s0 ? (luk.h1 - luk.h0) / (luk.s1 - luk.s0) * 1000 : 0;
    luk.srodek = {B.srodek_x, B.srodek_y};
    luk.promien = B.promien;
    luk.kat0 = B.azymut_zdarzenia(ulamek_luku(B, &l, 0));
    luk.kat1 = B.azymut_zdarzenia(ulamek_luku(B, &l, 1));
    wynik.odcinki.push_back(luk);
    znaki(B.zdarzenia, [&](double poz) { return luk.s0 + ulamek_luku(B, &l, poz) * (luk.s1 - luk.s0); });
    s = luk.s1;
  }
  std::sort(wynik.znaki.begin(), wynik.znaki.end(), [](const znak_profilu& a, const znak_profilu& b) { return a.s < b.s; });
  for (znak_profilu& z : wynik.znaki) z.h = wynik.wysokosc(z.s);
  return wynik;
}

std::optional<przedmiot_toru> najblizszy_przedmiot(const tor_uklad& tor, double x, double y) {
  std::optional<przedmiot_toru> wynik;
  double najmniej = std::numeric_limits<double>::infinity();
  const wektor P{x, y};
  for (int i = 0; i < tor.pmax(); ++i) {
    const double d = dlugosc(polozenie(tor.p[i]) - P);
    if (d < najmniej) {
      najmniej = d;
      wynik = przedmiot_toru{poczatek_profilu::punkt, i};
    }
  }
  for (int j = 0; j < tor.lmax(); ++j) {
    const wektor a = polozenie(tor.l[j]->p1);
    const wektor ab = polozenie(tor.l[j]->p2) - a;
    const double dd = iloczyn_skalarny(ab, ab);
    const double t = dd > 0 ? std::clamp(iloczyn_skalarny(P - a, ab) / dd, 0.0, 1.0) : 0.0;
    const double d = dlugosc(a + ab * t - P);
    if (d < najmniej) {
      najmniej = d;
      wynik = przedmiot_toru{poczatek_profilu::linia, j};
    }
  }
  return wynik;
}
