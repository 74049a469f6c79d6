#pragma once

#include <QFileInfo>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "io/kopia_w_tle.h"

class dokument;
class okno_glowne;

// The copy of unsaved work that a crash leaves behind. While the layout has unsaved changes it is
// written every two minutes and after every 200 edits to a file in its own folder (never the
// user's file), serialised on the calling thread and written on a worker. Each running editor
// has its own copy, "autozapis.vxm", "autozapis-2.vxm", ..., held by a lock of the same name for
// the whole run, so editors side by side never write, offer or remove each other's copy.
class autozapis : public QObject {
 public:
  static constexpr int ODSTEP_MS = 2 * 60 * 1000;
  static constexpr int EDYCJI_NA_KOPIE = 200;
  static constexpr int NAJWIECEJ_KOPII = 100;

  // `katalog`: the folder of the copies, made when missing.
  autozapis(const dokument& dok, const QString& katalog, int odstep_ms = ODSTEP_MS);

  // Whether this run holds a copy of its own: only then is anything written or removed. When it
  // holds none (the folder cannot be written), every tick tries again.
  bool czynny() const { return blokada_ != nullptr; }
  const std::string& sciezka() const { return sciezka_; }

  // The copies that no running editor holds (this run's own among them), newest first.
  std::vector<QFileInfo> do_odzyskania() const;
  // A restored copy of another run: removed once this run's own copy or a save holds the work.
  void przejmij(const std::string& sciezka) { przejete_.push_back(sciezka); }

  // Once a run: "Kopie awaryjne nie mogą być zapisywane w …: …" when the folder could not be
  // taken or a copy failed. At start-up the window calls it once it is shown.
  void zglos_niedostepnosc();

  // An edit, an undo or a redo; the 200th since the last copy writes one now.
  void po_edycji();
  // A copy now when the layout has changes that neither a save nor the last copy holds.
  void zapisz_jesli_trzeba();
  // After a save: nothing to recover; a copy under way finishes first.
  void usun();
  // At a clean exit: this run's copy is removed; a copy of an earlier run that was refused at
  // start-up stays until this run writes one of its own.
  void zakoncz();
  // Waits for a copy under way (exit, tests).
  void czekaj();

 private:
  // Takes the first copy no running editor holds; false with `blad_` set when none can be had.
  bool zajmij();
  // The fault of the last copy, if any, is told once and the next tick writes again.
  void sprawdz_kopie();
  void usun_przejete();

  const dokument& dok_;
  const QString katalog_;
  std::unique_ptr<QLockFile> blokada_;
  std::string sciezka_;
  std::string blad_;  // why copies cannot be written, not yet told
  bool zgloszono_ = false;
  std::vector<std::string> przejete_;
  QTimer zegar_;
  int edycje_ = 0;
  bool pisana_ = false;  // this run has written the copy
  // The document's version the last copy holds.
  std::uint64_t wersja_kopii_ = 0;
  kopia_w_tle kopia_;
};

// The folder of the copy: the user's application data folder.
QString katalog_autozapisu();

// At start-up: the copies that runs which did not end cleanly left are offered back one by one,
// newest first ("Znaleziono niezapisany układ z <time> (<size>). Przywrócić?"). Tak loads that
// one as unsaved work with a new history and asks no more; Nie keeps the file. True when restored.
bool zaproponuj_odzyskanie(okno_glowne& okno, dokument& dok, autozapis& kopia);

// The window's edits count towards the next copy, and a save removes it.
void podlacz_autozapis(okno_glowne& okno, const dokument& dok, autozapis& kopia);
