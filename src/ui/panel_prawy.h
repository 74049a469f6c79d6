#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class okno_glowne;
class w_uklad;

// "panel prwy dolny róg": the bottom-right panel with the zoom buttons and the two value boxes of
// the selected item.
class panel_prawy : public QWidget {
 public:
  explicit panel_prawy(QWidget* rodzic);

  // The value boxes, their labels and the element buttons; the edit-mode switch hides them.
  void ukryj_wybor();
  // The buttons' actions on the window's document and editor state.
  void podlacz(okno_glowne& okno);

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

 private:
  // "zatwierdź": the boxes the user changed, when each holds a number, into the selected item.
  void zatwierdz_pola(okno_glowne& okno, w_uklad& uklad);
};
