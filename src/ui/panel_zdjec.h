#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;

// "panel dolny zdjecia": the pictures panel, in the track panel's place in picture mode.
class panel_zdjec : public QWidget {
 public:
  explicit panel_zdjec(QWidget* rodzic);

  QPushButton* zamien_xy;
  QPushButton* odbij_x;
  QPushButton* odbij_y;
  QPushButton* kasuj_rotacje;
  QLabel* etykieta_przezroczystosci;
  QSlider* suwak_przezroczystosci;
  QPushButton* na_wierzch;
  QPushButton* pod_spod;
  QCheckBox* widoczny;
  QCheckBox* zablokowany;
  QCheckBox* migajacy;
  QPushButton* dodaj_z_pliku;
  QPushButton* wczytaj_calosc;
  QPushButton* zapisz_calosc;
  QCheckBox* biale_linie;
};
