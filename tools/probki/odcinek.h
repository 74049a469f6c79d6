#pragma once

#include "track/geometria.h"
#include "track/tor.h"

// Free track laid as the editor lays it with right clicks: each new point is joined to the
// point added before it; the default radius at the time of the click becomes the point's radius.
class odcinek {
 public:
  explicit odcinek(tor_uklad& tor) : tor_(tor) { tor_.ostatni_punkt = -1; }

  tor_punkt* punkt(wektor w, double promien, double z = 0);
  tor_punkt* ostatni() const { return ostatni_; }

 private:
  tor_uklad& tor_;
  tor_punkt* ostatni_ = nullptr;
};

// An event with the given fields; the others as a new event has them.
zdarzenie zdarzenie_toru(typ_zdarzenia typ, double pozycja, std::int32_t argument = 0,
                         std::uint8_t kierunek = KIERUNEK_PRAWO);
