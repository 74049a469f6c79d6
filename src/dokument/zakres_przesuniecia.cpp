#include "dokument/zakres_przesuniecia.h"

#include "track/tor.h"

namespace {

bool rusza_sie(const w_punkt& p) {
  if (p.CZY_ZAZNACZONY()) return true;
  for (const w_linia* l : p.li)
    if (l->CZY_ZAZNACZONY() && !l->p1->element && !l->p2->element) return true;
  return false;
}

}  // namespace

zakres_zmiany zakres_przesuniecia(const tor_uklad& u) {
  zakres_zmiany z;
  // Points whose record can change are marked, then gathered by index in a second pass that
  // clears the marks: the moved ones, and the free ends of lines from an element, which every
  // recompute of the layout snaps again wherever they are.
  for (w_punkt* p : u.p) {
    if (rusza_sie(*p)) p->znacznik = 1;
    if (!p->element) continue;
    for (w_linia* l : p->li)
      if (w_punkt* wolny = l->drugi_koniec(p); !wolny->element) wolny->znacznik = 1;
  }
  for (std::size_t i = 0; i < u.p.size(); ++i) {
    if (!u.p[i]->znacznik) continue;
    u.p[i]->znacznik = 0;
    z.punkty.push_back(i);
  }
  for (std::size_t i = 0; i < u.e.size(); ++i)
    if (u.e[i]->zaznaczony()) z.elementy.push_back(i);
  return z;
}
