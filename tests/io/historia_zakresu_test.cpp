// An edit recorded by its scope alone gives the same step as the whole layout written and
// compared, a drag's release recomputed around what it moved gives the layout of the whole
// recompute, and undo and redo of such steps bring back the same layouts: two documents take
// the same random edits, one by their scopes, the other whole.
#include <gtest/gtest.h>

#include <bit>
#include <functional>
#include <random>

#include "dokument/dokument.h"
#include "dokument/zakres_przesuniecia.h"
#include "io/generator_projektow.h"
#include "io/trasa.h"
#include "support/rejestrator_komunikatow.h"
#include "support/rekord_projektu.h"
#include "support/uklad_testowy.h"

namespace {

void wczytaj(dokument& d, const std::vector<std::uint8_t>& bajty) {
  czytnik_rekordow s(bajty);
  d.tor.wczytaj(s);
  wczytaj_trase(s, d.trasa);
  d.zgodny_z_plikiem("losowy.vxm");
}

// What the recompute leaves in the points and lines besides their records, bit for bit.
std::vector<std::uint64_t> przeliczone(const tor_uklad& u) {
  std::vector<std::uint64_t> w;
  const auto dodaj = [&](std::initializer_list<double> v) {
    for (double x : v) w.push_back(std::bit_cast<std::uint64_t>(x));
  };
  for (int i = 0; i < u.pmax(); ++i) {
    const tor_punkt* t = u.punkt(i);
    dodaj({t->srodek_x, t->srodek_y, t->kat_poczatkowy, t->kat_koncowy, t->dlugosc_stycznej, double(t->skret)});
  }
  for (int i = 0; i < u.lmax(); ++i) {
    const tor_linia* l = u.linia(i);
    dodaj({l->dl, l->kx, l->ky, l->kz, double(l->blad)});
  }
  return w;
}

// "" when the steps are equal, else the first section where they part.
std::string rozne_kroki(const std::optional<krok_historii>& a, const std::optional<krok_historii>& b) {
  if (a.has_value() != b.has_value()) return a ? "krok tylko z zakresu" : "krok tylko z całości";
  if (!a) return "";
  for (int s = 0; s < LICZBA_SEKCJI; ++s) {
    const roznica_ciagow& x = a->roznice[s];
    const roznica_ciagow& y = b->roznice[s];
    bool rowne = x.dlugosc == y.dlugosc && x.rekordy == y.rekordy && x.wycinki.size() == y.wycinki.size();
    for (std::size_t i = 0; rowne && i < x.wycinki.size(); ++i)
      rowne = x.wycinki[i].od == y.wycinki[i].od && x.wycinki[i].ile == y.wycinki[i].ile;
    if (!rowne) return "sekcja " + std::to_string(s);
  }
  return "";
}

class dwa_dokumenty {
 public:
  explicit dwa_dokumenty(std::mt19937& los) : los_(los) {}

  dokument zakresem, caloscia;

  // One random edit, the same on both; its scope, or none for one recorded whole.
  std::optional<zakres_zmiany> edycja() {
    const unsigned ziarno = los_();
    std::optional<zakres_zmiany> z;
    for (dokument* d : {&zakresem, &caloscia}) {
      std::mt19937 los(ziarno);
      z = edytuj(*d, los, d == &zakresem);
    }
    // Items that did not change may be named too.
    if (z && !zakresem.tor.p.empty()) z->punkty.push_back(los_() % zakresem.tor.p.size());
    return z;
  }

 private:
  // `lokalnie`: the release of a drag recomputes only around what it moved.
  static std::optional<zakres_zmiany> edytuj(dokument& d, std::mt19937& los, bool lokalnie) {
    tor_uklad& u = d.tor;
    const auto nr = [&](std::size_t ile) { return static_cast<int>(los() % ile); };
    const auto rzeczywista = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(los); };
    const auto zaznacz = [&] {
      u.odznacz_wszystko();
      for (int i = nr(4); i >= 0; --i) u.p[nr(u.p.size())]->ZAZNACZ(true);
      if (!u.l.empty() && nr(3) == 0) u.l[nr(u.l.size())]->ZAZNACZ(true);
    };
    if (u.p.empty() || u.l.empty()) return std::nullopt;
    switch (nr(6)) {
      case 0: {  // an event put on a point or a line
        const bool na_linii = nr(2);
        const int i = nr(na_linii ? u.l.size() : u.p.size());
        zdarzenie z;
        z.typ = nr(7);
        z.pozycja = rzeczywista(0, 1);
        (na_linii ? u.l[i]->zdarzenia : u.p[i]->zdarzenia).dodaj(z);
        return wlasciciel(na_linii, i);
      }
      case 1: {  // an event moved or deleted
        const bool na_linii = nr(2);
        const int i = nr(na_linii ? u.l.size() : u.p.size());
        lista_zdarzen& lista = na_linii ? u.l[i]->zdarzenia : u.p[i]->zdarzenia;
        if (lista.pusta()) return wlasciciel(na_linii, i);
        const int k = nr(lista.ile());
        if (nr(2))
          lista.usun(k);
        else
          lista.nr(k)->pozycja = rzeczywista(0, 1);
        return wlasciciel(na_linii, i);
      }
      case 2: {  // a drag of the selection, merged at the release when it found a target
        zaznacz();
        u.punkt_kursor = nr(u.p.size());
        zakres_zmiany z = zakres_przesuniecia(u);
        u.przesun_zaznaczone(rzeczywista(-20, 20), rzeczywista(-20, 20), 30);
        if (lokalnie)
          u.scal(z.punkty);
        else
          u.scal();
        return z;
      }
      case 3: {  // a turn of the selection
        zaznacz();
        zakres_zmiany z = zakres_przesuniecia(u);
        u.obroc_zaznaczone(rzeczywista(-300, 300), rzeczywista(-300, 300), rzeczywista(-180, 180));
        return z;
      }
      case 4:  // a deletion: recorded whole
        zaznacz();
        u.usun_zaznaczone();
        return std::nullopt;
      default: {  // a new point joined to the last clicked one: the counts change
        u.wskaz(rzeczywista(-300, 300), rzeczywista(-300, 300), 8, true, false);
        u.dodaj_punkt(rzeczywista(-300, 300), rzeczywista(-300, 300), 0);
        return zakres_zmiany{};
      }
    }
  }

  static zakres_zmiany wlasciciel(bool na_linii, int i) {
    zakres_zmiany z;
    (na_linii ? z.linie : z.punkty).push_back(static_cast<std::size_t>(i));
    return z;
  }

  std::mt19937& los_;
};

TEST(HistoriaZakresu, KrokZZakresuRownyKrokowiZCalosciACofanieTeSameUklady) {
  rejestrator_komunikatow komunikaty;
  int z_zakresu = 0, cofniete = 0;
  for (unsigned ziarno = 1; ziarno <= 20; ++ziarno) {
    std::mt19937 los(ziarno);
    opcje_generatora opcje;
    opcje.najwiecej_punktow = 40;
    const std::vector<std::uint8_t> plik = projekt_z_ukladem(losowy_uklad(los, opcje), 2, 2000, 7);
    dwa_dokumenty d(los);
    wczytaj(d.zakresem, plik);
    wczytaj(d.caloscia, plik);
    std::vector<std::pair<krok_historii, krok_historii>> kroki;
    std::size_t pozycja = 0;

    for (int ruch = 0; ruch < 120; ++ruch) {
      const std::string gdzie = "ziarno " + std::to_string(ziarno) + " ruch " + std::to_string(ruch);
      if (los() % 4 != 0) {
        const std::optional<zakres_zmiany> zakres = d.edycja();
        std::optional<krok_historii> a = zakres ? d.zakresem.zmiana(*zakres) : d.zakresem.zmiana();
        std::optional<krok_historii> b = d.caloscia.zmiana();
        z_zakresu += zakres.has_value() && a.has_value();
        ASSERT_EQ(rozne_kroki(a, b), "") << gdzie;
        // What the scope recorded is the whole layout as it is now.
        ASSERT_FALSE(d.zakresem.zmiana().has_value()) << gdzie;
        if (!a) continue;
        kroki.resize(pozycja);
        kroki.emplace_back(std::move(*a), std::move(*b));
        ++pozycja;
      } else {
        const bool wstecz = los() % 2;
        if (wstecz ? pozycja == 0 : pozycja == kroki.size()) continue;
        const auto& [a, b] = kroki[wstecz ? --pozycja : pozycja++];
        ASSERT_TRUE(wstecz ? d.zakresem.cofnij(a) : d.zakresem.ponow(a)) << gdzie;
        ASSERT_TRUE(wstecz ? d.caloscia.cofnij(b) : d.caloscia.ponow(b)) << gdzie;
        cofniete += wstecz;
      }
      ASSERT_EQ(rekord_projektu(d.zakresem), rekord_projektu(d.caloscia)) << gdzie;
      ASSERT_EQ(przeliczone(d.zakresem.tor), przeliczone(d.caloscia.tor)) << gdzie;
    }
  }
  // Most edits went by their scope, and the walk went back often.
  EXPECT_GT(z_zakresu, 800);
  EXPECT_GT(cofniete, 150);
}

// Items renumbered with their numbers kept: a point's element is found where it is now, and a
// line whose points moved in the array cannot be written by its scope (the whole state is).
TEST(HistoriaZakresu, ZakresPoPrzenumerowaniu) {
  tor_uklad u;
  w_element* e0 = u.nowy_element(0, 0, 0);
  w_element* e1 = u.nowy_element(50, 0, 0);
  tor_punkt* a = dodaj_punkt_elementu(u, e0, 0, 0);
  tor_punkt* b = dodaj_punkt_elementu(u, e1, 0, 0);
  polacz_tor(u, a, dodaj_punkt_toru(u, 20, 0));
  polacz_tor(u, b, dodaj_punkt_toru(u, 30, 0));
  const trasa_info trasa;
  rekordy_stanu stan;
  zapisz_stan(u, trasa, stan);
  roznice_stanow roznice;

  std::swap(u.e[0], u.e[1]);
  ASSERT_TRUE(zamien_zakres(u, trasa, {.punkty = {0, 1}, .linie = {}, .elementy = {0, 1}}, stan, roznice));
  rekordy_stanu calosc;
  zapisz_stan(u, trasa, calosc);
  EXPECT_TRUE(stan == calosc);
  EXPECT_EQ(roznice[SEKCJA_PUNKTY].wycinki.size(), 1u);

  std::swap(u.p[2], u.p[3]);
  const rekordy_stanu przed = stan;
  EXPECT_FALSE(zamien_zakres(u, trasa, {.punkty = {}, .linie = {0}, .elementy = {}}, stan, roznice));
  EXPECT_TRUE(stan == przed);
}

}  // namespace
