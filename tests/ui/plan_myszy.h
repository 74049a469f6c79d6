#pragma once

#include <QPoint>
#include <Qt>

#include "ui/okno_testowe.h"

// The window with a camera of 10 pixels a metre showing plan x -11..91, y -5..55, and the
// plan's mouse driven by QTest at the pixels of plan points.
struct plan_myszy : okno_testowe {
  plan_myszy();

  QWidget* plan() const;
  QPoint piksel(double x, double y) const;
  void nad(double x, double y, Qt::KeyboardModifiers klawisze = {});
  void klik(Qt::MouseButton przycisk, double x, double y, Qt::KeyboardModifiers klawisze = {});
  // Press over a, the cursor in steps to b, release there.
  void ciagnij(Qt::MouseButton przycisk, double ax, double ay, double bx, double by,
               Qt::KeyboardModifiers klawisze = {});
};
