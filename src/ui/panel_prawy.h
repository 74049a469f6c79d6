#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// "panel prwy dolny róg": the bottom-right panel with the zoom buttons and the two value boxes of
// the selected item.
class panel_prawy : public QWidget {
 public:
  explicit panel_prawy(QWidget* rodzic);

  // The value boxes, their labels and the element buttons; the edit-mode switch hides them.
  void ukryj_wybor();

  QPushButton* usun;
  QPushButton* minus;
  QPushButton* plus;
  QLabel* etykieta_x;
  QLabel* etykieta_d;
  QLineEdit* pole_1;
  QLabel* etykieta_y;
  QLabel* etykieta_k;
  QLineEdit* pole_2;
  QPushButton* zatwierdz;
  QPushButton* odbicie;
  QPushButton* obrot_180;
};
