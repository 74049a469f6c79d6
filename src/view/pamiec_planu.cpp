#include "view/pamiec_planu.h"

#include "dokument/dokument.h"
#include "view/malarz_gl.h"

void pamiec_planu::rysuj(const w_uklad& u, bool aktywny) {
  for (auto& [uklad, pamiec] : pamiec_)
    if (uklad == &u) return pamiec->rysuj(m_, aktywny, dok_.wersja());
  pamiec_.emplace_back(&u, std::make_unique<pamiec_ukladu>(u));
  pamiec_.back().second->rysuj(m_, aktywny, dok_.wersja());
}

void pamiec_planu::zwolnij_gl() {
  for (auto& [uklad, pamiec] : pamiec_) pamiec->zwolnij_gl();
  pamiec_.clear();
}
