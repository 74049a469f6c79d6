// Deleting the selection and unreferenced elements gives exactly what the plain step-by-step
// algorithms give, on many small random layouts.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "support/uklad_testowy.h"

namespace {

// Points are told apart by their stored x, elements by their origin x: both are unique ids.
std::unique_ptr<tor_uklad> losowy_uklad(unsigned ziarno) {
  std::mt19937 los(ziarno);
  auto u = std::make_unique<tor_uklad>();
  auto szansa = [&](int procent) { return static_cast<int>(los() % 100) < procent; };
  const int elementow = los() % 5;
  for (int i = 0; i < elementow; ++i) u->nowy_element(1000 + i, 0, 0)->ustaw_zaznaczony(szansa(30));
  const int punktow = 1 + los() % 14;
  for (int i = 0; i < punktow; ++i) {
    tor_punkt* t = dodaj_punkt_toru(*u, i, static_cast<double>(los() % 50));
    if (elementow > 0 && szansa(40))
      t->ustaw_element(u->e[los() % elementow]);
    else
      t->ustaw_zaznaczony(szansa(30));
  }
  const int linii = los() % (2 * punktow + 1);
  u->wstawianie_bloku = 1;
  for (int i = 0; i < linii; ++i) {
    w_linia* l = u->polacz(u->p[los() % punktow], u->p[los() % punktow]);
    if (l) l->ustaw_zaznaczony(szansa(30));
  }
  u->wstawianie_bloku = 0;
  return u;
}

void usun_puste_elementy_doslownie(w_uklad& u) {
  for (std::size_t i = 0; i < u.e.size(); ++i) {
    bool uzywany = false;
    for (const w_punkt* t : u.p)
      if (t->element == u.e[i]) uzywany = true;
    if (uzywany) continue;
    delete u.e[i];
    u.e[i] = u.e.back();
    u.e.pop_back();
  }
}

void usun_zaznaczone_doslownie(w_uklad& u) {
  for (;;) {
    int nr = -1;
    for (int i = 0; i < u.pmax() && nr < 0; ++i)
      if (u.p[i]->CZY_ZAZNACZONY()) nr = i;
    if (nr < 0) break;
    u.usun_punkt_nr(nr);
  }
  for (;;) {
    int nr = -1;
    for (int i = 0; i < u.lmax() && nr < 0; ++i)
      if (u.l[i]->CZY_ZAZNACZONY()) nr = i;
    if (nr < 0) break;
    u.usun_linie_nr(nr);
  }
  usun_puste_elementy_doslownie(u);
  u.przelicz_wszystko();
}

// The whole structure as text: points in order with their element and line list, lines with
// their ends and derived length, elements in order.
std::string opis(const tor_uklad& u) {
  std::string s;
  auto id = [](const w_punkt* t) { return std::to_string(static_cast<int>(t->x)); };
  for (const w_punkt* t : u.p) {
    s += "p" + id(t) + " e" + (t->element ? std::to_string(static_cast<int>(t->element->x)) : "-") + " [";
    for (const w_linia* l : t->li) s += std::to_string(u.indeks_linii(l)) + " ";
    s += "]\n";
  }
  for (const w_linia* l : u.l) s += "l" + id(l->p1) + "-" + id(l->p2) + " " + std::to_string(l->dl) + "\n";
  for (const w_element* e : u.e) s += "e" + std::to_string(static_cast<int>(e->x)) + "\n";
  return s;
}

TEST(UsuwanieDoslowne, UsunZaznaczoneJakKrokPoKroku) {
  int zmienione = 0;
  for (unsigned ziarno = 1; ziarno <= 3000; ++ziarno) {
    auto szybko = losowy_uklad(ziarno);
    auto doslownie = losowy_uklad(ziarno);
    const std::string przed = opis(*szybko);
    ASSERT_EQ(przed, opis(*doslownie));
    szybko->usun_zaznaczone();
    usun_zaznaczone_doslownie(*doslownie);
    ASSERT_EQ(opis(*szybko), opis(*doslownie)) << "ziarno " << ziarno << "\n" << przed;
    zmienione += opis(*szybko) != przed;
  }
  EXPECT_GT(zmienione, 1000);  // the layouts do exercise the deletion
}

TEST(UsuwanieDoslowne, UsunPusteElementyJakKrokPoKroku) {
  int usuniete = 0;
  for (unsigned ziarno = 1; ziarno <= 3000; ++ziarno) {
    auto szybko = losowy_uklad(ziarno);
    auto doslownie = losowy_uklad(ziarno);
    // Free some elements by moving their points out.
    for (std::size_t i = 0; i < szybko->p.size(); i += 2) {
      szybko->p[i]->ustaw_element(nullptr);
      doslownie->p[i]->ustaw_element(nullptr);
    }
    for (auto* u : {szybko.get(), doslownie.get()})
      for (int i = 0; i < 2; ++i) u->nowy_element(2000 + i, 0, 0);
    const int przed = szybko->emax();
    szybko->usun_puste_elementy();
    usun_puste_elementy_doslownie(*doslownie);
    ASSERT_EQ(opis(*szybko), opis(*doslownie)) << "ziarno " << ziarno;
    usuniete += przed - szybko->emax();
  }
  EXPECT_GT(usuniete, 3000);
}

}  // namespace
