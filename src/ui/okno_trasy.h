#pragma once

#include <QFrame>

#include "app/stan.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class okno_glowne;

// "trasa info": the route information window over the plan's top left corner.
class okno_trasy : public QFrame {
 public:
  explicit okno_trasy(QWidget* rodzic);

  // Fills the window with the layout's total length and the route information, then shows it.
  void pokaz(double dlugosc, const trasa_info& trasa);
  // The year and id controls are shown only for a known city.
  void pokaz_rok_i_id(bool widoczne);
  // The city list and "Zatwierdź" write the window's document's route information.
  void podlacz(okno_glowne& okno);

  QPushButton* zamknij;
  QLabel* tytul;
  QLabel* etykieta_dlugosci;
  QLabel* dlugosc;
  QLabel* etykieta_miasta;
  QComboBox* lista_miast;
  QLabel* etykieta_roku;
  QLineEdit* pole_roku;
  QLabel* etykieta_id;
  QLineEdit* pole_id;
  QPushButton* zatwierdz;
};
