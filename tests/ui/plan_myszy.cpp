#include "ui/plan_myszy.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <cmath>

#include "support/na_ekranie.h"
#include "ui/widok_planu.h"

plan_myszy::plan_myszy() {
  edytor.kamera.skala = 1.0 / 30;
  edytor.kamera.przes_x = -40;
  edytor.kamera.przes_y = -25;
}

QWidget* plan_myszy::plan() const { return okno.plan(); }

QPoint plan_myszy::piksel(double x, double y) const {
  const polozenie_na_ekranie p = na_ekranie(edytor.kamera, x, y);
  return {static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))};
}

void plan_myszy::nad(double x, double y, Qt::KeyboardModifiers klawisze) {
  // QTest moves the real pointer when no button is held, and that motion arrives whenever the
  // display sends it; the event goes straight to the plan instead.
  const QPoint p = piksel(x, y);
  QMouseEvent ruch(QEvent::MouseMove, p, plan()->mapToGlobal(p), Qt::NoButton, Qt::NoButton, klawisze);
  QApplication::sendEvent(plan(), &ruch);
}

void plan_myszy::klik(Qt::MouseButton przycisk, double x, double y, Qt::KeyboardModifiers klawisze) {
  nad(x, y, klawisze);
  QTest::mouseClick(plan(), przycisk, klawisze, piksel(x, y));
}

void plan_myszy::ciagnij(Qt::MouseButton przycisk, double ax, double ay, double bx, double by,
                         Qt::KeyboardModifiers klawisze) {
  const QPoint a = piksel(ax, ay);
  const QPoint b = piksel(bx, by);
  nad(ax, ay, klawisze);
  QTest::mousePress(plan(), przycisk, klawisze, a);
  for (int i = 1; i <= 4; ++i) QTest::mouseMove(plan(), a + (b - a) * i / 4);
  QTest::mouseRelease(plan(), przycisk, klawisze, b);
}
