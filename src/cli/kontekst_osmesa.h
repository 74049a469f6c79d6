#pragma once

#include <cstdint>
#include <vector>

// Mesa's GL in memory, with no display: an RGBA colour buffer of szerokosc x wysokosc and a 16-bit
// depth buffer, current while the object lives. Throws std::runtime_error when Mesa refuses it.
class kontekst_osmesa {
 public:
  kontekst_osmesa(int szerokosc, int wysokosc);
  ~kontekst_osmesa();
  kontekst_osmesa(const kontekst_osmesa&) = delete;
  kontekst_osmesa& operator=(const kontekst_osmesa&) = delete;

  // What has been drawn, as RGB rows from the bottom up.
  std::vector<std::uint8_t> piksele_rgb() const;

 private:
  struct osmesa_context* kontekst_;
  int szerokosc_, wysokosc_;
  std::vector<std::uint8_t> bufor_;
};
