#pragma once

#include <optional>

#include "track/tor.h"

// An event of the track layout: its owner (a point or a line, by index) and its place in the
// owner's list.
struct adres_zdarzenia {
  bool na_linii = false;
  int nr = -1;
  int indeks = 0;
  bool operator==(const adres_zdarzenia&) const = default;
};

// A place on the track's centre line: the owner, the fraction along its arc or straight part,
// and how far the asked point is from it.
struct miejsce_na_torze {
  bool na_linii = false;
  int nr = -1;
  double pozycja = 0;
  double odleglosc = 0;
};

// The event list of a point or line; none for an index outside the layout.
lista_zdarzen* lista_wlasciciela(tor_uklad& u, bool na_linii, int nr);
const lista_zdarzen* lista_wlasciciela(const tor_uklad& u, bool na_linii, int nr);
// The event an address leads to; none when it leads nowhere (the layout changed under it).
zdarzenie* znajdz_zdarzenie(tor_uklad& u, const adres_zdarzenia& a);
const zdarzenie* znajdz_zdarzenie(const tor_uklad& u, const adres_zdarzenia& a);
// Where the symbol of the event is drawn; the address must lead to an event.
ramka_symbolu ramka_zdarzenia(const tor_uklad& u, const adres_zdarzenia& a);

// The place along one owner nearest to (x, y), the fraction kept within 0..1: the event place
// run backwards. None for a point without an arc or a line without a straight part.
std::optional<miejsce_na_torze> rzut_na_wlasciciela(const tor_uklad& u, bool na_linii, int nr, double x, double y);
// The nearest place of any line's straight part or point's arc within r of (x, y).
std::optional<miejsce_na_torze> najblizsze_miejsce(const tor_uklad& u, double x, double y, double r);
// The event whose symbol's origin is nearest to (x, y) within r.
std::optional<adres_zdarzenia> najblizsze_zdarzenie(const tor_uklad& u, double x, double y, double r);
