#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "io/rekordy_stanu.h"

class tor_uklad;

// One step of the undo history: what an edit changed, as the differing item records before
// and after it, and the two states it joins. Whoever keeps the undo stack owns the steps.
struct krok_historii {
  std::uint64_t przed = 0;
  std::uint64_t po = 0;
  roznice_stanow roznice;

  // Memory the step holds.
  std::size_t pamiec() const;
};

// The record of the state that the last step left (or that the history started from): each
// edit is compared with it, and undo and redo move the live layout along the steps from it.
// States are numbered; a step applies only to the state it joins, and the numbers of a new
// history never repeat those of an earlier one, so a step kept from before is refused.
class historia {
 public:
  // A new history from what the layout and the route hold now. `zgodny_z_plikiem`: that state
  // is the one a file holds (loaded, or nothing to save); otherwise no state of the history is.
  void zacznij(const tor_uklad& tor, const trasa_info& trasa, bool zgodny_z_plikiem);
  // After an edit: the step from the recorded state to what the layout and the route hold
  // now, which becomes the recorded state; none when no record changed. With `zakres` only
  // the items it names are written and compared, so an edit of a few items costs the same on
  // any layout; the step is the one the whole layout's records would give.
  std::optional<krok_historii> zatwierdz(const tor_uklad& tor, const trasa_info& trasa,
                                         const zakres_zmiany* zakres = nullptr);
  // Whether the last edit changed only what its scope named (the scope held: the numbers of
  // items and the lines' points were as recorded); false after an edit without one.
  bool ostatni_w_zakresie() const { return w_zakresie_; }
  // Back over the step that led to the current state, and forward over a step from it; false,
  // with nothing changed, for a step that does not join the current state.
  bool cofnij(const krok_historii& krok, tor_uklad& tor, trasa_info& trasa);
  bool ponow(const krok_historii& krok, tor_uklad& tor, trasa_info& trasa);

  // The layout and the route now equal a file's. After a save they hold the recorded state and
  // the history goes on; after a load a new history starts from them (true). The layout is
  // written once either way: a large layout's records are its largest cost.
  bool zgodny_z_plikiem(const tor_uklad& tor, const trasa_info& trasa);
  bool zmieniony() const { return obecny_ != zapisany_; }
  // Memory of the recorded state and of the place the next one is written to.
  std::size_t pamiec_stanu() const { return stan_.pamiec() + zapas_.pamiec(); }

 private:
  bool przejdz(const krok_historii& krok, strona_roznicy z, tor_uklad& tor, trasa_info& trasa);

  // No state has number 0.
  static constexpr std::uint64_t ZADEN = 0;

  rekordy_stanu stan_;
  // The next state is written here and the two change places: an edit of a large layout does
  // not take and give back its whole size in fresh memory.
  rekordy_stanu zapas_;
  std::uint64_t obecny_ = ZADEN;
  std::uint64_t zapisany_ = ZADEN;
  std::uint64_t ostatni_numer_ = ZADEN;
  bool w_zakresie_ = false;
};
