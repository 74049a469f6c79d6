#include <cstdint>

#include "app/log.h"
#include "io/eksport.h"
#include "track/tor.h"

namespace {

// The event point carries the event alone, at position 0.
zdarzenie zdarzenie_punktu(const zdarzenie& z) {
  zdarzenie kopia;
  kopia.typ = z.typ;
  kopia.typ_b = z.typ_b;
  kopia.kierunek = z.kierunek;
  kopia.argument = z.argument;
  kopia.rezerwa = z.rezerwa;
  return kopia;
}

// The ends of the line replaced last: while it was in place they were recomputed last.
struct konce_linii {
  const tor_punkt* S = nullptr;
  const tor_punkt* E = nullptr;
};

// Event places depend on the tangent lengths at the line's ends. Adding each event point
// through dodaj_punkt would recompute the whole layout every time; the same values, to the last
// bit, come from recomputing just the two ends: before the first event of a line, each end that
// the line replaced before did not touch (one that it did keeps what it had while that line was
// in place), before every later event both, and both once more before the line goes.
void przelicz_konce(tor_punkt* S, tor_punkt* E, bool pierwsze, const konce_linii& poprzednia) {
  for (tor_punkt* t : {S, E})
    if (!pierwsze || (t != poprzednia.S && t != poprzednia.E)) t->przelicz();
}

// Replaces line L by a chain S - first event point - ... - last event point - E. The points are
// appended in event order, the chain lines as each point comes, then the lines from S and from E;
// L is only detached here (the caller drops it from the array), so S and E take their new line
// at the end of li[] as if L had been deleted first. Returns the last new point.
tor_punkt* rozbij_linie(tor_uklad& tor, tor_linia& L, const konce_linii& poprzednia) {
  tor_punkt* S = L.poczatek();
  tor_punkt* E = L.koniec();
  // Event points follow the line's gradient instead of dropping to height 0.
  const double hS = koniec_toru_w_punkcie(L, *S).wysokosc;
  const double hE = koniec_toru_w_punkcie(L, *E).wysokosc;

  tor_punkt* pierwszy = nullptr;
  tor_punkt* poprzedni = nullptr;
  for (const wezel_zdarzenia* w = L.zdarzenia.pierwszy(); w; w = w->nastepny.get()) {
    przelicz_konce(S, E, !pierwszy, poprzednia);
    const double pozycja = w->dane.pozycja;
    const wektor miejsce = L.miejsce_zdarzenia(pozycja);
    const double h = hS + (hE - hS) * pozycja;
    auto* nowy = static_cast<tor_punkt*>(tor.utworz_punkt(miejsce.x, miejsce.y, h));
    nowy->wysokosc2 = h;
    nowy->punkt_zdarzenia = 1;
    nowy->zdarzenia.dodaj(zdarzenie_punktu(w->dane));
    tor.dodaj_do_p(nowy);
    if (poprzedni) tor.polacz(poprzedni, nowy);
    if (!pierwszy) pierwszy = nowy;
    poprzedni = nowy;
  }
  przelicz_konce(S, E, false, poprzednia);
  L.odlacz();
  tor.polacz(S, pierwszy);
  tor.polacz(E, poprzedni);
  return poprzedni;
}

}  // namespace

void przygotuj_eksport(tor_uklad& tor, const std::string& nazwa_pliku) {
  const int przeswit = tor.przeswit_akt;
  const int obiekt = tor.obiekt_domyslny;
  // The lines made here carry no events: one pass over the lines there were finds every line to
  // replace, in line order.
  const std::vector<w_linia*> linie = tor.l;
  tor_punkt* ostatni_nowy = nullptr;
  konce_linii poprzednia;
  for (w_linia* linia : linie) {
    auto* L = static_cast<tor_linia*>(linia);
    if (L->zdarzenia.pusta()) continue;
    // The pieces keep the gauge and the track object of the line they replace.
    tor.przeswit_akt = L->przeswit;
    tor.obiekt_domyslny = L->obiekt;
    const konce_linii konce{L->poczatek(), L->koniec()};
    ostatni_nowy = rozbij_linie(tor, *L, poprzednia);
    poprzednia = konce;
  }
  tor.usun_odlaczone_linie();
  // The editing settings stay the user's own.
  tor.przeswit_akt = przeswit;
  tor.obiekt_domyslny = obiekt;
  if (ostatni_nowy) {
    // As adding a point does: no cursor marks, the last new point alone is selected and is the
    // last clicked.
    tor.punkt_kursor = -1;
    tor.linia_kursor = -1;
    tor.odznacz_wszystko();
    ostatni_nowy->ZAZNACZ(true);
    tor.ostatni_punkt = tor.pmax() - 1;
  }
  tor.przelicz_wszystko();
  log_pisz("Prepare binarny zapisz logiczny [%s] [%d] lmax=%d pmax=%d\n", nazwa_pliku.c_str(),
           static_cast<int>(reinterpret_cast<std::uintptr_t>(&tor)), tor.lmax(), tor.pmax());
}
