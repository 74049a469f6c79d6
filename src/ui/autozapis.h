#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <string>

#include "io/kopia_w_tle.h"

class dokument;
class okno_glowne;

// The copy of unsaved work that a crash leaves behind. While the layout has unsaved changes it is
// written every two minutes and after every 200 edits to one file in its own folder (never the
// user's file), serialised on the calling thread and written on a worker. The folder is held by a
// lock for the whole run, so a second editor neither writes nor offers the first one's copy.
class autozapis : public QObject {
 public:
  static constexpr int ODSTEP_MS = 2 * 60 * 1000;
  static constexpr int EDYCJI_NA_KOPIE = 200;

  // `katalog`: the folder of the copy, made when missing.
  autozapis(const dokument& dok, const QString& katalog, int odstep_ms = ODSTEP_MS);

  // Whether this run holds the folder: only then is anything written, offered or removed.
  bool czynny() const { return czynny_; }
  const std::string& sciezka() const { return sciezka_; }

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
  const dokument& dok_;
  QLockFile blokada_;
  bool czynny_ = false;
  std::string sciezka_;
  QTimer zegar_;
  int edycje_ = 0;
  bool pisana_ = false;  // this run has written the copy
  // The document's version the last copy holds.
  std::uint64_t wersja_kopii_ = 0;
  kopia_w_tle kopia_;
};

// The folder of the copy: the user's application data folder.
QString katalog_autozapisu();

// At start-up: a copy that a run which did not end cleanly left is offered back ("Znaleziono
// niezapisany układ z ..."). Tak loads it as unsaved work with a new history; Nie keeps the file
// until the next copy. True when restored.
bool zaproponuj_odzyskanie(okno_glowne& okno, dokument& dok, const autozapis& kopia);

// The window's edits count towards the next copy, and a save removes it.
void podlacz_autozapis(okno_glowne& okno, const dokument& dok, autozapis& kopia);
