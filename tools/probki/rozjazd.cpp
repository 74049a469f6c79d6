#include "rozjazd.h"

#include <cmath>
#include <stdexcept>

namespace {

// Follows the track from the switch point along `linia` to the end of that branch.
tor_punkt* koniec_galezi(const w_punkt* zwrotnica, const w_linia* linia) {
  const w_punkt* poprzedni = zwrotnica;
  w_punkt* punkt = linia->drugi_koniec(zwrotnica);
  while (punkt->GET_LIMAX() == 2) {
    const w_linia* dalej = punkt->li[0]->drugi_koniec(punkt) == poprzedni ? punkt->li[1] : punkt->li[0];
    poprzedni = punkt;
    punkt = dalej->drugi_koniec(punkt);
  }
  return static_cast<tor_punkt*>(punkt);
}

// The ends of the turnout made of the points from `pierwszy` on: the trunk is the branch
// that runs against both others, the straight one the branch that continues it more nearly.
rozjazd rozpoznaj(tor_uklad& tor, int pierwszy) {
  rozjazd r;
  r.element = tor.p[pierwszy]->element;
  const w_punkt* zwrotnica = nullptr;
  for (int i = pierwszy; i < tor.pmax(); ++i)
    if (tor.p[i]->GET_LIMAX() == 3) zwrotnica = tor.p[i];
  if (!zwrotnica) throw std::runtime_error("szablon bez punktu zwrotnicy");
  tor_punkt* konce[3];
  wektor kierunki[3];
  for (int i = 0; i < 3; ++i) {
    konce[i] = koniec_galezi(zwrotnica, zwrotnica->li[i]);
    kierunki[i] = normalizuj(polozenie(zwrotnica->li[i]->drugi_koniec(zwrotnica)) - polozenie(zwrotnica));
  }
  int pien = 0;
  double najmniejszy = 3;
  for (int i = 0; i < 3; ++i) {
    const double suma = iloczyn_skalarny(kierunki[i], kierunki[(i + 1) % 3]) +
                        iloczyn_skalarny(kierunki[i], kierunki[(i + 2) % 3]);
    if (suma < najmniejszy) {
      najmniejszy = suma;
      pien = i;
    }
  }
  const int a = (pien + 1) % 3;
  const int b = (pien + 2) % 3;
  const wektor os = normalizuj(polozenie(zwrotnica) - polozenie(konce[pien]));
  const bool a_prosto = iloczyn_skalarny(normalizuj(polozenie(konce[a]) - polozenie(zwrotnica)), os) >
                        iloczyn_skalarny(normalizuj(polozenie(konce[b]) - polozenie(zwrotnica)), os);
  r.wjazd = konce[pien];
  r.prosto = konce[a_prosto ? a : b];
  r.bok = konce[a_prosto ? b : a];
  return r;
}

// Selects the element alone, as a click on one of its points does.
void zaznacz_tylko(tor_uklad& tor, w_element* element) {
  tor.odznacz_wszystko();
  tor.punkt_kursor = tor.linia_kursor = -1;
  element->ustaw_zaznaczony(1);
}

}  // namespace

wektor polozenie(const w_punkt* punkt) { return {punkt->GET_X(), punkt->GET_Y()}; }

wektor kierunek_azymutu(double kat) {
  return {std::sin(kat * STOPNIE_NA_RADIANY), std::cos(kat * STOPNIE_NA_RADIANY)};
}

rozjazd postaw_rozjazd(tor_uklad& tor, int nr, wektor wjazd, double kierunek, bool w_prawo) {
  tor.ustaw_szablon(nr);
  const int pierwszy = tor.pmax();
  tor.wstaw_szablon(0, 0);
  rozjazd r = rozpoznaj(tor, pierwszy);
  zaznacz_tylko(tor, r.element);

  const wektor os = polozenie(r.prosto) - polozenie(r.wjazd);
  const bool prawy = iloczyn_skalarny(polozenie(r.bok) - polozenie(r.wjazd), obroc_w_prawo(os)) > 0;
  if (prawy != w_prawo) tor.odbij_elementy();

  // Turning by -a adds a to the element's angle; the trunk's bearing grows by the same.
  double obrot = kierunek - azymut(polozenie(r.prosto) - polozenie(r.wjazd));
  if (obrot < 0) obrot += 360;
  tor.obroc_zaznaczone(0, 0, -obrot);
  const wektor przesuniecie = wjazd - polozenie(r.wjazd);
  tor.przesun_zaznaczone(przesuniecie.x, przesuniecie.y, 0);
  tor.odznacz_wszystko();
  return r;
}
