#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "track/zdarzenia_na_torze.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class okno_glowne;

// Type, direction and argument of an event as the plan's tooltip shows them.
QString opis_zdarzenia(const zdarzenie& z);

// The events panel, in the track panel's place in events mode: the values of the selected event
// (a change edits it, one undo step each) or, with none selected, those a new event gets; and
// the events of the selected event's owner or of the hovered point or line, in list order.
class panel_zdarzen : public QWidget {
 public:
  // The type list takes its icons from the event atlas of the data folder.
  panel_zdarzen(QWidget* rodzic, const std::string& katalog_danych);

  // The controls' actions, and the panel and the plan's tooltip following the events mode.
  void podlacz(okno_glowne& okno);
  // The controls and the list read again from the document.
  void pokaz();

  QLabel* etykieta_typu;
  QComboBox* lista_typow;
  QRadioButton* w_prawo;
  QRadioButton* w_lewo;
  QRadioButton* w_obie;
  QCheckBox* po_ostatnim;
  QLabel* etykieta_argumentu;
  QLineEdit* pole_argumentu;
  QLabel* etykieta_typu_b;
  QLineEdit* pole_typu_b;
  QLabel* etykieta_polozenia;
  QLineEdit* pole_polozenia;
  QPushButton* zatwierdz;
  QLabel* etykieta_listy;
  QListWidget* lista_zdarzen_elementu;

 private:
  // The event the controls edit: the selected one, else the values of a new event.
  zdarzenie* edytowane();
  // A change of the controls into the edited event: one edit when an event is selected.
  void zastosuj(const std::function<void(zdarzenie&)>& zmiana);
  // The boxes that were typed in and hold a valid value.
  void zatwierdz_pola();
  // The owner whose events the list shows: the selected event's, the hovered event's, the
  // hovered point's or line's.
  bool wlasciciel_listy(bool& na_linii, int& nr) const;
  void podpowiedz();

  okno_glowne* okno_ = nullptr;
  bool lista_na_linii_ = false;
  int lista_nr_ = -1;
};
