#pragma once

#include <QDialog>
#include <string>

#include "osm/import_osm.h"

class okno_glowne;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The closing message of an import: the report's text and the junctions left for turnouts, each of
// which "Pokaż" brings to the centre of the plan. Not modal: the user looks at the plan beside it.
class okno_raportu_osm : public QDialog {
 public:
  okno_raportu_osm(okno_glowne& okno, const raport_importu_osm& raport, const std::string& opis);

  QPlainTextEdit* tekst;
  QListWidget* rozjazdy;
  QPushButton* pokaz;

 private:
  void pokaz_rozjazd();

  okno_glowne& okno_;
  std::vector<wektor> miejsca_;
};

// "Importuj tory z OpenStreetMap…": the file read and fitted on a worker thread with a progress
// bar, the open layout replaced only when the import succeeds, a new undo history, the view
// framed on the track. The plan keeps the tile origin and the coordinate system of the editor.
class import_osm_edytora {
 public:
  explicit import_osm_edytora(okno_glowne& okno, const std::string& katalog_danych);
  ~import_osm_edytora();

  void uruchom();
  void importuj_z(const std::string& sciezka);
  okno_raportu_osm* raport() const { return raport_; }

 private:
  okno_glowne& okno_;
  QString katalog_;
  okno_raportu_osm* raport_ = nullptr;
};
