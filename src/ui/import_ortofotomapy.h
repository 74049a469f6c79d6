#pragma once

#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "mapy/ciecie_satek.h"

class QProgressDialog;
class QWidget;
struct dialogi;

// "Importuj ortofotomapę…": a raster cut into tiles on a worker thread while the editor goes on,
// with a progress dialog that stops it (the tiles written so far stay). The tiles go into the
// program folder's sat/, or the user's data folder when the program folder is not writable.
class import_ortofotomapy : public QObject {
 public:
  import_ortofotomapy(QWidget* okno, dialogi& pytania, std::string katalog_programu);
  ~import_ortofotomapy() override;

  // The file dialog, then the work; nothing while an import runs.
  void rozpocznij();
  bool trwa() const { return watek_.joinable(); }
  QProgressDialog* dialog_postepu() const { return dialog_; }

  // Told on the GUI thread with the new .cor file after an import that wrote tiles.
  std::function<void(const std::string& plik_cor)> po_imporcie;

 private:
  void sprawdz_postep();
  void zakoncz();

  QWidget* okno_;
  dialogi& pytania_;
  const std::string katalog_programu_;
  std::thread watek_;
  std::atomic<bool> przerwij_{false};
  std::atomic<bool> gotowe_{false};
  std::atomic<std::size_t> zrobione_{0}, wszystkie_{0}, zapisane_{0};
  wynik_ciecia wynik_;  // the worker's until gotowe_
  QTimer zegar_;
  QProgressDialog* dialog_ = nullptr;
};

// Where tiles are written: the program folder when its sat/ can be written, else the user's data
// folder (which the tile grid reads too).
std::string katalog_importu(const std::string& katalog_programu);
// The user's data folder (QStandardPaths' application data).
std::string katalog_danych_uzytkownika();
