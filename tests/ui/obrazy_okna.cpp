#include "ui/obrazy_okna.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <cmath>
#include <fstream>

#include "ui/obrazy_planu.h"
#include "ui/widok_planu.h"

okno_obrazow::okno_obrazow() {
  edytor.kamera.skala = 1.0 / 30;
  edytor.kamera.przes_x = -40;
  edytor.kamera.przes_y = -25;
}

obrazy_planu& okno_obrazow::obrazy() const { return okno.obrazy(); }

void okno_obrazow::jeden_obrazek(double x1, double y1, double x2, double y2) {
  obrazek o;
  o.x1 = x1, o.y1 = y1, o.x2 = x2, o.y2 = y2;
  o.tekstura_wczytana = true;
  std::vector<obrazek> v{o};
  obrazy().z_kontekstem([&] { obrazy().zdjecia().zastap(std::move(v)); });
  obrazy().po_zmianie_zdjec();
}

QPoint okno_obrazow::piksel(double x, double y) const {
  const widok& w = edytor.kamera;
  return {static_cast<int>(std::lround(512 + (x + w.przes_x) * w.skala * 300)),
          static_cast<int>(std::lround(300 - (y + w.przes_y) * w.skala * 300))};
}

void okno_obrazow::nad(double x, double y) {
  const QPoint p = piksel(x, y);
  QMouseEvent ruch(QEvent::MouseMove, p, okno.plan()->mapToGlobal(p), Qt::NoButton, Qt::NoButton, {});
  QApplication::sendEvent(okno.plan(), &ruch);
}

void okno_obrazow::czekaj_na_satki() {
  okno.plan()->update();
  QTest::qWait(50);
  for (int i = 0; i < 200 && obrazy().laduje(); ++i) QTest::qWait(25);
  ASSERT_FALSE(obrazy().laduje());
}

void zapisz_bajty(const std::string& sciezka, const std::string& tresc) {
  std::ofstream(sciezka, std::ios::binary) << tresc;
}
