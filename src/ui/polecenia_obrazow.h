#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "ui/historia_zdjec.h"

class import_ortofotomapy;
class okno_glowne;
class obrazy_planu;
struct trafienie_obrazka;

// The pictures panel, the orthophoto panel, the tile loading panel and the imagery's menu
// commands, acting on the window's pictures and tiles. A cancelled file dialog is told apart
// from a chosen file: it is logged, message 8 is shown and no earlier path is used.
class polecenia_obrazow : public QObject {
 public:
  polecenia_obrazow(okno_glowne& okno, obrazy_planu& obrazy, const std::string& katalog_danych);

  // "&Wyczyść zdjecia i mapy"; message 7 when there is nothing to delete.
  void wyczysc_zdjecia();
  // "Usun" in picture mode.
  void usun_wybrane_zdjecie();
  // "&Ortofotomapa": the panel with the grid's origin in its boxes.
  void pokaz_panel_satek();

  void dodaj_z_pliku();
  void wczytaj_calosc();
  void zapisz_calosc();
  void aktualizuj_wspolrzedne();
  void wczytaj_wspolrzedne();
  void zapisz_wspolrzedne();
  // A .cor file as "Wczytaj" loads it: origin and camera, the boxes, the tiles shown.
  void wczytaj_wspolrzedne_z(const std::string& sciezka);
  // The plan's coordinate system typed in the panel: kept when PROJ knows it, else refused.
  void ustaw_crs();
  import_ortofotomapy& import_mapy() { return *import_; }

  // Start-up: the default tile coordinates (tiles then shown) and the bundled map picture, each
  // left out silently when missing or refused.
  void wczytaj_domyslne();

 private:
  void polacz_panel_zdjec();
  void polacz_panel_satek();
  // The picture controls follow the hit (or the selection an undo left); the opacity slider
  // shows the selected picture's.
  void po_trafieniu(const trafienie_obrazka& t);
  void pokaz_przezroczystosc();
  // The pictures changed: one step of the undo history unless a button or the opacity slider
  // is still held (the step comes at its release), then drawn again.
  void po_edycji();
  // Undo or redo put pictures back: the controls follow the selected one.
  void po_przywroceniu();
  // A file from the dialog, or "" after the cancel's log line and message.
  std::string plik(bool zapis, const QString& katalog, const char* wzor, const char* log_anulowania);
  void wpisz_poczatek();
  // An action on the selected picture, then the change told.
  template <class F>
  void na_wybranym(F f);

  okno_glowne& okno_;
  obrazy_planu& obrazy_;
  const std::string katalog_danych_;
  const QString katalog_zdjec_;
  const QString katalog_satek_;
  historia_zdjec historia_;
  import_ortofotomapy* import_;
};
