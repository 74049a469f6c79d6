#include "odcinki_toru.h"

#include <stdexcept>

#include "app/stan.h"
#include "io/projekt.h"
#include "track/tor.h"

void zbieracz_odcinkow::linia(double x1, double y1, double, double x2, double y2, double) {
  if (glebokosc_ == 0) odcinki.push_back({x1, y1, x2, y2});
}

void zbieracz_odcinkow::wierzcholek(double x, double y, double) {
  if (w_pasku_ && !pierwszy_ && glebokosc_ == 0) odcinki.push_back({px_, py_, x, y});
  px_ = x, py_ = y;
  pierwszy_ = false;
}

std::vector<odcinek_planu> odcinki_projektu(const std::string& projekt) {
  tor_uklad tor;
  trasa_info trasa;
  const wynik_odczytu w = wczytaj_projekt(projekt, tor, trasa);
  if (!w.ok) throw std::runtime_error(w.blad);
  // The rails alone: no markers, no model lines, no clearance outline.
  const opcje_rysowania poprzednie = stan.rysowanie;
  stan.rysowanie.flagi = POKAZ_SZYNY;
  zbieracz_odcinkow z;
  tor.rysuj_uklad(z, true);
  stan.rysowanie = poprzednie;
  return z.odcinki;
}
