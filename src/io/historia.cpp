#include "io/historia.h"

#include <algorithm>

#include "app/log.h"

std::size_t krok_historii::pamiec() const {
  std::size_t suma = sizeof(krok_historii);
  for (const roznica_ciagow& r : roznice) suma += r.pamiec();
  return suma;
}

void historia::zacznij(const tor_uklad& tor, const trasa_info& trasa, bool zgodny_z_plikiem) {
  zapisz_stan(tor, trasa, stan_);
  for (ciag_rekordow& c : stan_.sekcje) c.dopasuj_pamiec();
  zapas_ = rekordy_stanu{};  // sized for the layout there was
  obecny_ = ++ostatni_numer_;
  zapisany_ = zgodny_z_plikiem ? obecny_ : ZADEN;
}

std::optional<krok_historii> historia::zatwierdz(const tor_uklad& tor, const trasa_info& trasa,
                                                const zakres_zmiany* zakres) {
  krok_historii krok;
  w_zakresie_ = zakres && zamien_zakres(tor, trasa, *zakres, stan_, krok.roznice);
  if (!w_zakresie_) {
    zapisz_stan(tor, trasa, zapas_, &stan_);
    krok.roznice = porownaj_stany(stan_, zapas_);
    std::swap(stan_, zapas_);  // the same records when nothing changed
  }
  if (std::all_of(krok.roznice.begin(), krok.roznice.end(), [](const roznica_ciagow& r) { return r.pusta(); }))
    return std::nullopt;
  krok.przed = obecny_;
  krok.po = obecny_ = ++ostatni_numer_;
  return krok;
}

bool historia::cofnij(const krok_historii& krok, tor_uklad& tor, trasa_info& trasa) {
  return przejdz(krok, PO, tor, trasa);
}

bool historia::ponow(const krok_historii& krok, tor_uklad& tor, trasa_info& trasa) {
  return przejdz(krok, PRZED, tor, trasa);
}

bool historia::przejdz(const krok_historii& krok, strona_roznicy z, tor_uklad& tor, trasa_info& trasa) {
  const std::uint64_t skad = z == PO ? krok.po : krok.przed;
  if (skad != obecny_) {
    log_pisz("!!! historia: krok %llu -> %llu nie zaczyna się w stanie %llu\n",
             static_cast<unsigned long long>(krok.przed), static_cast<unsigned long long>(krok.po),
             static_cast<unsigned long long>(obecny_));
    return false;
  }
  for (int s = 0; s < LICZBA_SEKCJI; ++s) zastosuj(stan_.sekcje[s], krok.roznice[s], z, zapas_.sekcje[s]);
  przywroc_stan(tor, trasa, stan_, zapas_, krok.roznice, z);
  std::swap(stan_, zapas_);
  obecny_ = z == PO ? krok.przed : krok.po;
  return true;
}

bool historia::zgodny_z_plikiem(const tor_uklad& tor, const trasa_info& trasa) {
  zapisz_stan(tor, trasa, zapas_, &stan_);
  const bool nowa = !(zapas_ == stan_);
  if (nowa) {
    std::swap(stan_, zapas_);
    for (ciag_rekordow& c : stan_.sekcje) c.dopasuj_pamiec();
    zapas_ = rekordy_stanu{};
    obecny_ = ++ostatni_numer_;
  }
  zapisany_ = obecny_;
  return nowa;
}
