#pragma once

#include <QFrame>

class QLabel;

// "ladowanie satek": the progress of loading orthophoto tiles, over the middle of the plan.
class panel_ladowania : public QFrame {
 public:
  explicit panel_ladowania(QWidget* rodzic);

  QLabel* napis;
  QLabel* zaladowane;  // tiles loaded so far
  QLabel* ukosnik;
  QLabel* wszystkie;   // tiles to load
};
