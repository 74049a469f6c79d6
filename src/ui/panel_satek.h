#pragma once

#include <QFrame>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

// "panel satki": the orthophoto tile panel over the plan's top left corner.
class panel_satek : public QFrame {
 public:
  explicit panel_satek(QWidget* rodzic);

  // Shows the panel with the tile grid's origin in the two boxes.
  void pokaz(int kolumna, int wiersz);

  QPushButton* zamknij;
  QCheckBox* ortofotomapa;
  QLabel* etykieta_przezroczystosci;
  QSlider* suwak_przezroczystosci;
  QLabel* etykieta_x;
  QLineEdit* pole_x;
  QLabel* etykieta_y;
  QLineEdit* pole_y;
  QPushButton* aktualizuj_wspolrzedne;
  QPushButton* wczytaj;
  QPushButton* zapisz;
  QLabel* etykieta_crs;
  QLineEdit* pole_crs;  // the plan's coordinate system
  QPushButton* importuj;
};
