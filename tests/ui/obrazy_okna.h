#pragma once

#include <string>

#include "ui/plan_myszy.h"

class obrazy_planu;

// The window of the mouse tests with helpers for its pictures and tiles.
struct okno_obrazow : plan_myszy {
  obrazy_planu& obrazy() const;
  // One picture from (x1, y1) to (x2, y2), its texture not loaded (it draws white); a step of
  // the undo history as a loaded picture file is.
  void jeden_obrazek(double x1, double y1, double x2, double y2);
  // Frames until every shown tile in view has loaded (at most a few seconds).
  void czekaj_na_satki();
};

// Bytes into a file.
void zapisz_bajty(const std::string& sciezka, const std::string& tresc);
