#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "app/stan.h"
#include "io/ciag_rekordow.h"

class tor_uklad;
class tor_punkt;
class tor_linia;
class w_element;

// What an edit can change, as records: one sequence per section, one record per item.
// Pictures go in as one more section.
enum sekcja_stanu : int { SEKCJA_PUNKTY, SEKCJA_LINIE, SEKCJA_ELEMENTY, SEKCJA_TRASA, LICZBA_SEKCJI };

// Items hold the project file's records and what the file leaves out but the program keeps,
// so that a state read back is the one that was written, not only its file:
// - a point: its record, the index of its element (-1 none), the export's event-point flag
//   (1 byte) and the second elevation as held, relative to the element (8 bytes);
// - a line: the indices of its two points, its place in each point's list of lines (which
//   decides where arcs start and which line a turnout's joint follows), then its record;
// - an element: its record;
// - the route information: city, year, identifier.
struct rekordy_stanu {
  std::array<ciag_rekordow, LICZBA_SEKCJI> sekcje;

  std::size_t pamiec() const;
  bool operator==(const rekordy_stanu& inne) const = default;
};

// The records of the layout and the route information as they are now, into `cel`, whose
// memory is used again; `wzor`, when given, is a state of about the same size.
void zapisz_stan(const tor_uklad& tor, const trasa_info& trasa, rekordy_stanu& cel, const rekordy_stanu* wzor = nullptr);

// What an edit may have changed, by index: the points, lines and elements whose records may
// differ from the recorded state's, in any order, repeats allowed. Whoever names them promises
// that no other item's record changed, nor the number of items or the order of the lines.
struct zakres_zmiany {
  std::vector<std::size_t> punkty, linie, elementy;
};

// Differences of each section between two states.
using roznice_stanow = std::array<roznica_ciagow, LICZBA_SEKCJI>;

// `stan` brought up to what the layout and the route hold now by writing only the items that
// `zakres` names, and what changed, as porownaj_stany would find it. False, with `stan` left as
// it was, when the layout does not have the recorded numbers of items or an item's links cannot
// be told without looking through the whole layout: the whole state has to be written then.
bool zamien_zakres(const tor_uklad& tor, const trasa_info& trasa, const zakres_zmiany& zakres, rekordy_stanu& stan,
                   roznice_stanow& roznice);

// Reading one item back into an object that exists.
// A point item: every field it holds except the element link; returns the element's index.
std::int32_t wczytaj_punkt(std::span<const std::uint8_t> rekord, tor_punkt& punkt);
// Where a line item puts the line: its points and its places in their lists of lines.
struct miejsce_linii {
  std::int32_t p1, p2, nr_w_p1, nr_w_p2;
};
miejsce_linii miejsce_z_rekordu(std::span<const std::uint8_t> rekord);
// The line's own fields (events, gauge, track object).
void wczytaj_linie(std::span<const std::uint8_t> rekord, tor_linia& linia);
void wczytaj_element(std::span<const std::uint8_t> rekord, w_element& element);
trasa_info trasa_z_rekordu(std::span<const std::uint8_t> rekord);
// x and y as a point item holds them.
struct xy {
  double x, y;
};
xy xy_z_rekordu(std::span<const std::uint8_t> rekord);

roznice_stanow porownaj_stany(const rekordy_stanu& przed, const rekordy_stanu& po);

// Brings the layout and the route information from the state they hold, `z_stanu` (side z of
// `roznice`), to `do_stanu`. Only the items the differences name are read again or made anew;
// every other item keeps its object. The layout is then recomputed, and the free ends that the
// recompute snaps onto a turnout's joint get back the places the records hold, so that the
// layout writes exactly `do_stanu` again. The cursor markers are cleared.
void przywroc_stan(tor_uklad& tor, trasa_info& trasa, const rekordy_stanu& z_stanu, const rekordy_stanu& do_stanu,
                   const roznice_stanow& roznice, strona_roznicy z);
