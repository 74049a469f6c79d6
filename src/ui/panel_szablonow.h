#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

// "Form 10": the template choice panel, over both bottom panels while a template is chosen.
class panel_szablonow : public QWidget {
 public:
  explicit panel_szablonow(QWidget* rodzic);

  QLabel* etykieta_transportu;
  QComboBox* lista_transportu;
  QLabel* etykieta_przeswitu;
  QComboBox* lista_przeswitow_tramwaj;
  QComboBox* lista_przeswitow_kolej;
  QLabel* etykieta_rodzaju;
  QComboBox* lista_rodzajow_tramwaj;
  QComboBox* lista_rodzajow_kolej;
  QPushButton* poprzedni;
  QPushButton* nastepny;
  QPushButton* koniec_wyboru;  // "V"
  QLabel* opis;  // the current template's name
};
