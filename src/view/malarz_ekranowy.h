#pragma once

#include <vector>

#include "track/malarz.h"
#include "view/przeksztalcenie.h"

// A painter that keeps the matrix stack itself, in double, and hands the screen position of every
// vertex to what it draws with; the GL matrices stay the identity. A painter that draws through
// the card may, after plan_na_karte, hand over offsets from the plan's origin instead and leave
// the map from there to the screen to the card (macierz_karty) until that matrix level is
// restored.
class malarz_ekranowy : public malarz {
 public:
  // One level of the stack.
  struct macierze {
    // From what is drawn to the screen.
    przeksztalcenie ekran;
    // From what is drawn to the vertex handed over: `ekran` itself, or after plan_na_karte the
    // offset from the plan's origin.
    przeksztalcenie wierzcholki;
    bool na_karcie = false;
    bool operator==(const macierze&) const = default;
  };

  void zachowaj_macierz() override { stos_.push_back(stos_.back()); }
  // An empty stack keeps its last matrix, as GL does.
  void przywroc_macierz() override {
    if (stos_.size() < 2) return;
    const bool byla = stos_.back().na_karcie;
    stos_.pop_back();
    if (byla != stos_.back().na_karcie) karta_zmieniona();
  }
  void macierz_jednostkowa() override {
    const bool byla = stos_.back().na_karcie;
    stos_.back() = {};
    if (byla) karta_zmieniona();
  }
  void przesun(double x, double y, double z) override {
    stos_.back().ekran.przesun(x, y, z);
    stos_.back().wierzcholki.przesun(x, y, z);
  }
  void obroc(double kat, double x, double y, double z) override {
    stos_.back().ekran.obroc(kat, x, y, z);
    stos_.back().wierzcholki.obroc(kat, x, y, z);
  }
  void skaluj(double x, double y, double z) override {
    stos_.back().ekran.skaluj(x, y, z);
    stos_.back().wierzcholki.skaluj(x, y, z);
  }
  // The map of the current matrix, from what is drawn to the screen.
  const przeksztalcenie& macierz() const { return stos_.back().ekran; }
  const macierze& poziom() const { return stos_.back(); }
  // What the card applies to the vertices: the identity, or the plan's map from its origin.
  przeksztalcenie macierz_karty() const { return stos_.back().na_karcie ? karta_ : przeksztalcenie{}; }

 protected:
  // For a painter that draws through the card: from here the vertices go as offsets from the plan
  // point (x, y), the card maps them on.
  void plan_na_karte(double x, double y) {
    macierze& m = stos_.back();
    karta_ = m.ekran;
    karta_.przesun(x, y, 0);
    m.wierzcholki = {};
    m.wierzcholki.przesun(-x, -y, 0);
    m.na_karcie = true;
    karta_zmieniona();
  }
  // A new stack holding `m` alone.
  void zacznij_od(const macierze& m) { stos_.assign(1, m); }
  void na_ekran(double x, double y, double& ex, double& ey) const { stos_.back().wierzcholki.zastosuj(x, y, ex, ey); }
  // The card's map changed: a painter that draws at once loads macierz_karty.
  virtual void karta_zmieniona() {}

 private:
  std::vector<macierze> stos_ = std::vector<macierze>(1);
  przeksztalcenie karta_;
};
