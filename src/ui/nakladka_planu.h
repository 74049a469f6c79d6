#pragma once

#include <QRect>

class QPainter;

// Something drawn over the plan's finished picture, inside the plan's own frame (nothing can
// stand over the plan's GL window). A change shows in the next frame: ask the plan for one.
class nakladka_planu {
 public:
  virtual ~nakladka_planu() = default;
  // The part of the plan view it covers, in the view's pixels; empty when there is nothing.
  virtual QRect obszar() const = 0;
  // Draws it; the painter's origin is the view's top-left corner.
  virtual void rysuj(QPainter& p) const = 0;
};
