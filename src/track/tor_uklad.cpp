#include <algorithm>
#include <cmath>

#include "app/komunikaty.h"
#include "app/log.h"
#include "model/panel_boczny.h"
#include "track/geometria.h"
#include "track/przeswity.h"
#include "track/tor.h"

void tor_uklad::pokaz_punkt(int nr) {
  if (nr < 0 || nr >= pmax()) {
    log_pisz("!!! pokaz panel punkt index error [%d] pmax=[%d]\n", nr, pmax());
    return;
  }
  const tor_punkt* t = punkt(nr);
  if (panel) panel->pokaz_punkt(t->GET_X(), t->GET_Y(), t->promien, t->obiekt);
}

void tor_uklad::pokaz_linie(int nr) {
  if (nr < 0 || nr >= lmax()) {
    log_pisz("!!! pokaz panel linia index error [%d] lmax=[%d]\n", nr, lmax());
    return;
  }
  const tor_linia* t = linia(nr);
  if (panel) panel->pokaz_linie(t->dl, azymut({t->kx, t->ky}), t->obiekt);
}

void tor_uklad::pokaz_element(int nr) {
  if (nr < 0 || nr >= emax()) return;
  if (panel) panel->pokaz_element(nr, 360 - e[nr]->kat, e[nr]->przelozenie & PRZELOZENIE_SKRET);
}

void tor_uklad::pokaz_pusty() {
  if (panel) panel->pokaz_pusty();
}

bool tor_uklad::sprawdz_geometrie() const {
  for (int i = 0; i < lmax(); ++i)
    if (linia(i)->blad) return false;
  return true;
}

void tor_uklad::znajdz_blad(double& x, double& y) const {
  x = 0;
  y = 0;
  for (int i = 0; i < lmax(); ++i) {
    if (!linia(i)->blad) continue;
    x = l[i]->p1->GET_X();
    y = l[i]->p1->GET_Y();
    return;
  }
}

void tor_uklad::dodaj_punkt(double x, double y, double z) {
  tor_punkt* nowy = nullptr;
  if (punkt_kursor >= 0 && punkt_kursor < pmax()) {
    nowy = punkt(punkt_kursor);
    if (nowy->przeswit != przeswit_akt) {
      pokaz_komunikat(KOM_ROZNY_PRZESWIT);
      return;
    }
    if (nowy->GET_LIMAX() > 1) {
      pokaz_komunikat(KOM_DWA_POLACZENIA);
      return;
    }
  }
  // A line under the cursor with nothing selected is split by the point. Its gauge is checked
  // before a point is made, so that the refusal leaves no stray point behind.
  w_linia* dzielona =
      linia_kursor >= 0 && linia_kursor < lmax() && ile_zaznaczonych_punktow() == 0 ? l[linia_kursor] : nullptr;
  if (dzielona && static_cast<tor_punkt*>(dzielona->p1)->przeswit != przeswit_akt) {
    pokaz_komunikat(KOM_ROZNY_PRZESWIT);
    return;
  }
  if (!nowy) {
    nowy = static_cast<tor_punkt*>(utworz_punkt(x, y, z));
    dodaj_do_p(nowy);
  }

  if (ostatni_punkt >= 0 && ostatni_punkt < pmax() && p[ostatni_punkt] != nowy) {
    tor_punkt* ostatni = punkt(ostatni_punkt);
    if (ostatni->CZY_ZAZNACZONY() && ostatni->GET_LIMAX() <= 1 && nowy->GET_LIMAX() <= 1) {
      if (ostatni->przeswit == przeswit_akt)
        polacz(ostatni, nowy);
      else
        pokaz_komunikat(KOM_ROZNY_PRZESWIT);
      ostatni_punkt = -1;
    }
  }

  if (dzielona) {
    polacz(dzielona->p1, nowy);
    polacz(dzielona->p2, nowy);
    usun_linie(dzielona);
  }

  odznacz_wszystko();
  nowy->ZAZNACZ(true);
  ostatni_punkt = indeks_punktu(nowy);
  przelicz_wszystko();
}

w_punkt* tor_uklad::utworz_punkt(double x, double y, double z) {
  return new tor_punkt(przeswit_akt, x, y, z, promien_domyslny, obiekt_domyslny);
}

w_linia* tor_uklad::polacz(w_punkt* a, w_punkt* b) {
  if (a == b) return nullptr;
  if (w_linia* istniejaca = linia_miedzy(a, b)) return istniejaca;
  if (a->element && b->element) {
    if (a->element != b->element) {
      pokaz_komunikat(KOM_DWA_BLOKI);
      return nullptr;
    }
    if (!wstawianie_bloku) return nullptr;
  }
  auto* nowa = new tor_linia(static_cast<tor_punkt*>(a), static_cast<tor_punkt*>(b), przeswit_akt, obiekt_domyslny);
  dodaj_do_l(nowa);
  return nowa;
}

namespace {

// The pair that a drag chose: two points not joined yet and not both in elements. The hover
// pick between the last drag step and the release can leave the cursor on the target itself or
// on a neighbour of it; merging such a pair would delete the point or make a line end twice at one point.
bool para_do_scalenia(const w_punkt* D, const w_punkt* T) {
  return D != T && !w_uklad::linia_miedzy(D, T) && !(D->element && T->element);
}

}  // namespace

bool tor_uklad::scal_z_celem() {
  if (!punkt_docelowy || punkt_kursor < 0 || punkt_kursor >= pmax() || !para_do_scalenia(p[punkt_kursor], punkt_docelowy))
    return false;
  w_punkt* D = p[punkt_kursor];
  w_punkt* T = punkt_docelowy;
  if (D->GET_LIMAX() + T->GET_LIMAX() > 2) {
    pokaz_komunikat(KOM_DWA_POLACZENIA_SCAL);
    return false;
  }
  const std::vector<w_linia*> linie = D->li;
  for (w_linia* linia : linie) {
    D->usun_linie(linia);
    if (linia->p1 == D) linia->p1 = T;
    if (linia->p2 == D) linia->p2 = T;
    T->dodaj_linie(linia);
  }
  if (!T->element && D->element) {
    // T takes the element-local position that keeps it where D was, rotation undone.
    const w_element* el = D->element;
    const double dx = D->GET_X() - el->x;
    const double dy = D->GET_Y() - el->y;
    const double a = el->kat * STOPNIE_NA_RADIANY;
    T->x = std::cos(a) * dx - std::sin(a) * dy;
    T->y = std::sin(a) * dx + std::cos(a) * dy;
    T->ustaw_element(D->element);
  }
  usun_punkt(D);
  return true;
}

void tor_uklad::scal() {
  scal_z_celem();
  przelicz_wszystko_dwa_razy();
  punkt_kursor = -1;
  punkt_docelowy = nullptr;
}

void tor_uklad::scal(std::span<const std::size_t> okolica) {
  const bool w_ukladzie = std::all_of(okolica.begin(), okolica.end(), [&](std::size_t i) { return i < p.size(); });
  if (scal_z_celem() || !w_ukladzie)
    przelicz_wszystko_dwa_razy();
  else
    przelicz_okolice_dwa_razy(okolica);
  punkt_kursor = -1;
  punkt_docelowy = nullptr;
}

bool tor_uklad::mozna_polaczyc(const w_punkt* a, const w_punkt* b) const {
  if (a->GET_LIMAX() > 1 || b->GET_LIMAX() > 1) return false;
  if (a->element && !b->li.empty()) {
    const w_linia* pierwsza = b->li[0];
    if (pierwsza->p1->element || pierwsza->p2->element) return false;
  }
  return static_cast<const tor_punkt*>(a)->przeswit == static_cast<const tor_punkt*>(b)->przeswit;
}

void tor_uklad::ustaw_przelozenie(int v) {
  for (w_element* element : e) {
    if (!element->zaznaczony()) continue;
    if (v == 1)
      element->przelozenie |= PRZELOZENIE_SKRET;
    else if (v == 0)
      element->przelozenie &= ~PRZELOZENIE_SKRET;
  }
}

void tor_uklad::ustaw_przeswit(int przeswit) {
  if (przeswit < 0 || przeswit >= LICZBA_PRZESWITOW) return;
  przeswit_akt = przeswit;
  if (przeswit == 2) pokaz_komunikat(KOM_PRZESWIT_KRAKOW);
  if (przeswit == 3) pokaz_komunikat(KOM_PRZESWIT_SLASK);
  if (przeswit == 4) pokaz_komunikat(KOM_PRZESWIT_WARSZAWA);
}

void tor_uklad::ustaw_promien_zaznaczonych(double promien) {
  for (int i = 0; i < pmax(); ++i) {
    tor_punkt* t = punkt(i);
    if (!t->CZY_ZAZNACZONY()) continue;
    t->promien = promien;
    t->przelicz();
    if (t->GET_LIMAX() > 1) {
      t->li[0]->przelicz();
      t->li[1]->przelicz();
    }
  }
}

void tor_uklad::ustaw_obiekt_zaznaczonych(int obiekt) {
  for (int i = 0; i < pmax(); ++i)
    if (p[i]->CZY_ZAZNACZONY()) punkt(i)->obiekt = obiekt;
  for (int i = 0; i < lmax(); ++i)
    if (l[i]->CZY_ZAZNACZONY()) linia(i)->obiekt = obiekt;
}

double tor_uklad::dlugosc_trasy() const {
  double suma = 0;
  for (const w_linia* t : l) suma += t->dlugosc();
  for (const w_punkt* t : p)
    if (t->GET_LIMAX() == 2) suma += t->dlugosc();
  return suma;
}
