#pragma once

#include <QEvent>
#include <QPoint>
#include <memory>

#include "dokument/dokument.h"
#include "siec_miejska.h"
#include "track/geometria.h"
#include "ui/okno_glowne.h"
#include "view/stan_edytora.h"

// The editor's window on a generated network, loaded as a file is and shown, with messages
// that ask nothing: what the plan's mouse benchmarks drive through the real widgets.
struct okno_sieci {
  dokument dok;
  stan_edytora edytor;
  std::unique_ptr<okno_glowne> okno;

  explicit okno_sieci(const parametry_sieci& parametry);

  // Queued events handled, as after the user's action.
  static void obsluz_zdarzenia();
  // The pixel of a plan place in the current camera.
  QPoint piksel(wektor m) const;
  void mysz(QEvent::Type typ, QPoint p, Qt::MouseButton przycisk, Qt::MouseButtons trzymane);
  void ruch(QPoint p) { mysz(QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton); }
};
