#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class okno_glowne;

// "Form 10": the template choice panel, over both bottom panels while a template is chosen.
class panel_szablonow : public QWidget {
 public:
  explicit panel_szablonow(QWidget* rodzic);

  // The controls' actions on the window's templates and choice criteria.
  void podlacz(okno_glowne& okno);

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

 private:
  // The transport's gauge and kind lists shown, the other's hidden.
  void pokaz_listy(int transport);
  // A gauge or kind list's new choice, kept when some template matches it (the next match is
  // shown), otherwise the previous choice back in `kryterium` and in the list, message 25.
  void sprobuj(okno_glowne& okno, QComboBox* lista, int& kryterium, int nowy);
};
