#include "view/pamiec_planu.h"

#include "dokument/dokument.h"
#include "view/malarz_gl.h"

void pamiec_planu::rysuj(const w_uklad& u, bool aktywny) {
  pamiec_ukladu* pamiec = nullptr;
  for (auto& [uklad, p] : pamiec_)
    if (uklad == &u) pamiec = p.get();
  if (!pamiec) pamiec = pamiec_.emplace_back(&u, std::make_unique<pamiec_ukladu>(u)).second.get();
  // The edits' scopes name track items; any other layout is looked at whole.
  const std::optional<std::uint64_t> wersja = pamiec->wersja();
  const std::optional<zakres_zmiany> zakres =
      &u == &dok_.tor && wersja ? dok_.zmienione_od(*wersja) : std::nullopt;
  pamiec->rysuj(m_, aktywny, dok_.wersja(), zakres ? &*zakres : nullptr);
}

void pamiec_planu::zwolnij_gl() {
  for (auto& [uklad, pamiec] : pamiec_) pamiec->zwolnij_gl();
  pamiec_.clear();
}
