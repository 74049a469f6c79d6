#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class okno_glowne;

// "panel dolny": the track panel below the plan, shown in track mode.
class panel_torow : public QWidget {
 public:
  explicit panel_torow(QWidget* rodzic);

  // The controls that follow a single selected point or element; the edit-mode switch hides them.
  void ukryj_wybor();
  // The controls' actions on the window's document and editor state.
  void podlacz(okno_glowne& okno);

  QCheckBox* wyrownywanie;
  QLabel* etykieta_przeswitu;
  QComboBox* lista_przeswitow;
  QLabel* etykieta_promienia_domyslnego;
  QComboBox* lista_promieni_domyslnych;
  QLabel* etykieta_obiektu_domyslnego;
  QComboBox* lista_obiektow_domyslnych;
  QLabel* etykieta_wyswietlaj;
  QCheckBox* punkty_linie;
  QCheckBox* szyny;
  QCheckBox* zarys_skrajni;
  QCheckBox* zdjecia_mapki;
  QLabel* etykieta_promienia;
  QLineEdit* pole_promienia;
  QSlider* suwak_promienia;
  QPushButton* aktualizuj;
  QLabel* etykieta_przelozenia;
  QComboBox* lista_przelozenia;
  QLabel* etykieta_obiektu;
  QComboBox* lista_obiektow;
  QLabel* etykieta_prawego_przycisku;
  QRadioButton* dodawanie;
  QRadioButton* rotacja;
  QLabel* etykieta_siatki;
  QComboBox* lista_siatki;
  QComboBox* lista_kolorystyki;
};
