#pragma once

#include <vector>

#include "track/malarz.h"
#include "view/przeksztalcenie.h"

// A painter that keeps the matrix stack itself, in double, and hands the screen position of every
// vertex to what it draws with; the GL matrices stay the identity.
class malarz_ekranowy : public malarz {
 public:
  void zachowaj_macierz() override { stos_.push_back(stos_.back()); }
  // An empty stack keeps its last matrix, as GL does.
  void przywroc_macierz() override {
    if (stos_.size() > 1) stos_.pop_back();
  }
  void macierz_jednostkowa() override { stos_.back() = przeksztalcenie{}; }
  void przesun(double x, double y, double z) override { stos_.back().przesun(x, y, z); }
  void obroc(double kat, double x, double y, double z) override { stos_.back().obroc(kat, x, y, z); }
  void skaluj(double x, double y, double z) override { stos_.back().skaluj(x, y, z); }

  // The map of the current matrix, from what is drawn to the screen.
  const przeksztalcenie& macierz() const { return stos_.back(); }

 protected:
  // A new stack holding `m` alone.
  void zacznij_od(const przeksztalcenie& m) { stos_.assign(1, m); }
  void na_ekran(double x, double y, double& ex, double& ey) const { stos_.back().zastosuj(x, y, ex, ey); }

 private:
  std::vector<przeksztalcenie> stos_ = std::vector<przeksztalcenie>(1);
};
