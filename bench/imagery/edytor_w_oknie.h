#pragma once

#include <string>

#include "dokument/dokument.h"
#include "ui/okno_glowne.h"
#include "view/stan_edytora.h"

// The editor's main window started as the editor starts it: the context's start-up (the bundled
// map picture and tiles), then the Elbląg sample opened as from the command line. Messages go
// nowhere and numbers are read in the C locale. The QApplication comes first, after
// ustaw_format_gl().
struct edytor_w_oknie {
  edytor_w_oknie();
  // Shows the window and waits until the sample is open; false when it is not within a minute.
  bool uruchom();

  const std::string dane;
  dokument dok;
  stan_edytora edytor;
  okno_glowne okno;
};
