#include "dokument/dokument.h"

namespace {

// The items an undo or redo step wrote again in place, when none came or went and the step is
// small; none otherwise (the whole layout is to be looked at).
std::optional<zakres_zmiany> zakres_kroku(const krok_historii& krok, std::size_t punkty) {
  zakres_zmiany z;
  std::vector<std::size_t>* numery[] = {&z.punkty, &z.linie, &z.elementy};
  std::size_t ile = 0;
  for (int s = SEKCJA_PUNKTY; s <= SEKCJA_ELEMENTY; ++s) {
    const roznica_ciagow& r = krok.roznice[static_cast<std::size_t>(s)];
    if (r.dlugosc[PRZED] != r.dlugosc[PO]) return std::nullopt;
    for (const wycinek& w : r.wycinki) {
      if (w.od[PRZED] != w.od[PO] || w.ile[PRZED] != w.ile[PO]) return std::nullopt;
      for (std::size_t i = w.od[PRZED]; i < w.od[PRZED] + w.ile[PRZED]; ++i) numery[s]->push_back(i);
      ile += w.ile[PRZED];
    }
  }
  // Past a share of the layout, looking at every item costs no more.
  if (ile * 8 > punkty) return std::nullopt;
  return z;
}

}  // namespace

dokument::dokument() {
  historia_.zacznij(tor, trasa, true);
  tor.wlacz_indeks();
}

std::optional<krok_historii> dokument::zmiana() { return zatwierdz(nullptr); }

std::optional<krok_historii> dokument::zmiana(const zakres_zmiany& zakres) { return zatwierdz(&zakres); }

std::optional<krok_historii> dokument::zatwierdz(const zakres_zmiany* zakres) {
  std::optional<krok_historii> krok = historia_.zatwierdz(tor, trasa, zakres);
  // A scope the history could not hold to (items came or went) tells nothing.
  const zakres_zmiany* pewny = historia_.ostatni_w_zakresie() ? zakres : nullptr;
  przefiluj(pewny);
  zmieniono(pewny);
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
  const std::optional<zakres_zmiany> zakres = zakres_kroku(krok, tor.p.size());
  przefiluj(zakres ? &*zakres : nullptr);
  zmieniono(zakres ? &*zakres : nullptr);
  return true;
}

bool dokument::ponow(const krok_historii& krok) {
  if (!historia_.ponow(krok, tor, trasa)) return false;
  const std::optional<zakres_zmiany> zakres = zakres_kroku(krok, tor.p.size());
  przefiluj(zakres ? &*zakres : nullptr);
  zmieniono(zakres ? &*zakres : nullptr);
  return true;
}

void dokument::zgodny_z_plikiem(const std::string& sciezka) {
  // A load put another layout in place.
  tor.indeks_nieaktualny();
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

void dokument::przefiluj(const zakres_zmiany* zakres) {
  if (zakres)
    tor.przefiluj(zakres->punkty, zakres->linie, zakres->elementy);
  else
    tor.indeks_nieaktualny();
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
