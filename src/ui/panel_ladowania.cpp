#include "ui/panel_ladowania.h"

#include <QLabel>

#include "ui/kontrolki.h"

panel_ladowania::panel_ladowania(QWidget* rodzic) : QFrame(rodzic) {
  setObjectName("panel_ladowania");
  setGeometry(384, 275, 256, 50);
  setFrameShape(QFrame::Panel);
  setAutoFillBackground(true);

  napis = etykieta(this, "napis", "Ładowanie ortofotomapy, proszę czekać...", {28, 8, 256, 20});
  zaladowane = etykieta(this, "zaladowane", "x", {96, 30, 32, 20});
  ukosnik = etykieta(this, "ukosnik", "/", {128, 30, 16, 20});
  wszystkie = etykieta(this, "wszystkie", "x", {144, 30, 64, 20});
  hide();
}
