#pragma once

#include <QString>
#include <string>

class QWidget;
class dokument;
struct dialogi;

// The file commands of the "&Miasto" menu on the open document. A command that would throw away
// unsaved changes asks first; a cancelled dialog and a file that cannot be used are told apart.
class pliki_projektu {
 public:
  // `katalog_danych` is the program's data folder; the dialogs open on its "projects" folder.
  pliki_projektu(dokument& dok, dialogi& pytania, QWidget* okno, const std::string& katalog_danych);

  // The unsaved-changes question; true when there is nothing to lose or the user goes on.
  bool mozna_porzucic();

  void wyczysc_tory();
  void wczytaj();
  void dodaj();
  void zapisz();
  void importuj_vxp();
  void importuj_txt();
  void eksportuj();

  // A file named on the command line, by its extension, as its command does once it is chosen.
  void otworz(const std::string& sciezka);

 private:
  std::string plik_do_odczytu(const char* wzor);
  void wczytaj_z(const std::string& sciezka);
  void importuj_vxp_z(const std::string& sciezka);
  void importuj_txt_z(const std::string& sciezka);

  dokument& dok_;
  dialogi& pytania_;
  QWidget* okno_;
  QString katalog_projektow_;
};
