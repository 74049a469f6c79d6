#include "dokument/dokument.h"

dokument::dokument() { historia_.zacznij(tor, trasa, true); }

std::optional<krok_historii> dokument::zmiana() { return zatwierdz(nullptr); }

std::optional<krok_historii> dokument::zmiana(const zakres_zmiany& zakres) { return zatwierdz(&zakres); }

std::optional<krok_historii> dokument::zatwierdz(const zakres_zmiany* zakres) {
  std::optional<krok_historii> krok = historia_.zatwierdz(tor, trasa, zakres);
  // A scope the history could not hold to (items came or went) tells nothing.
  zmieniono(historia_.ostatni_w_zakresie() ? zakres : nullptr);
  if (krok && odbiorca_) odbiorca_->krok(*krok);
  return krok;
}

void dokument::zacznij_historie(bool zgodny) {
  historia_.zacznij(tor, trasa, zgodny);
  if (odbiorca_) odbiorca_->nowa_historia();
}

bool dokument::cofnij(const krok_historii& krok) {
  if (!historia_.cofnij(krok, tor, trasa)) return false;
  zmieniono(nullptr);
  return true;
}

bool dokument::ponow(const krok_historii& krok) {
  if (!historia_.ponow(krok, tor, trasa)) return false;
  zmieniono(nullptr);
  return true;
}

void dokument::zgodny_z_plikiem(const std::string& sciezka) {
  if (historia_.zgodny_z_plikiem(tor, trasa) && odbiorca_) odbiorca_->nowa_historia();
  plik_ = sciezka;
  zmieniono(nullptr);
}

void dokument::nowy() {
  zacznij_historie(true);
  plik_.clear();
  zmieniono(nullptr);
}

void dokument::zaimportowany() {
  zacznij_historie(false);
  plik_.clear();
  zmieniono(nullptr);
}

void dokument::zmieniono(const zakres_zmiany* zakres) {
  ++wersja_;
  if (!zakres) {
    bez_zakresu_ = wersja_;
    zakresy_.clear();
    return;
  }
  // The oldest scope forgotten: from before it nothing is known.
  if (zakresy_.size() == ZAKRESY) {
    bez_zakresu_ = zakresy_.front().first;
    zakresy_.erase(zakresy_.begin());
  }
  zakresy_.emplace_back(wersja_, *zakres);
}

std::optional<zakres_zmiany> dokument::zmienione_od(std::uint64_t od) const {
  if (od < bez_zakresu_) return std::nullopt;
  zakres_zmiany z;
  for (const auto& [wersja, zakres] : zakresy_) {
    if (wersja <= od) continue;
    z.punkty.insert(z.punkty.end(), zakres.punkty.begin(), zakres.punkty.end());
    z.linie.insert(z.linie.end(), zakres.linie.begin(), zakres.linie.end());
    z.elementy.insert(z.elementy.end(), zakres.elementy.begin(), zakres.elementy.end());
  }
  return z;
}
