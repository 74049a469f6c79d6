#pragma once

#include <stdexcept>
#include <string>

// A file that cannot be read whole or written: the text names the fault.
class blad_pliku : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The file starts with a format number this program does not read.
class nieznany_format : public blad_pliku {
 public:
  explicit nieznany_format(int numer)
      : blad_pliku("nieznany numer formatu " + std::to_string(numer)), numer(numer) {}
  int numer;
};
