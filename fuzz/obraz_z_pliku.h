#pragma once

#include <cstdint>
#include <optional>

#include "imagery/obraz.h"
#include "po_wczytaniu.h"

// A decoded image must hold the pixels its size promises: the texture upload reads exactly
// width x height RGB bytes.
inline void sprawdz_obraz(const std::optional<obraz>& o) {
  if (!o) return;
  if (o->szerokosc <= 0 || o->wysokosc <= 0 ||
      o->piksele.size() != static_cast<std::uint64_t>(o->szerokosc) * static_cast<std::uint64_t>(o->wysokosc) * 3)
    zlamana_obietnica("obraz nie ma tylu pikseli, ile mówi jego rozmiar");
}
