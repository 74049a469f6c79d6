#include "dokument/dokument.h"

dokument::dokument() {
  historia_.zacznij(tor, trasa, true);
  tor.wlacz_indeks();
}

std::optional<krok_historii> dokument::zmiana() { return zatwierdz(nullptr); }

std::optional<krok_historii> dokument::zmiana(const zakres_zmiany& zakres) { return zatwierdz(&zakres); }

std::optional<krok_historii> dokument::zatwierdz(const zakres_zmiany* zakres) {
  ++wersja_;
  if (zakres)
    tor.przefiluj(zakres->punkty, zakres->linie, zakres->elementy);
  else
    tor.indeks_nieaktualny();
  std::optional<krok_historii> krok = historia_.zatwierdz(tor, trasa, zakres);
  if (krok && odbiorca_) odbiorca_->krok(*krok);
  return krok;
}

void dokument::zacznij_historie(bool zgodny) {
  tor.indeks_nieaktualny();
  historia_.zacznij(tor, trasa, zgodny);
  if (odbiorca_) odbiorca_->nowa_historia();
}

bool dokument::cofnij(const krok_historii& krok) {
  if (!historia_.cofnij(krok, tor, trasa)) return false;
  tor.indeks_nieaktualny();
  ++wersja_;
  return true;
}

bool dokument::ponow(const krok_historii& krok) {
  if (!historia_.ponow(krok, tor, trasa)) return false;
  tor.indeks_nieaktualny();
  ++wersja_;
  return true;
}

void dokument::zgodny_z_plikiem(const std::string& sciezka) {
  // A load put another layout in place.
  tor.indeks_nieaktualny();
  if (historia_.zgodny_z_plikiem(tor, trasa) && odbiorca_) odbiorca_->nowa_historia();
  plik_ = sciezka;
  ++wersja_;
}

void dokument::nowy() {
  zacznij_historie(true);
  plik_.clear();
  ++wersja_;
}

void dokument::zaimportowany() {
  zacznij_historie(false);
  plik_.clear();
  ++wersja_;
}
