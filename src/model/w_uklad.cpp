#include "model/w_uklad.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/log.h"
#include "model/panel_boczny.h"
#include "model/zmiany_zaznaczenia.h"
#include "track/malarz.h"

w_uklad::~w_uklad() { wyczysc(); }

void w_uklad::wyczysc() {
  for (w_linia* linia : l) delete linia;
  l.clear();
  for (w_punkt* punkt : p) delete punkt;
  p.clear();
  for (w_element* element : e) delete element;
  e.clear();
  zapomnij_kursor();
}

void w_uklad::zapomnij_kursor() {
  punkt_kursor = linia_kursor = ostatni_punkt = -1;
  punkt_docelowy = nullptr;
}

void w_uklad::dodaj_do_p(w_punkt* punkt) { p.push_back(punkt); }
void w_uklad::dodaj_do_l(w_linia* linia) { l.push_back(linia); }

w_element* w_uklad::nowy_element(double x, double y, double z) {
  e.push_back(new w_element(x, y, z, false, szab_akt));
  return e.back();
}

int w_uklad::indeks_punktu(const w_punkt* punkt) const {
  auto it = std::find(p.begin(), p.end(), punkt);
  return it == p.end() ? -1 : static_cast<int>(it - p.begin());
}

int w_uklad::indeks_linii(const w_linia* linia) const {
  auto it = std::find(l.begin(), l.end(), linia);
  return it == l.end() ? -1 : static_cast<int>(it - l.begin());
}

int w_uklad::indeks_elementu(const w_element* element) const {
  auto it = std::find(e.begin(), e.end(), element);
  return it == e.end() ? -1 : static_cast<int>(it - e.begin());
}

w_linia* w_uklad::linia_miedzy(const w_punkt* a, const w_punkt* b) {
  for (w_linia* linia : a->li)
    if (linia->drugi_koniec(a) == b) return linia;
  return nullptr;
}

void w_uklad::usun_punkt(w_punkt* punkt) { usun_punkt_nr(indeks_punktu(punkt)); }

void w_uklad::usun_punkt_nr(int nr) {
  if (nr < 0 || nr >= pmax()) return;
  w_punkt* punkt = p[nr];
  while (!punkt->li.empty()) usun_linie(punkt->li.front());
  if (punkt_docelowy == punkt) punkt_docelowy = nullptr;
  delete punkt;
  p[nr] = p.back();
  p.pop_back();
}

void w_uklad::usun_linie(w_linia* linia) { usun_linie_nr(indeks_linii(linia)); }

void w_uklad::usun_linie_nr(int nr) {
  if (nr < 0 || nr >= lmax()) return;
  delete l[nr];
  l.erase(l.begin() + nr);
}

void w_uklad::usun_odlaczone_linie() {
  auto koniec = std::remove_if(l.begin(), l.end(), [](w_linia* linia) {
    if (!linia->odlaczona()) return false;
    delete linia;
    return true;
  });
  l.erase(koniec, l.end());
}

void w_uklad::usun_puste_elementy() {
  // Whether an element is referred to does not change while elements are removed, so it is
  // found once; the removal itself follows the literal swap order (the element moved into
  // index i is not looked at again).
  std::vector<const w_element*> uzywane;
  uzywane.reserve(p.size());
  for (const w_punkt* punkt : p)
    if (punkt->element) uzywane.push_back(punkt->element);
  std::sort(uzywane.begin(), uzywane.end());
  auto uzywany = [&](const w_element* el) {
    return std::binary_search(uzywane.begin(), uzywane.end(), el);
  };
  for (std::size_t i = 0; i < e.size(); ++i) {
    if (uzywany(e[i])) continue;
    delete e[i];
    e[i] = e.back();
    e.pop_back();
  }
}

void w_uklad::przelicz_wszystko() {
  for (w_punkt* punkt : p) punkt->przelicz();
  for (w_linia* linia : l) linia->przelicz();
}

void w_uklad::przelicz_wszystko_dwa_razy() {
  przelicz_wszystko();
  // A pass moves only free ends of lines that leave an element (they are snapped onto the
  // element's line). A point's recompute depends on its own and its neighbours' positions, a
  // line's on its ends' positions and tangents, and a snapping line also writes the direction
  // of the element's other line at its end. So in the second pass only the moved ends, their
  // neighbours and the lines at any of them can come out different; every other recompute
  // would write the values it already holds.
  std::vector<w_punkt*> ruchome;
  for (w_linia* linia : l) {
    if ((linia->p1->element == nullptr) == (linia->p2->element == nullptr)) continue;
    w_punkt* wolny = linia->p1->element ? linia->p2 : linia->p1;
    if (!wolny->znacznik) ruchome.push_back(wolny);
    wolny->znacznik = 1;
  }
  std::vector<w_punkt*> oznaczone = ruchome;
  for (w_punkt* punkt : ruchome)
    for (w_linia* linia : punkt->li) {
      w_punkt* sasiad = linia->drugi_koniec(punkt);
      if (!sasiad->znacznik) oznaczone.push_back(sasiad);
      sasiad->znacznik = 1;
    }
  // A point's recompute reads no other point's derived values: their order does not matter.
  for (w_punkt* punkt : oznaczone) punkt->przelicz();
  if (!oznaczone.empty())
    for (w_linia* linia : l)
      if (linia->p1->znacznik || linia->p2->znacznik) linia->przelicz();
  for (w_punkt* punkt : oznaczone) punkt->znacznik = 0;
}

namespace {

// The lines at the given points, each once, in the order of the layout's array.
std::vector<w_linia*> linie_przy(const std::vector<w_linia*>& l, const std::vector<w_punkt*>& punkty) {
  std::vector<const w_linia*> przy;
  for (const w_punkt* punkt : punkty) przy.insert(przy.end(), punkt->li.begin(), punkt->li.end());
  std::sort(przy.begin(), przy.end());
  przy.erase(std::unique(przy.begin(), przy.end()), przy.end());
  std::vector<w_linia*> wynik;
  if (przy.empty()) return wynik;
  wynik.reserve(przy.size());
  for (w_linia* linia : l)
    if (std::binary_search(przy.begin(), przy.end(), linia)) wynik.push_back(linia);
  return wynik;
}

}  // namespace

void w_uklad::przelicz_okolice_dwa_razy(std::span<const std::size_t> okolica) {
  std::vector<w_punkt*> punkty;
  punkty.reserve(okolica.size());
  for (const std::size_t i : okolica) punkty.push_back(p[i]);
  for (w_punkt* punkt : punkty) punkt->przelicz();
  const std::vector<w_linia*> linie = linie_przy(l, punkty);
  for (w_linia* linia : linie) linia->przelicz();
  // The second pass as in przelicz_wszystko_dwa_razy: every line that snaps is among these.
  std::vector<w_punkt*> oznaczone;
  for (w_linia* linia : linie) {
    if ((linia->p1->element == nullptr) == (linia->p2->element == nullptr)) continue;
    w_punkt* wolny = linia->p1->element ? linia->p2 : linia->p1;
    if (!wolny->znacznik) oznaczone.push_back(wolny);
    wolny->znacznik = 1;
  }
  const std::size_t ruchome = oznaczone.size();
  for (std::size_t i = 0; i < ruchome; ++i)
    for (w_linia* linia : oznaczone[i]->li) {
      w_punkt* sasiad = linia->drugi_koniec(oznaczone[i]);
      if (!sasiad->znacznik) oznaczone.push_back(sasiad);
      sasiad->znacznik = 1;
    }
  for (w_punkt* punkt : oznaczone) punkt->przelicz();
  for (w_linia* linia : linie_przy(l, oznaczone)) linia->przelicz();
  for (w_punkt* punkt : oznaczone) punkt->znacznik = 0;
}

bool w_uklad::element_zaznaczony(const w_element* element) const {
  for (const w_punkt* punkt : p)
    if (punkt->element == element && punkt->CZY_ZAZNACZONY()) return true;
  return false;
}

std::vector<w_element*> w_uklad::elementy_zaznaczone() const {
  // A point of an element reports the element's flag, so the element counts as selected when
  // its flag is set and some point belongs to it.
  std::vector<const w_element*> z_punktami;
  for (const w_punkt* punkt : p)
    if (punkt->element && punkt->element->zaznaczony()) z_punktami.push_back(punkt->element);
  std::sort(z_punktami.begin(), z_punktami.end());
  std::vector<w_element*> wynik;
  for (w_element* element : e)
    if (element->zaznaczony() && std::binary_search(z_punktami.begin(), z_punktami.end(), element))
      wynik.push_back(element);
  return wynik;
}

template <class Zmiana>
void w_uklad::zmien_podswietlenie(Zmiana zmiana) {
  const std::uint64_t przed = pokolenie_zaznaczenia();
  const bool zaznaczenie_bylo = zaznaczenie_aktualne();
  const bool zapalony_byl = pokolenie_zapalonego_ == przed;
  zmiana();
  const std::uint64_t po = pokolenie_zaznaczenia();
  if (zaznaczenie_bylo) pokolenie_zaznaczenia_ = po;
  if (zapalony_byl) pokolenie_zapalonego_ = po;
}

void w_uklad::zgas_podswietlenie() {
  if (pokolenie_zapalonego_ == pokolenie_zaznaczenia()) {
    if (zapalony_) zmien_podswietlenie([&] { zapalony_->ustaw_podswietlony(false); });
  } else {
    zmien_podswietlenie([&] {
      for (w_element* element : e) element->ustaw_podswietlony(false);
    });
    pokolenie_zapalonego_ = pokolenie_zaznaczenia();
  }
  zapalony_ = nullptr;
}

void w_uklad::podswietl(w_element* element) {
  const bool jedyny = zapalony_ == nullptr || zapalony_ == element;
  zmien_podswietlenie([&] { element->ustaw_podswietlony(true); });
  if (!jedyny)
    pokolenie_zapalonego_ = 0;  // two lit: the next zgas_podswietlenie looks at every element
  else if (pokolenie_zapalonego_ == pokolenie_zaznaczenia())
    zapalony_ = element;
}

int w_uklad::co_pod_kursorem() const {
  if (punkt_kursor >= 0 && punkt_kursor < pmax() && p[punkt_kursor]->CZY_ZAZNACZONY()) return 1;
  if (linia_kursor >= 0 && linia_kursor < lmax() && l[linia_kursor]->CZY_ZAZNACZONY()) return 2;
  return 0;
}

int w_uklad::flagi_punktu(int nr, bool aktywny) const {
  if (!aktywny) return RYSUJ_NIEAKTYWNY;
  return (nr == punkt_kursor ? RYSUJ_POD_KURSOREM : 0) | (nr == ostatni_punkt ? RYSUJ_OSTATNI : 0);
}

int w_uklad::flagi_linii(int nr, bool aktywny) const {
  if (!aktywny) return RYSUJ_NIEAKTYWNY;
  return nr == linia_kursor ? RYSUJ_POD_KURSOREM : 0;
}

void w_uklad::rysuj_uklad(malarz& m, bool aktywny) const {
  for (int i = 0; i < pmax(); ++i) p[i]->rysuj(m, flagi_punktu(i, aktywny), kolorystyka);
  for (int i = 0; i < lmax(); ++i) l[i]->rysuj(m, flagi_linii(i, aktywny), kolorystyka);
  rysuj_cel(m);
}

void w_uklad::rysuj_cel(malarz& m) const {
  if (punkt_docelowy && punkt_kursor >= 0 && punkt_kursor < pmax()) {
    const w_punkt* a = punkt_docelowy;
    const w_punkt* b = p[punkt_kursor];
    m.kolor(1, 0, 1);
    m.rozmiar_punktu(10);
    m.punkt(a->GET_X(), a->GET_Y(), a->GET_Z());
    m.punkt(b->GET_X(), b->GET_Y(), b->GET_Z());
    m.szerokosc_linii(5);
    m.linia(a->GET_X(), a->GET_Y(), a->GET_Z(), b->GET_X(), b->GET_Y(), b->GET_Z());
  }
}

bool w_uklad::zaznaczenie_aktualne() const {
  return pokolenie_zaznaczenia_ == pokolenie_zaznaczenia() && zaznaczenie_na_[0] == p.data() &&
         zaznaczenie_na_[1] == l.data() && zaznaczenie_na_[2] == e.data() &&
         zaznaczenie_rozmiary_[0] == p.size() && zaznaczenie_rozmiary_[1] == l.size() &&
         zaznaczenie_rozmiary_[2] == e.size();
}

const w_uklad::podsumowanie_zaznaczenia& w_uklad::zaznaczenie() const {
  if (zaznaczenie_aktualne()) return zaznaczenie_;
  podsumowanie_zaznaczenia z;
  for (int i = 0; i < pmax(); ++i)
    if (p[i]->CZY_ZAZNACZONY() && z.punkty++ == 0) z.punkt = i;
  for (int i = 0; i < lmax(); ++i)
    if (l[i]->CZY_ZAZNACZONY() && z.linie++ == 0) z.linia = i;
  for (int i = 0; i < emax(); ++i)
    if (e[i]->zaznaczony() && z.elementy++ == 0) z.element = i;
  zaznaczenie_ = z;
  pokolenie_zaznaczenia_ = pokolenie_zaznaczenia();
  zaznaczenie_na_[0] = p.data();
  zaznaczenie_na_[1] = l.data();
  zaznaczenie_na_[2] = e.data();
  zaznaczenie_rozmiary_[0] = p.size();
  zaznaczenie_rozmiary_[1] = l.size();
  zaznaczenie_rozmiary_[2] = e.size();
  return zaznaczenie_;
}

void w_uklad::odznacz_wszystko() {
  // No point or line selected: every flag these write is clear already (an element's flag is
  // written through its points).
  const podsumowanie_zaznaczenia& z = zaznaczenie();
  if (z.punkty == 0 && z.linie == 0) return;
  for (w_punkt* punkt : p) punkt->ZAZNACZ(false);
  for (w_linia* linia : l) linia->ZAZNACZ(false);
}

void w_uklad::zaznacz_wszystko() {
  for (w_punkt* punkt : p)
    if (!punkt->element) punkt->ustaw_zaznaczony(true);
  for (w_linia* linia : l) linia->ZAZNACZ(false);
  for (w_element* element : e) element->ustaw_zaznaczony(true);
}

void w_uklad::odwroc_zaznaczenie() {
  for (w_punkt* punkt : p)
    if (!punkt->element) punkt->ustaw_zaznaczony(!punkt->zaznaczony());
  for (w_linia* linia : l) linia->ZAZNACZ_WLASNY(false);
  for (w_element* element : e) element->ustaw_zaznaczony(!element->zaznaczony());
}

double w_uklad::panel_wartosc_1() const {
  switch (panel_tryb) {
    case PANEL_PUNKT: return panel_nr >= 0 && panel_nr < pmax() ? p[panel_nr]->GET_X() : 0;
    case PANEL_LINIA: return panel_nr >= 0 && panel_nr < lmax() ? l[panel_nr]->dl : 0;
    case PANEL_ELEMENT: return panel_nr >= 0 && panel_nr < emax() ? panel_nr : 0;
    default: return std::numeric_limits<double>::quiet_NaN();
  }
}

double w_uklad::panel_wartosc_2() const {
  switch (panel_tryb) {
    case PANEL_PUNKT: return panel_nr >= 0 && panel_nr < pmax() ? p[panel_nr]->GET_Y() : 0;
    case PANEL_LINIA:
      return panel_nr >= 0 && panel_nr < lmax()
                 ? std::atan2(l[panel_nr]->ky, l[panel_nr]->kx) * RADIANY_NA_STOPNIE + 180
                 : 0;
    case PANEL_ELEMENT: return panel_nr >= 0 && panel_nr < emax() ? 360 - e[panel_nr]->kat : 0;
    default: return std::numeric_limits<double>::quiet_NaN();
  }
}

void w_uklad::panel_ustaw_1(double v) {
  if (panel_tryb == PANEL_PUNKT && panel_nr >= 0 && panel_nr < pmax()) p[panel_nr]->SET_X(v);
}

void w_uklad::panel_ustaw_2(double v) {
  if (panel_tryb == PANEL_PUNKT && panel_nr >= 0 && panel_nr < pmax()) {
    p[panel_nr]->SET_Y(v);
  } else if (panel_tryb == PANEL_ELEMENT && panel_nr >= 0 && panel_nr < emax()) {
    if (!std::isfinite(v)) return;
    double kat = 360 - v;
    if (std::fabs(kat) > 1e6) kat = std::fmod(kat, 360.0);  // no endless stepping on huge input
    while (kat >= 360) kat -= 360;
    while (kat < 0) kat += 360;
    e[panel_nr]->kat = kat;
  }
}

void w_uklad::pokaz_punkt(int nr) {
  if (nr < 0 || nr >= pmax()) {
    log_pisz("!!! pokaz panel punkt index error [%d] pmax=[%d]\n", nr, pmax());
    return;
  }
  if (panel) panel->pokaz_punkt(p[nr]->GET_X(), p[nr]->GET_Y(), -1, 0);
}

void w_uklad::pokaz_linie(int nr) {
  if (nr < 0 || nr >= lmax()) {
    log_pisz("!!! pokaz panel linia index error [%d] lmax=[%d]\n", nr, lmax());
    return;
  }
  if (panel) panel->pokaz_linie(l[nr]->dl, azymut({l[nr]->kx, l[nr]->ky}), 0);
}

void w_uklad::pokaz_element(int nr) {
  if (nr < 0 || nr >= emax()) return;
  if (panel) panel->pokaz_element(nr, 360 - e[nr]->kat, e[nr]->przelozenie & PRZELOZENIE_SKRET);
}

void w_uklad::pokaz_pusty() {
  if (panel) panel->pokaz_pusty();
}

void w_uklad::znajdz_blad(double& x, double& y) const {
  x = 0;
  y = 0;
}
