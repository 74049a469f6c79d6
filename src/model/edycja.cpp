// Editing operations of the plan view and the menus on any layout.
#include <algorithm>
#include <cmath>

#include "app/komunikaty.h"
#include "model/w_uklad.h"
#include "track/geometria.h"

void w_uklad::wskaz(double x, double y, double r, bool klik, bool zachowaj_zaznaczenie) {
  zgas_podswietlenie();
  if (klik && !zachowaj_zaznaczenie) {
    if (punkt_kursor == -1 || (punkt_kursor >= 0 && punkt_kursor < pmax() && !p[punkt_kursor]->CZY_ZAZNACZONY()))
      odznacz_wszystko();
  }

  // Only points and lines near (x, y) can be found: the grid names them, in the layout's
  // order, so that ties go the same way as over every item. Nothing farther than 10 000 m is.
  const double zasieg = std::min(r, 10000.0);
  std::vector<std::uint32_t> blisko;
  const bool z_siatki = punkty_w_poblizu(x, y, zasieg, blisko);
  const int ile_punktow = z_siatki ? static_cast<int>(blisko.size()) : pmax();
  int najblizszy = -1;
  double minimum = 10000;
  for (int j = 0; j < ile_punktow; ++j) {
    const int i = z_siatki ? static_cast<int>(blisko[j]) : j;
    const double dx = p[i]->GET_X() - x;
    const double dy = p[i]->GET_Y() - y;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d < minimum) {
      minimum = d;
      najblizszy = i;
    }
  }
  if (najblizszy >= 0 && minimum < r) {
    punkt_kursor = najblizszy;
    w_punkt* punkt = p[najblizszy];
    if (punkt->element) podswietl(punkt->element);
    if (klik) {
      ostatni_punkt = najblizszy;
      punkt->ZAZNACZ(true);
    }
  } else {
    punkt_kursor = -1;
  }

  linia_kursor = -1;
  if (punkt_kursor == -1) {
    double najlepsza = r;
    const bool linie_z_siatki = linie_w_poblizu(x, y, zasieg, blisko);
    const int ile_linii = linie_z_siatki ? static_cast<int>(blisko.size()) : lmax();
    for (int j = 0; j < ile_linii; ++j) {
      const int i = linie_z_siatki ? static_cast<int>(blisko[j]) : j;
      w_linia* linia = l[i];
      // From where the ends are now, without the recompute's side effects: a hover changes
      // nothing of the layout.
      const w_linia::kierunek k = linia->kierunek_teraz();
      const double p1x = linia->p1->GET_X() - x;
      const double p1y = linia->p1->GET_Y() - y;
      const double u = p1x * k.kx + p1y * k.ky;
      if (!(u > 0 && u < k.dl)) continue;
      const double odleglosc = std::fabs(k.kx * p1y - p1x * k.ky);
      if (odleglosc < najlepsza) {
        najlepsza = odleglosc;
        linia_kursor = i;
      }
    }
    if (linia_kursor >= 0) {
      w_linia* linia = l[linia_kursor];
      if (linia->w_elemencie()) podswietl(linia->p1->element);
      if (klik) linia->ZAZNACZ(true);
    }
  }

  // What the side panel shows follows the selection.
  int tryb = PANEL_PUSTY;
  int nr = 0;
  const podsumowanie_zaznaczenia& z = zaznaczenie();
  if (z.punkty == 1) {
    tryb = PANEL_PUNKT;
    nr = z.punkt;
  } else if (z.linie == 1) {
    tryb = PANEL_LINIA;
    nr = z.linia;
  } else if (z.elementy == 1) {
    tryb = PANEL_ELEMENT;
    nr = z.element;
  }
  if (tryb == panel_tryb && (tryb == PANEL_PUSTY || nr == panel_nr)) return;
  panel_tryb = tryb;
  switch (tryb) {
    case PANEL_PUNKT: pokaz_punkt(nr); panel_nr = nr; break;
    case PANEL_LINIA: pokaz_linie(nr); panel_nr = nr; break;
    case PANEL_ELEMENT: pokaz_element(nr); panel_nr = nr; break;
    default: pokaz_pusty(); break;
  }
}

void w_uklad::zaznacz_prostokat(double x1, double y1, double x2, double y2, bool dodaj) {
  const bool v = dodaj || ile_zaznaczonych_punktow() == 0;
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  for (w_linia* linia : l) linia->ZAZNACZ_WLASNY(false);
  for (w_punkt* punkt : p) {
    const double px = punkt->GET_X();
    const double py = punkt->GET_Y();
    if (x1 <= px && px <= x2 && y1 <= py && py <= y2) punkt->ZAZNACZ(v);
  }
}

void w_uklad::przesun_zaznaczone(double dx, double dy, double r) {
  auto przesun = [&](w_punkt* punkt) {
    punkt->SET_X(punkt->GET_X() + dx);
    punkt->SET_Y(punkt->GET_Y() + dy);
  };
  // Selected free points move first; the ends of selected free lines that are not selected
  // themselves follow, each once.
  for (w_punkt* punkt : p)
    if (!punkt->element && punkt->CZY_ZAZNACZONY()) przesun(punkt);
  std::vector<const w_punkt*> przesuniete_konce;
  for (w_linia* linia : l) {
    if (!linia->CZY_ZAZNACZONY() || linia->p1->element || linia->p2->element) continue;
    for (w_punkt* koniec : {linia->p1, linia->p2}) {
      if (koniec->CZY_ZAZNACZONY()) continue;
      if (std::find(przesuniete_konce.begin(), przesuniete_konce.end(), koniec) != przesuniete_konce.end()) continue;
      przesun(koniec);
      przesuniete_konce.push_back(koniec);
    }
  }
  for (w_element* element : elementy_zaznaczone()) {
    element->x += dx;
    element->y += dy;
  }

  if (punkt_kursor >= 0 && punkt_kursor < pmax()) {
    const w_punkt* ciagniety = p[punkt_kursor];
    punkt_docelowy = nullptr;
    double najlepsza = r;
    const double cx = ciagniety->GET_X();
    const double cy = ciagniety->GET_Y();
    for (w_punkt* q : p) {
      if (q == ciagniety) continue;
      if (q->element && ciagniety->element) continue;
      if (!mozna_polaczyc(q, ciagniety)) continue;
      const double wx = q->GET_X() - cx;
      const double wy = q->GET_Y() - cy;
      const double w = std::sqrt(wx * wx + wy * wy);
      if (w < najlepsza && !linia_miedzy(q, ciagniety)) {
        najlepsza = w;
        punkt_docelowy = q;
      }
    }
  }
  przelicz_wszystko();
}

void w_uklad::obroc_zaznaczone(double cx, double cy, double kat) {
  if (ile_zaznaczonych_punktow() > 0) {
    auto obroc = [&](double& x, double& y) {
      const double dx = x - cx;
      const double dy = y - cy;
      const double r = std::sqrt(dx * dx + dy * dy);
      const double fi = std::atan2(dy, dx) * RADIANY_NA_STOPNIE;
      x = cx + r * std::cos((fi + kat) * STOPNIE_NA_RADIANY);
      y = cy + r * std::sin((fi + kat) * STOPNIE_NA_RADIANY);
    };
    for (w_punkt* punkt : p) {
      if (punkt->element || !punkt->CZY_ZAZNACZONY()) continue;
      double x = punkt->GET_X();
      double y = punkt->GET_Y();
      obroc(x, y);
      punkt->SET_X(x);
      punkt->SET_Y(y);
    }
    for (w_element* element : elementy_zaznaczone()) {
      obroc(element->x, element->y);
      element->kat -= kat;
      if (element->kat >= 360) element->kat -= 360;
      if (element->kat < 0) element->kat += 360;
    }
  }
  przelicz_wszystko();
}

void w_uklad::usun_zaznaczone() {
  // Deleting the first selected point and scanning again from index 0 finds, after a
  // swap-removal at index i, nothing selected below i: the scan resumes at i. The lines of
  // deleted points are detached at once and dropped from the array in one pass at the end.
  std::size_t i = 0;
  while (i < p.size()) {
    w_punkt* punkt = p[i];
    if (!punkt->CZY_ZAZNACZONY()) {
      ++i;
      continue;
    }
    while (!punkt->li.empty()) punkt->li.front()->odlacz();
    if (punkt_docelowy == punkt) punkt_docelowy = nullptr;
    delete punkt;
    p[i] = p.back();
    p.pop_back();
  }
  usun_odlaczone_linie();

  for (w_linia* linia : l)
    if (linia->CZY_ZAZNACZONY()) linia->odlacz();
  usun_odlaczone_linie();

  usun_puste_elementy();
  zapomnij_kursor();
  przelicz_wszystko();
}

void w_uklad::odbij_elementy() {
  for (w_element* element : e)
    if (element->zaznaczony()) element->odbity = !element->odbity;
  for (w_punkt* punkt : p)
    if (punkt->element && punkt->element->zaznaczony()) punkt->ODBIJ_Y();
  przelicz_wszystko_dwa_razy();
}

void w_uklad::obroc_elementy_180() {
  for (w_element* element : e) {
    if (!element->zaznaczony()) continue;
    element->kat += 180;
    if (element->kat > 360) element->kat -= 360;
  }
  przelicz_wszystko_dwa_razy();
}

void w_uklad::ustaw_rownolegle() {
  if (ile_zaznaczonych_linii() != 1) {
    pokaz_komunikat(KOM_JEDEN_WZORZEC);
    return;
  }
  const w_linia* wzorzec = l[zaznaczenie().linia];
  const wektor d{wzorzec->p1->GET_X() - wzorzec->p2->GET_X(), wzorzec->p1->GET_Y() - wzorzec->p2->GET_Y()};
  const double kat_wzorca = std::atan2(d.x, d.y) * RADIANY_NA_STOPNIE + 90;

  // Whatever moves, the curves and faults of the layout follow at once.
  if (punkt_kursor >= 0 && punkt_kursor < pmax() && p[punkt_kursor]->element) {
    p[punkt_kursor]->element->kat = kat_wzorca;
    przelicz_wszystko();
    return;
  }
  if (linia_kursor < 0 || linia_kursor >= lmax()) {
    pokaz_komunikat(KOM_WSKAZ_ELEMENT);
    return;
  }
  w_linia* cel = l[linia_kursor];
  if (cel->w_elemencie()) {
    cel->p1->element->kat = kat_wzorca;
    przelicz_wszystko();
    return;
  }
  if (cel->p1->element || cel->p2->element) return;

  const wektor n = obroc_w_lewo(normalizuj(d));
  const wektor v{cel->p1->GET_X() - cel->p2->GET_X(), cel->p1->GET_Y() - cel->p2->GET_Y()};
  const double t = iloczyn_skalarny(n, v);
  cel->p1->SET_X(cel->p1->GET_X() - t * n.x);
  cel->p1->SET_Y(cel->p1->GET_Y() - t * n.y);
  przelicz_wszystko();
}

namespace {

template <class Czy>
kadr kadruj(const std::vector<w_punkt*>& p, Czy brany, bool skala_przy_rownych_x) {
  kadr k;
  bool jest = false;
  double min_x = 0, max_x = 0, min_y = 0, max_y = 0;
  for (const w_punkt* punkt : p) {
    if (!brany(punkt)) continue;
    const double x = punkt->GET_X();
    const double y = punkt->GET_Y();
    if (!jest) {
      min_x = max_x = x;
      min_y = max_y = y;
      jest = true;
    } else {
      min_x = std::min(min_x, x);
      max_x = std::max(max_x, x);
      min_y = std::min(min_y, y);
      max_y = std::max(max_y, y);
    }
  }
  if (!jest) return k;
  k.ma_srodek = true;
  k.x = -(min_x + max_x) / 2;
  k.y = -(min_y + max_y) / 2;
  const double rozpietosc = std::max(max_y - min_y, max_x - min_x);
  if (rozpietosc > 0 && (skala_przy_rownych_x || min_x != max_x)) {
    k.ma_skale = true;
    k.skala = 1.9 / rozpietosc;
  }
  return k;
}

}  // namespace

kadr w_uklad::pokaz_wszystko() const {
  kadr k;
  if (p.empty()) {
    k.ma_srodek = true;
    return k;
  }
  if (p.size() == 1) {
    k.ma_srodek = true;
    k.x = -p[0]->GET_X();
    k.y = -p[0]->GET_Y();
    return k;
  }
  // All points in one place: centre on them and keep the zoom.
  return kadruj(p, [](const w_punkt*) { return true; }, true);
}

kadr w_uklad::pokaz_zaznaczone() const {
  kadr k;
  if (p.empty()) {
    k.ma_srodek = true;
    return k;
  }
  if (p.size() == 1) {
    if (p[0]->CZY_ZAZNACZONY()) {
      k.ma_srodek = true;
      k.x = -p[0]->GET_X();
      k.y = -p[0]->GET_Y();
    }
    return k;
  }
  return kadruj(p, [](const w_punkt* q) { return q->CZY_ZAZNACZONY(); }, false);
}
