// The picks through the layout's grid choose what the picks over every item choose: the same
// point, line, place or event, the same ties, flags and panel, on random layouts of the
// editor's document as they are edited by scope, whole, undone and redone.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "dokument/dokument.h"
#include "dokument/zakres_przesuniecia.h"
#include "support/rejestrator_komunikatow.h"
#include "support/uklad_testowy.h"
#include "track/zdarzenia_na_torze.h"

namespace {

// The picks as they were before the grid: every item looked at.
void wskaz_doslownie(w_uklad& u, double x, double y, double r, bool klik, bool zachowaj) {
  u.zgas_podswietlenie();
  if (klik && !zachowaj && (u.punkt_kursor == -1 || (u.punkt_kursor >= 0 && u.punkt_kursor < u.pmax() &&
                                                     !u.p[u.punkt_kursor]->CZY_ZAZNACZONY())))
    u.odznacz_wszystko();
  int najblizszy = -1;
  double minimum = 10000;
  for (int i = 0; i < u.pmax(); ++i) {
    const double dx = u.p[i]->GET_X() - x, dy = u.p[i]->GET_Y() - y;
    if (std::sqrt(dx * dx + dy * dy) < minimum) minimum = std::sqrt(dx * dx + dy * dy), najblizszy = i;
  }
  u.punkt_kursor = najblizszy >= 0 && minimum < r ? najblizszy : -1;
  if (u.punkt_kursor >= 0) {
    if (u.p[najblizszy]->element) u.p[najblizszy]->element->ustaw_podswietlony(1);
    if (klik) u.ostatni_punkt = najblizszy, u.p[najblizszy]->ZAZNACZ(true);
  }
  u.linia_kursor = -1;
  if (u.punkt_kursor == -1) {
    double najlepsza = r;
    for (int i = 0; i < u.lmax(); ++i) {
      const w_linia::kierunek k = u.l[i]->kierunek_teraz();
      const double p1x = u.l[i]->p1->GET_X() - x, p1y = u.l[i]->p1->GET_Y() - y;
      const double w = p1x * k.kx + p1y * k.ky;
      if (!(w > 0 && w < k.dl)) continue;
      if (std::fabs(k.kx * p1y - p1x * k.ky) < najlepsza) najlepsza = std::fabs(k.kx * p1y - p1x * k.ky), u.linia_kursor = i;
    }
    if (u.linia_kursor >= 0) {
      if (u.l[u.linia_kursor]->w_elemencie()) u.l[u.linia_kursor]->p1->element->ustaw_podswietlony(1);
      if (klik) u.l[u.linia_kursor]->ZAZNACZ(true);
    }
  }
  const auto pierwszy = [](const auto& v, auto warunek) { return int(std::find_if(v.begin(), v.end(), warunek) - v.begin()); };
  const auto zaznaczony = [](const auto* q) { return q->CZY_ZAZNACZONY(); };
  const auto wybrany = [](const w_element* q) { return bool(q->zaznaczony()); };
  int tryb = PANEL_PUSTY, nr = 0;
  if (std::count_if(u.p.begin(), u.p.end(), zaznaczony) == 1)
    tryb = PANEL_PUNKT, nr = pierwszy(u.p, zaznaczony);
  else if (std::count_if(u.l.begin(), u.l.end(), zaznaczony) == 1)
    tryb = PANEL_LINIA, nr = pierwszy(u.l, zaznaczony);
  else if (std::count_if(u.e.begin(), u.e.end(), wybrany) == 1)
    tryb = PANEL_ELEMENT, nr = pierwszy(u.e, wybrany);
  if (tryb == u.panel_tryb && (tryb == PANEL_PUSTY || nr == u.panel_nr)) return;
  u.panel_tryb = tryb;
  if (tryb != PANEL_PUSTY) u.panel_nr = nr;
}

std::optional<miejsce_na_torze> miejsce_doslownie(const tor_uklad& u, double x, double y, double r) {
  std::optional<miejsce_na_torze> najblizsze;
  const auto sprawdz = [&](const std::optional<miejsce_na_torze>& m) {
    if (m && m->odleglosc <= r && (!najblizsze || m->odleglosc < najblizsze->odleglosc)) najblizsze = m;
  };
  for (int i = 0; i < u.lmax(); ++i) {
    const w_linia& l = *u.l[i];
    if (x < std::min(l.p1->GET_X(), l.p2->GET_X()) - r || x > std::max(l.p1->GET_X(), l.p2->GET_X()) + r ||
        y < std::min(l.p1->GET_Y(), l.p2->GET_Y()) - r || y > std::max(l.p1->GET_Y(), l.p2->GET_Y()) + r)
      continue;
    sprawdz(rzut_na_wlasciciela(u, true, i, x, y));
  }
  for (int i = 0; i < u.pmax(); ++i) sprawdz(rzut_na_wlasciciela(u, false, i, x, y));
  return najblizsze;
}

std::optional<adres_zdarzenia> zdarzenie_doslownie(const tor_uklad& u, double x, double y, double r) {
  std::optional<adres_zdarzenia> najblizsze;
  double najmniej = r;
  for (const bool na_linii : {false, true})
    for (int nr = 0; nr < (na_linii ? u.lmax() : u.pmax()); ++nr)
      for (int i = 0; i < lista_wlasciciela(u, na_linii, nr)->ile(); ++i) {
        const double d = dlugosc(ramka_zdarzenia(u, {na_linii, nr, i}).miejsce - wektor{x, y});
        if (d <= najmniej) najmniej = d, najblizsze = adres_zdarzenia{na_linii, nr, i};
      }
  return najblizsze;
}

// What a pick leaves in the layout.
std::vector<int> wskazanie(const w_uklad& u) {
  std::vector<int> w{u.punkt_kursor, u.linia_kursor, u.ostatni_punkt, u.panel_tryb, u.panel_nr};
  for (const w_punkt* q : u.p) w.push_back(q->zaznaczony());
  for (const w_linia* q : u.l) w.push_back(q->zaznaczony());
  for (const w_element* q : u.e) w.push_back(q->zaznaczony() * 2 + q->podswietlony());
  return w;
}

void przywroc(w_uklad& u, const std::vector<int>& w) {
  u.punkt_kursor = w[0], u.linia_kursor = w[1], u.ostatni_punkt = w[2], u.panel_tryb = w[3], u.panel_nr = w[4];
  std::size_t i = 5;
  for (w_punkt* q : u.p) q->ustaw_zaznaczony(std::uint8_t(w[i++]));
  for (w_linia* q : u.l) q->ustaw_zaznaczony(std::uint8_t(w[i++]));
  for (w_element* q : u.e) {
    q->ustaw_zaznaczony(w[i] / 2);
    q->ustaw_podswietlony(w[i++] % 2);
  }
}

// Points on a lattice (equal distances, places on the cells' bounds), joined to near ones,
// some in turnouts, with events, all shifted by `przesuniecie`.
void losowy_uklad(tor_uklad& u, std::mt19937& los, double przesuniecie) {
  const auto nr = [&](int ile) { return int(los() % unsigned(ile)); };
  const int ile = nr(60);
  w_element* el = u.nowy_element(przesuniecie, przesuniecie, 0);
  el->kat = nr(360);
  for (int i = 0; i < ile; ++i) {
    const double x = nr(40) * 2.5, y = nr(40) * 2.5;
    if (nr(8) == 0)
      dodaj_punkt_elementu(u, el, nr(5), nr(5), 3 + nr(20));
    else
      dodaj_punkt_toru(u, przesuniecie + x, przesuniecie + y, 3 + nr(20));
  }
  for (int i = 1; i < ile; ++i)
    if (u.p[i]->li.size() < 2) polacz_tor(u, u.p[nr(i)], u.p[i]);
  u.przelicz_wszystko_dwa_razy();
  for (int i = nr(40); i > 0 && ile > 1; --i) {
    zdarzenie z;
    z.pozycja = nr(10) == 0 ? 1.5 : std::uniform_real_distribution<double>(0, 1)(los);
    (nr(2) && u.lmax() ? u.l[nr(u.lmax())]->zdarzenia : u.p[nr(ile)]->zdarzenia).dodaj(z);
  }
}

// A random edit of the document as the editor makes it: by scope, or whole.
std::optional<krok_historii> edytuj(dokument& d, std::mt19937& los) {
  tor_uklad& u = d.tor;
  const auto nr = [&](std::size_t ile) { return int(los() % ile); };
  const auto r = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(los); };
  if (u.p.empty()) return std::nullopt;
  u.odznacz_wszystko();
  for (int i = nr(3); i >= 0; --i) u.p[nr(u.p.size())]->ZAZNACZ(true);
  switch (nr(4)) {
    case 0: {  // a drag, with its scope
      const zakres_zmiany z = zakres_przesuniecia(u);
      u.punkt_kursor = nr(u.p.size());
      u.przesun_zaznaczone(r(-20, 20), r(-20, 20), 3);
      const int punkty = u.pmax();
      u.scal(z.punkty);
      return u.pmax() == punkty ? d.zmiana(z) : d.zmiana();
    }
    case 1: {  // an event on a line, with its owner as the scope
      if (u.l.empty()) return std::nullopt;
      const int i = nr(u.l.size());
      u.l[i]->zdarzenia.dodaj(zdarzenie{});
      zakres_zmiany z;
      z.linie.push_back(std::size_t(i));
      return d.zmiana(z);
    }
    case 2: {
      const zakres_zmiany z = zakres_przesuniecia(u);
      u.obroc_zaznaczone(u.p[0]->GET_X(), u.p[0]->GET_Y(), r(-90, 90));
      return d.zmiana(z);
    }
    default:
      u.usun_zaznaczone();
      return d.zmiana();
  }
}

void porownaj_wskazania(dokument& d, std::mt19937& los, const std::string& gdzie) {
  tor_uklad& u = d.tor;
  const auto r = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(los); };
  const double promienie[] = {0, 0.5, 2.5, 7, 1e6, INFINITY, -1};
  for (int proba = 0; proba < 12; ++proba) {
    // Near a point, on it, or on a lattice node between points (ties).
    double x = r(-10, 10), y = r(-10, 10);
    if (!u.p.empty()) {
      const w_punkt* q = u.p[los() % u.p.size()];
      if (proba % 2) x = proba % 4 == 1 ? 0 : 1.25, y = 0;
      x += q->GET_X(), y += q->GET_Y();
    }
    const double pr = proba < 7 ? promienie[proba] : r(0, 15);
    const std::string tu = gdzie + " x " + std::to_string(x) + " y " + std::to_string(y) + " r " + std::to_string(pr);
    const std::optional<miejsce_na_torze> m = najblizsze_miejsce(u, x, y, pr), md = miejsce_doslownie(u, x, y, pr);
    ASSERT_EQ(m.has_value(), md.has_value()) << tu;
    if (m) {
      EXPECT_TRUE(m->na_linii == md->na_linii && m->nr == md->nr && m->pozycja == md->pozycja) << tu;
    }
    EXPECT_EQ(najblizsze_zdarzenie(u, x, y, pr), zdarzenie_doslownie(u, x, y, pr)) << tu;
    for (const bool klik : {false, true}) {
      const std::vector<int> przed = wskazanie(u);
      wskaz_doslownie(u, x, y, pr, klik, proba % 3 == 0);
      const std::vector<int> oczekiwane = wskazanie(u);
      przywroc(u, przed);
      u.wskaz(x, y, pr, klik, proba % 3 == 0);
      ASSERT_EQ(wskazanie(u), oczekiwane) << tu << (klik ? " klik" : "");
    }
  }
}

TEST(WskazaniaZSiatki, JakPrzezWszystkiePoEdycjachICofnieciach) {
  rejestrator_komunikatow komunikaty;
  for (unsigned ziarno = 1; ziarno <= 40; ++ziarno) {
    std::mt19937 los(ziarno);
    dokument d;
    losowy_uklad(d.tor, los, ziarno % 4 == 0 ? 4.5e6 : 0);  // some far from the origin
    d.zgodny_z_plikiem("losowy.vxm");
    std::vector<krok_historii> kroki;
    for (int ruch = 0; ruch < 30; ++ruch) {
      const std::string gdzie = "ziarno " + std::to_string(ziarno) + " ruch " + std::to_string(ruch);
      porownaj_wskazania(d, los, gdzie);
      if (los() % 5 == 0 && !kroki.empty()) {
        ASSERT_TRUE(d.cofnij(kroki.back())) << gdzie;
        kroki.pop_back();
        continue;
      }
      if (std::optional<krok_historii> krok = edytuj(d, los)) kroki.push_back(std::move(*krok));
    }
  }
}

// A plan whose extent a double cannot measure (points near its ends) gets one cell, not a
// grid of a trillion.
TEST(WskazaniaZSiatki, PlanNaKrancachLiczb) {
  rejestrator_komunikatow komunikaty;
  std::mt19937 los(7);
  dokument d;
  losowy_uklad(d.tor, los, 0);
  for (const double x : {-1e300, 1e300}) d.tor.dodaj_do_p(new tor_punkt(0, x, x, 0, 50, d.tor.obiekt_domyslny));
  d.zgodny_z_plikiem("krance.vxm");
  porownaj_wskazania(d, los, "krańce");
}

}  // namespace
