#include "view/mysz_zdarzen.h"

#include "app/komunikaty.h"
#include "dokument/dokument.h"
#include "view/stan_edytora.h"

zakres_zmiany wlasciciel_zdarzen(bool na_linii, int nr) {
  zakres_zmiany z;
  (na_linii ? z.linie : z.punkty).push_back(static_cast<std::size_t>(nr));
  return z;
}

void mysz_zdarzen::powiadom() {
  if (zmiana) zmiana();
}

bool mysz_zdarzen::wskaz(double x, double y, double r, bool tor) {
  const std::optional<adres_zdarzenia> teraz = najblizsze_zdarzenie(dok_.tor, x, y, r);
  const bool zmiana = teraz != stan_.zdarzenia.wskazane;
  stan_.zdarzenia.wskazane = teraz;
  if (zmiana || tor) powiadom();
  return zmiana;
}

bool mysz_zdarzen::wybierz(double x, double y, double r) {
  stan_.zdarzenia.wybrane = najblizsze_zdarzenie(dok_.tor, x, y, r);
  trzyma_ = stan_.zdarzenia.wybrane.has_value();
  przesunieto_ = false;
  powiadom();
  return trzyma_;
}

bool mysz_zdarzen::przeciagnij(double x, double y) {
  if (!trzyma_) return false;
  const adres_zdarzenia a = *stan_.zdarzenia.wybrane;
  zdarzenie* z = znajdz_zdarzenie(dok_.tor, a);
  const std::optional<miejsce_na_torze> m = rzut_na_wlasciciela(dok_.tor, a.na_linii, a.nr, x, y);
  if (!z || !m || m->pozycja == z->pozycja) return false;
  z->pozycja = m->pozycja;
  przesunieto_ = true;
  // Drawn anew before the release makes the step.
  dok_.odswiez();
  powiadom();
  return true;
}

bool mysz_zdarzen::pusc() {
  const bool krok = przesunieto_;
  trzyma_ = false;
  przesunieto_ = false;
  if (krok) dok_.zmiana(wlasciciel_zdarzen(stan_.zdarzenia.wybrane->na_linii, stan_.zdarzenia.wybrane->nr));
  return krok;
}

bool mysz_zdarzen::dodaj(double x, double y, double r) {
  const std::optional<miejsce_na_torze> m = najblizsze_miejsce(dok_.tor, x, y, r);
  if (!m) {
    pokaz_komunikat(KOM_ZDARZENIE_POZA_TOREM);
    return false;
  }
  const zdarzenie* wybrane = stan_.zdarzenia.wybrane ? znajdz_zdarzenie(dok_.tor, *stan_.zdarzenia.wybrane) : nullptr;
  zdarzenie z = wybrane ? *wybrane : stan_.zdarzenia.nowe;
  z.pozycja = m->pozycja;
  lista_wlasciciela(dok_.tor, m->na_linii, m->nr)->dodaj(z);
  stan_.zdarzenia.wybrane.reset();
  dok_.zmiana(wlasciciel_zdarzen(m->na_linii, m->nr));
  return true;
}

std::optional<zakres_zmiany> mysz_zdarzen::usun_wybrane() {
  if (!stan_.zdarzenia.wybrane) return std::nullopt;
  const adres_zdarzenia a = *stan_.zdarzenia.wybrane;
  stan_.zdarzenia.wybrane.reset();
  trzyma_ = false;
  lista_zdarzen* lista = lista_wlasciciela(dok_.tor, a.na_linii, a.nr);
  if (!lista || !lista->nr(a.indeks)) return std::nullopt;
  lista->usun(a.indeks);
  return wlasciciel_zdarzen(a.na_linii, a.nr);
}

void mysz_zdarzen::po_poleceniu() {
  stan_zdarzen& s = stan_.zdarzenia;
  if (s.wskazane && !znajdz_zdarzenie(dok_.tor, *s.wskazane)) s.wskazane.reset();
  if (s.wybrane && !znajdz_zdarzenie(dok_.tor, *s.wybrane)) {
    s.wybrane.reset();
    trzyma_ = false;
  }
  powiadom();
}
