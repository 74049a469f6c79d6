#include "app/dokument.h"

dokument::dokument() { historia_.zacznij(tor, trasa, true); }

std::optional<krok_historii> dokument::zmiana() {
  ++wersja_;
  return historia_.zatwierdz(tor, trasa);
}

bool dokument::cofnij(const krok_historii& krok) {
  if (!historia_.cofnij(krok, tor, trasa)) return false;
  ++wersja_;
  return true;
}

bool dokument::ponow(const krok_historii& krok) {
  if (!historia_.ponow(krok, tor, trasa)) return false;
  ++wersja_;
  return true;
}

void dokument::zgodny_z_plikiem(const std::string& sciezka) {
  if (!historia_.zgodna(tor, trasa)) historia_.zacznij(tor, trasa, true);
  historia_.oznacz_zapisany();
  plik_ = sciezka;
  ++wersja_;
}

void dokument::nowy() {
  historia_.zacznij(tor, trasa, true);
  plik_.clear();
  ++wersja_;
}

void dokument::zaimportowany() {
  historia_.zacznij(tor, trasa, false);
  plik_.clear();
  ++wersja_;
}
