#pragma once

#include <cstdint>
#include <vector>

#include "dokument/dokument.h"
#include "io/trasa.h"

// The document's layout and route as one project record: what two documents that must be
// equal are compared by.
inline std::vector<std::uint8_t> rekord_projektu(const dokument& d) {
  pisarz_rekordow s;
  d.tor.zapisz(s);
  zapisz_trase(s, d.trasa);
  return s.dane();
}
