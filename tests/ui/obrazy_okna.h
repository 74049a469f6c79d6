#pragma once

#include <QPoint>
#include <string>

#include "ui/okno_testowe.h"

class obrazy_planu;

// The window with a camera of 10 pixels a metre centred on plan (40, 25), and helpers for its
// pictures and tiles.
struct okno_obrazow : okno_testowe {
  okno_obrazow();

  obrazy_planu& obrazy() const;
  // One picture from (x1, y1) to (x2, y2), its texture not loaded (it draws white); a step of
  // the undo history as a loaded picture file is.
  void jeden_obrazek(double x1, double y1, double x2, double y2);
  QPoint piksel(double x, double y) const;
  // The cursor over a plan point, no button held (sent straight to the plan: QTest would move
  // the real pointer, whose motion arrives whenever the display sends it).
  void nad(double x, double y);
  // Frames until every shown tile in view has loaded (at most a few seconds).
  void czekaj_na_satki();
};

// Bytes into a file.
void zapisz_bajty(const std::string& sciezka, const std::string& tresc);
