#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "io/strumien_rekordow.h"

// A sequence of records of any length in one buffer: record i is the bytes from poczatek(i)
// to poczatek(i + 1). Items of a layout are written into it with the core's record writer.
class ciag_rekordow {
 public:
  std::size_t ile() const { return konce_.size(); }
  std::span<const std::uint8_t> rekord(std::size_t i) const {
    const std::size_t od = i == 0 ? 0 : konce_[i - 1];
    return {pisarz_.dane().data() + od, konce_[i] - od};
  }
  bool rowne(std::size_t i, const ciag_rekordow& inny, std::size_t j) const;

  // The next record is what was written since the last one was closed.
  pisarz_rekordow& pisarz() { return pisarz_; }
  void zamknij_rekord() { konce_.push_back(pisarz_.dane().size()); }
  void dodaj(std::span<const std::uint8_t> rekord);
  // Records od .. od + ile - 1 of `zrodlo`, copied in one piece.
  void dodaj(const ciag_rekordow& zrodlo, std::size_t od, std::size_t ile);
  // Record i becomes `rekord`; the records after it move only when its length changes.
  void zamien(std::size_t i, std::span<const std::uint8_t> rekord);

  void rezerwuj(std::size_t rekordy, std::size_t bajty);
  // Room for a sequence a little longer than `wzor`, so that the next one of about its size
  // does not grow by doubling.
  void rezerwuj_jak(const ciag_rekordow& wzor);
  void dopasuj_pamiec();
  // Empty, its memory kept for the next sequence.
  void wyczysc();
  std::size_t bajty() const { return pisarz_.dane().size(); }
  // Memory held, reserved capacity included.
  std::size_t pamiec() const;

  bool operator==(const ciag_rekordow& inny) const;

 private:
  pisarz_rekordow pisarz_;
  std::vector<std::size_t> konce_;
};

// The two states a difference joins.
enum strona_roznicy : int { PRZED = 0, PO = 1 };

// One run of records that differ: `ile[s]` records from index `od[s]` on side s stand where
// `ile[1 - s]` records from `od[1 - s]` stand on the other side.
struct wycinek {
  std::array<std::size_t, 2> od{};
  std::array<std::size_t, 2> ile{};
};

// What differs between two sequences, enough to make either one from the other: the runs in
// order and their records on each side; everything between the runs is the same on both.
struct roznica_ciagow {
  std::vector<wycinek> wycinki;
  std::array<ciag_rekordow, 2> rekordy;  // the runs' records, side by side, in run order
  std::array<std::size_t, 2> dlugosc{};  // lengths of the whole sequences

  bool pusta() const { return wycinki.empty(); }
  std::size_t pamiec() const;
};

// Item by item at the same index, the end of the longer sequence as one run: for arrays whose
// items are removed by moving the last one into their place and appended at the end.
roznica_ciagow porownaj_na_miejscach(const ciag_rekordow& przed, const ciag_rekordow& po);

// Records that stay keep their order while others are removed anywhere and added anywhere:
// for arrays whose items are removed by shifting the rest down. Records that stay are found by
// their bytes (the common beginning and end first, then a lookup over what lies between).
roznica_ciagow porownaj_z_przesunieciami(const ciag_rekordow& przed, const ciag_rekordow& po);

// The records at `indeksy` (ascending, each once) of `ciag` replaced by those of `nowe`, one
// for each index in order: `ciag` becomes the sequence after the change, and the difference is
// the one porownaj_na_miejscach finds between the two, for as long as no other record changed.
roznica_ciagow zamien_na_miejscach(ciag_rekordow& ciag, std::span<const std::size_t> indeksy, const ciag_rekordow& nowe);

// The sequence of side 1 - z, made from `z_ciagu`, the sequence of side z, into `wynik`.
void zastosuj(const ciag_rekordow& z_ciagu, const roznica_ciagow& r, strona_roznicy z, ciag_rekordow& wynik);
