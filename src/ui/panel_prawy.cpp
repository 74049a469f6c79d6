#include "ui/panel_prawy.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/kontrolki.h"
#include "view/widok.h"

panel_prawy::panel_prawy(QWidget* rodzic) : QWidget(rodzic) {
  setObjectName("panel_prawy");
  setGeometry(801, WYSOKOSC_WIDOKU, 216, 116);
  setAutoFillBackground(true);

  usun = przycisk(this, "usun", "Usun", {10, 70, 100, 30});
  minus = przycisk(this, "minus", "-", {5, 5, 30, 30});
  plus = przycisk(this, "plus", "+", {40, 5, 30, 30});
  etykieta_x = etykieta(this, "etykieta_x", "X", {120, 8, 12, 18});
  etykieta_d = etykieta(this, "etykieta_d", "D", {120, 8, 12, 18});
  pole_1 = pole_edycji(this, "pole_1", {133, 6, 80, 18});
  etykieta_y = etykieta(this, "etykieta_y", "Y", {120, 25, 12, 18});
  etykieta_k = etykieta(this, "etykieta_k", "K", {120, 25, 12, 18});
  pole_2 = pole_edycji(this, "pole_2", {133, 23, 80, 18});
  zatwierdz = przycisk(this, "zatwierdz", "zatwierdź", {116, 64, 98, 17});
  odbicie = przycisk(this, "odbicie", "odbicie", {116, 80, 98, 17});
  obrot_180 = przycisk(this, "obrot_180", "obrót 180", {116, 96, 98, 17});

  // Labels that share a place hide each other instead of printing one over the other.
  for (QLabel* e : {etykieta_x, etykieta_d, etykieta_y, etykieta_k}) e->setAutoFillBackground(true);
  ustaw_widocznosc({zatwierdz, odbicie, obrot_180}, false);
}

void panel_prawy::ukryj_wybor() {
  ustaw_widocznosc({etykieta_x, etykieta_d, pole_1, etykieta_y, etykieta_k, pole_2, zatwierdz, odbicie, obrot_180},
                   false);
}
