#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

#include "analiza/problemy.h"

class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTreeView;
class model_problemow;
class okno_glowne;

// "Lista problemów": every problem of the track layout beside the plan, grouped by kind with
// counts. A double click or Enter on a row centres the plan on it and selects its item. The
// list follows every change of the layout (updated around what changed, not from nothing);
// its limits are set here and kept between runs.
class okno_problemow : public QWidget {
 public:
  explicit okno_problemow(okno_glowne& okno);
  ~okno_problemow() override;

  // Brings the list up to the document (when shown) and shows the window.
  void pokaz();
  // The rows as listed: the window's own list.
  const std::vector<problem>& problemy() const { return problemy_; }
  // Centres the plan on problem nr of the list and selects its item.
  void przejdz_do(int nr);
  // Writes the list as CSV (severity;kind;x;y;item;measure); false when the file cannot be written.
  bool zapisz_csv(const QString& sciezka) const;

  QTreeView* drzewo;
  QLabel* podsumowanie;
  QDoubleSpinBox* promien_min;
  QDoubleSpinBox* prosta_min;
  QDoubleSpinBox* nachylenie_max;
  QDoubleSpinBox* zmiana_nachylenia_max;
  QPushButton* eksport_csv;

 protected:
  void showEvent(QShowEvent* zdarzenie) override;

 private:
  // After a frame of the plan: looks again when the document may have changed since the last
  // look (the update finds what did, if anything).
  void odswiez();
  void zmien_ustawienia();
  void pokaz_liste();
  void eksportuj_csv();

  okno_glowne& okno_;
  lista_problemow lista_;
  std::vector<problem> problemy_;
  model_problemow* model_;
  std::uint64_t wersja_ = 0;
  bool policzona_ = false;
};
