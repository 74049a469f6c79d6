#pragma once

#include <QString>
#include <deque>
#include <string>

#include "dokument/dokument.h"
#include "support/log_tymczasowy.h"
#include "support/rejestrator_komunikatow.h"
#include "ui/okno_glowne.h"
#include "view/stan_edytora.h"

// The bundled data folder.
inline const std::string KATALOG_DANYCH = std::string(VIALTOR_ZRODLA) + "/data";

// The main window on a fresh document, shown on the virtual display, with its log, its
// messages recorded and its dialogs answered by the test.
struct okno_testowe {
  okno_testowe();

  log_tymczasowy log;
  dokument dok;
  stan_edytora edytor;
  okno_glowne okno;
  rejestrator_komunikatow komunikaty;

  // Answers of the file dialogs in order ("" cancels); the patterns and folders they were asked with.
  std::deque<std::string> pliki;
  QStringList wzory;
  QStringList katalogi;
  // The unsaved-changes question: how often it was asked and what the user answers.
  int pytania = 0;
  bool odpowiedz = false;

  void wczytaj_szablony();
  // A named control of the window.
  template <class T>
  T* kontrolka(const char* nazwa) const {
    return okno.findChild<T*>(nazwa);
  }
};

// A small track layout: a chain of three points with a 10 m arc at the middle one.
void zbuduj_luk(tor_uklad& tor);
// A layout that fails the geometry test: a 50 m arc between two 10 m lines.
void zbuduj_blad(tor_uklad& tor);
// The layout's records, as the project file holds them.
std::vector<std::uint8_t> rekordy(const tor_uklad& tor);
