#include "app/dokument.h"

void dokument::zmiana() {
  zmieniony_ = true;
  ++wersja_;
}

void dokument::zgodny_z_plikiem(const std::string& sciezka) {
  plik_ = sciezka;
  zmieniony_ = false;
  ++wersja_;
}

void dokument::nowy() {
  plik_.clear();
  zmieniony_ = false;
  ++wersja_;
}
