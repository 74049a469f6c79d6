#pragma once

#include <QObject>

#include "view/sterowanie.h"

class widok_planu;
class QMouseEvent;

// The plan widget's mouse: its events turned into the plan's editing, the widget drawn again
// only when something drawn changed. Buttons and Shift are read from each event's own state,
// so a release that a message box took is made up for by the next event.
class mysz_planu : public QObject {
 public:
  // Watches `plan` (mouse tracking on) and edits `dok` with `stan`.
  mysz_planu(widok_planu& plan, dokument& dok, stan_edytora& stan);

  sterowanie& edycja() { return sterowanie_; }

 protected:
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

 private:
  void po_zdarzeniu(bool rysuj);

  widok_planu& plan_;
  sterowanie sterowanie_;
  int reszta_kolka_ = 0;  // wheel eighths of a degree not yet a whole notch
};
