#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/stan.h"
#include "io/historia.h"
#include "track/siec.h"
#include "track/tor.h"

// Who keeps the steps of the undo history in the editor: told of each step an edit makes and
// of each new history, which leaves the steps kept so far without a state to apply to.
class odbiorca_krokow {
 public:
  virtual ~odbiorca_krokow() = default;
  virtual void krok(const krok_historii& krok) = 0;
  virtual void nowa_historia() = 0;
};

// The open document that the editor and the CLI work on: the track layout with its template
// library, the catenary layout, the route information, the file it came from, its undo
// history and whether it has changed since it was last loaded or saved.
class dokument {
 public:
  dokument();

  tor_uklad tor;
  siec_uklad siec;
  trasa_info trasa;

  const std::string& plik() const { return plik_; }
  // Follows the history: undoing back to the state last loaded or saved clears it again.
  bool zmieniony() const { return historia_.zmieniony(); }
  // Bumped by every change of what is drawn; caches of the picture compare it.
  std::uint64_t wersja() const { return wersja_; }

  // One edit is finished: the layout, its elements, events or the route information changed.
  // Returns the edit as one step of the undo history, none when no saved record changed (a
  // refused edit); the receiver, when one is set, is told of it too. Whoever keeps the step
  // hands it to cofnij and ponow; a drag or a rotation calls this once, at the release.
  std::optional<krok_historii> zmiana();
  // The same for an edit that changed only the items `zakres` names: what it costs does not
  // grow with the layout.
  std::optional<krok_historii> zmiana(const zakres_zmiany& zakres);
  // Undo of the step that led to the current state, redo of the step that leads from it: the
  // layout's project record and the route information come back to the last bit. A step that
  // does not join the current state is refused (false).
  bool cofnij(const krok_historii& krok);
  bool ponow(const krok_historii& krok);
  // Something that is drawn changed without changing the document (selection, hover, options).
  void odswiez() { zmieniono(nullptr); }
  // Only what the cursor points at may have changed since the last edit, which the document was
  // told of: the items are drawn as they were but for the hovered ones.
  void odswiez_wskazanie() { zmieniono(&NIC); }
  // What changed since version `od`: the items the scoped edits since then named (the hover
  // aside), or nothing known when a change without a scope came after it and everything may
  // have changed. Caches of the picture draw again only what is named.
  std::optional<zakres_zmiany> zmienione_od(std::uint64_t od) const;
  // The document now equals the file. After a save the history goes on; after a load, when
  // the layout or the route differ from the last step's, a new history starts.
  void zgodny_z_plikiem(const std::string& sciezka);
  // Cleared: no file, nothing to save, a new history.
  void nowy();
  // Imported from another form: no project file, unsaved, a new history.
  void zaimportowany();

  // The editor's undo stack (none in headless use); it hears of steps and new histories
  // whichever path of the editor made them.
  void ustaw_odbiorce(odbiorca_krokow* odbiorca) { odbiorca_ = odbiorca; }

  // Memory of the state the history compares edits with (the steps are the stack's).
  std::size_t pamiec_historii() const { return historia_.pamiec_stanu(); }

 private:
  void zacznij_historie(bool zgodny_z_plikiem);
  std::optional<krok_historii> zatwierdz(const zakres_zmiany* zakres);
  // A new version, with what it changed when that is known.
  // The layout's grid of items follows an edit with a scope; anything else rebuilds it at the next pick.
  void przefiluj(const zakres_zmiany* zakres);
  void zmieniono(const zakres_zmiany* zakres);

  static inline const zakres_zmiany NIC{};
  // Scopes kept for zmienione_od: a cache that fell further behind draws everything.
  static constexpr std::size_t ZAKRESY = 64;

  std::string plik_;
  historia historia_;
  odbiorca_krokow* odbiorca_ = nullptr;
  std::uint64_t wersja_ = 0;
  // The version of the last change without a scope, and the scoped versions after it.
  std::uint64_t bez_zakresu_ = 0;
  std::vector<std::pair<std::uint64_t, zakres_zmiany>> zakresy_;
};
