#include "view/sterowanie.h"

#include <algorithm>
#include <cmath>

#include "dokument/dokument.h"
#include "dokument/zakres_przesuniecia.h"
#include "app/komunikaty.h"
#include "view/stan_edytora.h"

namespace {

// The side panel shows what it shows (point, line or element) with the values of now.
void odswiez_panel(w_uklad& u) {
  const int nr = u.panel_nr;
  switch (u.panel_tryb) {
    case PANEL_PUNKT:
      if (nr < u.pmax()) u.pokaz_punkt(nr);
      break;
    case PANEL_LINIA:
      if (nr < u.lmax()) u.pokaz_linie(nr);
      break;
    case PANEL_ELEMENT:
      if (nr < u.emax()) u.pokaz_element(nr);
      break;
    default: break;
  }
}

}  // namespace

bool sterowanie::tryb_sieci() const { return stan_.tryb_edycji >= 0; }

bool sterowanie::tryb_zdarzen() const { return stan_.tryb_edycji == TRYB_ZDARZENIA; }

double sterowanie::promien_wskazania() const { return 0.05 / stan_.kamera.skala; }

void sterowanie::aktualizuj_kursor(const zdarzenie_myszy& z) {
  stan_myszy& m = stan_.mysz;
  m.shift = z.shift;
  m.poprzednie_x = m.x;
  m.poprzednie_y = m.y;
  piksel_na_widok(stan_.kamera, z.px, z.py, m.surowe_x, m.surowe_y);
  if (stan_.wyrownywanie) {
    m.x = std::trunc(m.surowe_x - 0.5);
    m.y = std::trunc(m.surowe_y - 0.5);
  } else {
    m.x = m.surowe_x;
    m.y = m.surowe_y;
  }
  m.dx = m.x - m.poprzednie_x;
  m.dy = m.y - m.poprzednie_y;
}

void sterowanie::zglos_krok_ruchu(tor_uklad& u) const {
  // The hover picks through the layout's grid during the drag too: what the step moved is
  // filed again.
  if (zakres_ruchu_)
    u.przefiluj(zakres_ruchu_->punkty, zakres_ruchu_->linie, zakres_ruchu_->elementy);
  else
    u.indeks_nieaktualny();
}

bool sterowanie::wskaz_pod_kursorem() {
  if (!tryb_sieci() || stan_.tryb_szablonu) return false;
  tor_uklad& u = dok_.tor;
  const int punkt = u.punkt_kursor;
  const int linia = u.linia_kursor;
  const stan_myszy& m = stan_.mysz;
  u.wskaz(m.plan_x(stan_.kamera), m.plan_y(stan_.kamera), promien_wskazania(), false, m.shift);
  const bool tor = punkt != u.punkt_kursor || linia != u.linia_kursor;
  const bool zdarzenie =
      tryb_zdarzen() && zdarzenia_.wskaz(m.plan_x(stan_.kamera), m.plan_y(stan_.kamera), promien_wskazania(), tor);
  return zdarzenie || tor;
}

void sterowanie::po_poleceniu(bool po_edycji) {
  if (po_edycji) zakres_ruchu_.reset();
  if (po_edycji && stan_.mysz.lewy_wcisniety) {
    przeciaganie_przerwane_ = true;
    dok_.tor.punkt_docelowy = nullptr;
  }
  // Picture mode and the template choice put away the selection's controls themselves; the
  // first pick back in track mode shows them again.
  dok_.tor.panel_tryb = PANEL_NIEUSTAWIONY;
  wskaz_pod_kursorem();
  zdarzenia_.po_poleceniu();
  // After an edit the document knows what it changed; here only the hover moves.
  if (po_edycji)
    dok_.odswiez_wskazanie();
  else
    dok_.odswiez();
}

bool sterowanie::przeciaganie_lewym(bool& edycja) {
  stan_myszy& m = stan_.mysz;
  if (tryb_zdarzen() && zdarzenia_.trzyma()) {
    zdarzenia_.przeciagnij(m.plan_x(stan_.kamera), m.plan_y(stan_.kamera));
    return true;
  }
  // In events mode a press that held no event pans.
  if (!m.przeciaganie_ustalone && !tryb_zdarzen()) {
    if (tryb_sieci())
      m.przeciaganie_ustalone = !przeciaganie_przerwane_ && dok_.tor.co_pod_kursorem() != 0;
    else
      m.przeciaganie_ustalone = zdjecia_ && zdjecia_->chwycone();
  }
  const bool przesun_widok =
      !m.przeciaganie_ustalone || (!tryb_sieci() && zdjecia_ && zdjecia_->zablokowane());
  if (przesun_widok) {
    stan_.kamera.przes_x += m.dx;
    stan_.kamera.przes_y += m.dy;
    return m.dx != 0 || m.dy != 0;
  }
  if (!tryb_sieci()) {
    zdjecia_->przesun(m.dx, m.dy);
    edycja = m.dx != 0 || m.dy != 0;
    return true;
  }
  tor_uklad& u = dok_.tor;
  u.przesun_zaznaczone(m.dx, m.dy, promien_wskazania());
  zglos_krok_ruchu(u);
  dok_.odswiez();
  // A press that has not moved yet leaves the boxes as the selection showed them.
  if (m.dx == 0 && m.dy == 0) return true;
  przesunieto_ = true;
  odswiez_panel(u);
  if (wpisz_wartosci) wpisz_wartosci(u.panel_wartosc_1(), u.panel_wartosc_2());
  return true;
}

bool sterowanie::puszczenie_lewego() {
  stan_myszy& m = stan_.mysz;
  m.lewy_wcisniety = false;
  m.przeciaganie_ustalone = false;
  bool zmiana = przesunieto_;
  if (tryb_zdarzen()) {
    zmiana = zdarzenia_.pusc();
    if (zmiana) po_poleceniu();
    return true;
  }
  // A command during the drag may have renumbered the points: the scope taken at the press
  // holds only for a drag that went on to its release.
  const std::optional<zakres_zmiany> zakres = przeciaganie_przerwane_ ? std::nullopt : std::move(zakres_ruchu_);
  zakres_ruchu_.reset();
  if (tryb_sieci()) {
    tor_uklad& u = dok_.tor;
    if (przeciaganie_przerwane_) {
      u.punkt_docelowy = nullptr;
    } else {
      const int punkty = u.pmax();
      if (zakres)
        u.scal(zakres->punkty);
      else
        u.scal();
      zmiana = zmiana || u.pmax() != punkty;
    }
  } else if (zdjecia_) {
    zdjecia_->pusc();
  }
  przesunieto_ = false;
  przeciaganie_przerwane_ = false;
  if (zmiana) {
    // A merge at the release changes the number of points: the whole layout is recorded then.
    if (zakres && tryb_sieci())
      dok_.zmiana(*zakres);
    else
      dok_.zmiana();
    po_poleceniu();
  } else {
    dok_.odswiez();
  }
  return true;
}

bool sterowanie::ruch(const zdarzenie_myszy& z) {
  bool rysuj = false;
  stan_myszy& m = stan_.mysz;
  // A release that never reached the plan (a message box took it) still ends its drag.
  if (m.lewy_wcisniety && !z.lewy) rysuj = zwolnienie(przycisk_myszy::lewy, z);
  if (m.obrot_aktywny && !z.prawy) rysuj = zwolnienie(przycisk_myszy::prawy, z) || rysuj;
  if (m.ramka_aktywna && !z.srodkowy) {
    m.ramka_aktywna = false;
    rysuj = true;
  }

  aktualizuj_kursor(z);
  rysuj = wskaz_pod_kursorem() || rysuj;
  if (stan_.tryb_szablonu) return rysuj;

  bool edycja = false;
  if (m.lewy_wcisniety) rysuj = przeciaganie_lewym(edycja) || rysuj;
  if (m.obrot_aktywny && (m.dx != 0 || m.dy != 0)) {
    if (!tryb_sieci()) {
      if (zdjecia_ && !zdjecia_->zablokowane()) {
        zdjecia_->obroc(m.dx);
        rysuj = true;
      }
    } else if (stan_.tryb_prawego_przycisku == PRAWY_ROTACJA) {
      tor_uklad& u = dok_.tor;
      u.obroc_zaznaczone(m.os_obrotu_x, m.os_obrotu_y, m.dx * stan_.kamera.skala * 100);
      zglos_krok_ruchu(u);
      obrocono_ = true;
      odswiez_panel(u);
      if (wpisz_wartosci) wpisz_wartosci(u.panel_wartosc_1(), u.panel_wartosc_2());
      dok_.odswiez();
      rysuj = true;
    }
  }
  if (edycja) dok_.odswiez();
  return rysuj || m.ramka_aktywna || m.czeka_rownolegle;
}

bool sterowanie::nacisniecie(przycisk_myszy p, const zdarzenie_myszy& z) {
  aktualizuj_kursor(z);
  // A press is no movement, even where no move came before it (the cursor came back over the
  // plan, a dialog closed): the drag's first step must not carry the jump.
  stan_.mysz.dx = 0;
  stan_.mysz.dy = 0;
  wskaz_pod_kursorem();
  if (stan_.tryb_szablonu) return false;
  if (tryb_zdarzen()) return nacisniecie_zdarzen(p);
  stan_myszy& m = stan_.mysz;
  const widok& w = stan_.kamera;
  tor_uklad& u = dok_.tor;
  switch (p) {
    case przycisk_myszy::lewy: {
      m.lewy_wcisniety = true;
      przesunieto_ = false;
      przeciaganie_przerwane_ = false;
      zakres_ruchu_.reset();
      if (m.czeka_rownolegle && stan_.tryb_edycji == TRYB_TORY) {
        m.czeka_rownolegle = false;
        m.lewy_wcisniety = false;
        u.ustaw_rownolegle();
        dok_.zmiana();
        po_poleceniu();
        return true;
      }
      if (tryb_sieci()) {
        u.wskaz(m.plan_x(w), m.plan_y(w), promien_wskazania(), true, m.shift);
        zakres_ruchu_ = zakres_przesuniecia(u);
        dok_.odswiez();
      } else if (zdjecia_) {
        zdjecia_->chwyc(m.surowe_x - w.przes_x, m.surowe_y - w.przes_y);
      }
      bool edycja = false;
      przeciaganie_lewym(edycja);
      return true;
    }
    case przycisk_myszy::prawy:
      if (!tryb_sieci()) {
        m.obrot_aktywny = true;
        return false;
      }
      if (stan_.tryb_prawego_przycisku == PRAWY_DODAWANIE) {
        const double x = m.plan_x(w);
        const double y = m.plan_y(w);
        if (stan_.tryb_edycji == TRYB_TORY && (x < 0 || y < 0)) {
          pokaz_komunikat(KOM_POZA_MAPA);
          return false;
        }
        u.dodaj_punkt(x + 0.5, y, 0);
        dok_.zmiana();
        po_poleceniu();
        return true;
      }
      if (!m.obrot_aktywny) {
        m.obrot_aktywny = true;
        obrocono_ = false;
        zakres_ruchu_ = zakres_przesuniecia(u);
        m.os_obrotu_x = m.plan_x(w);
        m.os_obrotu_y = m.plan_y(w);
      }
      return true;
    case przycisk_myszy::srodkowy:
      m.ramka_x = m.plan_x(w);
      m.ramka_y = m.plan_y(w);
      m.ramka_aktywna = true;
      return true;
  }
  return false;
}

bool sterowanie::nacisniecie_zdarzen(przycisk_myszy p) {
  stan_myszy& m = stan_.mysz;
  const double x = m.plan_x(stan_.kamera);
  const double y = m.plan_y(stan_.kamera);
  switch (p) {
    case przycisk_myszy::lewy:
      m.lewy_wcisniety = true;
      m.przeciaganie_ustalone = false;
      zdarzenia_.wybierz(x, y, promien_wskazania());
      return true;
    case przycisk_myszy::prawy:
      if (zdarzenia_.dodaj(x, y, promien_wskazania())) po_poleceniu();
      return true;
    case przycisk_myszy::srodkowy: return false;
  }
  return false;
}

bool sterowanie::zwolnienie(przycisk_myszy p, const zdarzenie_myszy& z) {
  aktualizuj_kursor(z);
  stan_myszy& m = stan_.mysz;
  switch (p) {
    case przycisk_myszy::lewy:
      if (!m.lewy_wcisniety) return false;
      return puszczenie_lewego();
    case przycisk_myszy::prawy:
      if (!m.obrot_aktywny) return false;
      m.obrot_aktywny = false;
      if (!tryb_sieci()) {
        if (zdjecia_) zdjecia_->pusc();
        return true;
      }
      if (obrocono_) {
        obrocono_ = false;
        if (zakres_ruchu_)
          dok_.zmiana(*zakres_ruchu_);
        else
          dok_.zmiana();
        po_poleceniu();
      }
      return true;
    case przycisk_myszy::srodkowy: {
      if (!m.ramka_aktywna) return false;
      m.ramka_aktywna = false;
      // The box selects track in every mode.
      const widok& w = stan_.kamera;
      dok_.tor.zaznacz_prostokat(m.ramka_x, m.ramka_y, m.plan_x(w), m.plan_y(w), m.shift);
      dok_.odswiez();
      po_poleceniu();
      return true;
    }
  }
  return false;
}

bool sterowanie::kolko(int zabki, const zdarzenie_myszy& z) {
  if (zabki == 0) return false;
  widok& w = stan_.kamera;
  for (int i = 0; i < std::abs(zabki); ++i)
    w.skala = std::clamp(zabki > 0 ? w.skala * 1.5 : w.skala / 1.5, SKALA_NAJMNIEJSZA, SKALA_NAJWIEKSZA);
  aktualizuj_kursor(z);
  wskaz_pod_kursorem();
  dok_.odswiez();
  return true;
}
