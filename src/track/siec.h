#pragma once

#include <cstdint>

#include "model/w_uklad.h"

// Wire types of catenary spans.
inline constexpr const char* NAZWA_PRZEWODU[] = {
    "Przewód jezdny płaski", "Przewód jezdny łańcuchowy", "P. jezdny łańcuchowy podwójny - kolejowy",
    "Lina nośna płaska", "Lina nośna łańcuchowa"};

// The overhead-line network ("sieć trakcyjna"): points joined by straight wire spans.
class siec_punkt : public w_punkt {
 public:
  using w_punkt::w_punkt;
  double dlugosc() const override { return 0; }
  void przelicz() override {}
};

class siec_linia : public w_linia {
 public:
  siec_linia(w_punkt* p1, w_punkt* p2, std::int32_t typ) : w_linia(p1, p2), typ(typ) {}
  std::int32_t typ;  // wire type, stored as read
  double dlugosc() const override { return dl; }
};

class siec_uklad : public w_uklad {
 public:
  // A new point joined to nothing, the only one selected.
  void dodaj_punkt(double x, double y, double z) override;
  // Joins with wire type 0.
  w_linia* polacz(w_punkt* a, w_punkt* b) override { return polacz_przewodem(a, b, 0); }
  // Ends a drag without joining: the catenary is never edited in the plan.
  void scal() override;
  bool mozna_polaczyc(const w_punkt*, const w_punkt*) const override { return true; }

  w_punkt* utworz_punkt(double x, double y, double z) override { return new siec_punkt(x, y, z); }

  // The span joining a and b; an existing span is returned unchanged.
  w_linia* polacz_przewodem(w_punkt* a, w_punkt* b, std::int32_t typ);
};
