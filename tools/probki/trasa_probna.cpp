#include "trasa_probna.h"

#include <stdexcept>
#include <string>

#include "app/liczby.h"
#include "odcinek.h"
#include "rozjazd.h"

namespace {

constexpr int PRZESWIT_ELBLAG = 1;  // metre gauge
constexpr int MIASTO_ELBLAG = 4;
constexpr double WSCHOD = 90;       // bearing of the loop's bottom side
// The depot turnout's trunk end: the loop and the depot (x 210 to 680 m, y 174 to 460 m) lie
// in the bundled map's town, in the plan's positive quadrant where the grid is drawn.
constexpr wektor WJAZD{400, 200};

// The first tram turnout of the gauge in the library, found as the template form steps to it.
int szablon_rozjazdu(tor_uklad& tor, int przeswit) {
  for (int rodzaj : {SZABLON_ROZJAZD, SZABLON_ZWROTNICA}) {
    if (!tor.istnieje_pasujacy(TRANSPORT_TRAMWAJ, przeswit, rodzaj)) continue;
    tor.ustaw_szablon(tor.szab_max() - 1);
    tor.nastepny_pasujacy(TRANSPORT_TRAMWAJ, przeswit, rodzaj);
    return tor.szab_akt;
  }
  throw std::runtime_error("biblioteka nie ma rozjazdu tramwajowego o prześwicie " + std::to_string(przeswit));
}

// Direction in which track leaves a turnout end: away from the end's only neighbour.
wektor kierunek_wyjazdu(const tor_punkt* koniec) {
  return normalizuj(polozenie(koniec) - polozenie(koniec->li[0]->drugi_koniec(koniec)));
}

// Where the line through p along d meets the line through q along e.
wektor przeciecie(wektor p, wektor d, wektor q, wektor e) {
  const double mianownik = d.x * e.y - d.y * e.x;
  const double t = ((q.x - p.x) * e.y - (q.y - p.y) * e.x) / mianownik;
  return p + d * t;
}

// A stub track leaving a turnout end: a curve that brings it parallel to the bottom side at
// height y, then straight to x = koniec_x. Returns the straight line, for its events.
w_linia* tor_odstawczy(tor_uklad& tor, tor_punkt* wyjazd, double y, double koniec_x) {
  odcinek odstawczy(tor);
  const wektor w = polozenie(wyjazd);
  tor_punkt* pierwszy;
  if (y == w.y) {
    pierwszy = odstawczy.punkt({koniec_x, y}, 50);
  } else {
    pierwszy = odstawczy.punkt(przeciecie(w, kierunek_wyjazdu(wyjazd), {0, y}, kierunek_azymutu(WSCHOD)), 50);
    odstawczy.punkt({koniec_x, y}, 50);
  }
  tor.polacz(wyjazd, pierwszy);
  return odstawczy.ostatni()->li[0];
}

}  // namespace

void zbuduj_trase_probna(tor_uklad& tor, trasa_info& trasa) {
  tor.ustaw_przeswit(PRZESWIT_ELBLAG);
  const int nr = szablon_rozjazdu(tor, PRZESWIT_ELBLAG);

  // The depot turnout on the bottom side, entered from the west, diverging south.
  const rozjazd t1 = postaw_rozjazd(tor, nr, WJAZD, WSCHOD, true);
  const double y0 = polozenie(t1.wjazd).y;

  // The loop, anticlockwise from the turnout's straight end back to its trunk end.
  odcinek petla(tor);
  tor_punkt* q1 = petla.punkt({polozenie(t1.prosto).x + 95, y0}, 50);
  tor.polacz(t1.prosto, q1);
  tor_punkt* q2 = petla.punkt(WJAZD + wektor{135, 160}, 215);
  tor_punkt* q3 = petla.punkt(WJAZD + wektor{120, 260}, 60, 1.5);
  tor_punkt* q4 = petla.punkt(WJAZD + wektor{-180, 260}, 25, 1.5);
  tor_punkt* q5 = petla.punkt(WJAZD + wektor{-190, 120}, 150);
  tor_punkt* q6 = petla.punkt({WJAZD.x - 170, y0}, 50);
  tor.polacz(q6, t1.wjazd);

  // The depot: the track from the loop comes down to the depot turnouts' line.
  const double y_zajezdni = WJAZD.y - 20;
  const wektor d1 = przeciecie(polozenie(t1.bok), kierunek_wyjazdu(t1.bok), {0, y_zajezdni}, kierunek_azymutu(WSCHOD));
  const rozjazd t2 = postaw_rozjazd(tor, nr, {d1.x + 30, y_zajezdni}, WSCHOD, true);
  odcinek wjazd(tor);
  tor_punkt* zjazd = wjazd.punkt(d1, 50);
  tor.polacz(t1.bok, zjazd);
  w_linia* przed_zajezdnia = tor.polacz(zjazd, t2.wjazd);

  odcinek miedzy(tor);
  tor_punkt* laczenie = miedzy.punkt(polozenie(t2.prosto) + kierunek_azymutu(WSCHOD) * 12, 50);
  tor.polacz(t2.prosto, laczenie);
  const rozjazd t3 = postaw_rozjazd(tor, nr, polozenie(laczenie) + kierunek_azymutu(WSCHOD) * 12, WSCHOD, false);
  tor.polacz(laczenie, t3.wjazd);

  const double koniec_x = polozenie(t3.prosto).x + 60;
  tor_odstawczy(tor, t3.bok, y_zajezdni + 6, koniec_x);
  w_linia* srodkowy = tor_odstawczy(tor, t3.prosto, polozenie(t3.prosto).y, koniec_x);
  tor_odstawczy(tor, t2.bok, y_zajezdni - 6, koniec_x);

  // Events, along the direction of travel.
  q3->li[1]->zdarzenia.dodaj(zdarzenie_toru(ZD_PRZYSTANEK, 0.5, 1));
  q5->li[1]->zdarzenia.dodaj(zdarzenie_toru(ZD_PRZYSTANEK, 0.4, 2));
  w_linia* przed_rozjazdem = q6->li[1];
  przed_rozjazdem->zdarzenia.dodaj(zdarzenie_toru(ZD_OGRANICZENIE, 0.3, 15));
  przed_rozjazdem->zdarzenia.dodaj(zdarzenie_toru(ZD_CZUJNIK, 0.85, tor.indeks_elementu(t1.element)));
  q1->li[0]->zdarzenia.dodaj(zdarzenie_toru(ZD_ODWOLANIE_OGRANICZENIA, 0.5));
  przed_zajezdnia->zdarzenia.dodaj(zdarzenie_toru(ZD_SYGNALIZATOR, 0.5, 0));
  q4->zdarzenia.dodaj(zdarzenie_toru(ZD_OGRANICZENIE, 0.0, 10, KIERUNEK_PRAWO | KIERUNEK_LEWO));
  q2->zdarzenia.dodaj(zdarzenie_toru(ZD_IZOLATOR, 0.5, 0, KIERUNEK_PRAWO | KIERUNEK_LEWO));
  srodkowy->zdarzenia.dodaj(zdarzenie_toru(ZD_PRZERWA, 0.95, 0, KIERUNEK_PRAWO | PO_OSTATNIM_WOZKU));

  // The middle depot turnout is set to the diverging track.
  tor.odznacz_wszystko();
  t2.element->ustaw_zaznaczony(1);
  tor.ustaw_przelozenie(1);
  tor.odznacz_wszystko();
  tor.przelicz_wszystko();

  trasa.miasto = MIASTO_ELBLAG;
  trasa.rok = 2008;
  trasa.id = 12;

  if (!tor.sprawdz_geometrie()) {
    double x = 0;
    double y = 0;
    tor.znajdz_blad(x, y);
    throw std::runtime_error("błąd geometrii trasy przy " + liczba_na_tekst(x, 2) + " " + liczba_na_tekst(y, 2));
  }
}
