#pragma once

#include <functional>
#include <optional>

#include "io/rekordy_stanu.h"

class dokument;
struct stan_edytora;

// An edit of the events of one point or line changes that item's record alone.
zakres_zmiany wlasciciel_zdarzen(bool na_linii, int nr);

// The plan's mouse in events mode, in plan metres: the hovered event, a left click that selects
// the nearest event, a left drag that moves it along its own point or line, a right click that
// puts an event on the track and Delete. Each change of the events is one finished edit of the
// document; the camera and the layout's geometry are left alone.
class mysz_zdarzen {
 public:
  mysz_zdarzen(dokument& dok, stan_edytora& stan) : dok_(dok), stan_(stan) {}

  // Told after the hovered or the selected event changed, or the events did: the events panel
  // and the tooltip follow.
  std::function<void()> zmiana;

  // The event under the cursor within r; whether it changed. The panel is told also when the
  // hovered point or line changed (`tor`), whose events it lists.
  bool wskaz(double x, double y, double r, bool tor);
  // Left press: the nearest event within r is selected and held for a drag, or the selection
  // is cleared. Whether an event is held.
  bool wybierz(double x, double y, double r);
  bool trzyma() const { return trzyma_; }
  // The held event to the place of its own point or line nearest to (x, y).
  bool przeciagnij(double x, double y);
  // Left release: a drag that moved the event is one edit. Whether it was.
  bool pusc();
  // Right click: an event with the values the panel shows (the selected event's, else those of
  // a new one) at the nearest place of the track within r; off the track a message, no event.
  // The selection is cleared, so the panel shows what the next click puts down.
  bool dodaj(double x, double y, double r);
  // Delete: the selected event goes; what changed when one did (the caller makes it an edit).
  std::optional<zakres_zmiany> usun_wybrane();
  // After a command or an edit: an address that leads to no event any more is forgotten; the
  // panel is told.
  void po_poleceniu();

 private:
  void powiadom();

  dokument& dok_;
  stan_edytora& stan_;
  bool trzyma_ = false;
  bool przesunieto_ = false;
};
