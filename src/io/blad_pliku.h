#pragma once

#include <stdexcept>
#include <string>

// A file that cannot be read whole or written: the text names the fault, not the file (the
// command that reports it names the file).
class blad_pliku : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The file cannot be opened at all (missing, no access); the commands answer it with the empty
// message box rather than with the fault.
class blad_otwarcia : public blad_pliku {
 public:
  using blad_pliku::blad_pliku;
};

// The file starts with a format number this program does not read.
class nieznany_format : public blad_pliku {
 public:
  explicit nieznany_format(int numer)
      : blad_pliku("nieznany numer formatu " + std::to_string(numer)), numer(numer) {}
  int numer;
};
