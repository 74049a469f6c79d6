#include "sklad_biblioteki.h"

#include <array>

#include "track/przeswity.h"
#include "track/tor.h"

namespace {

struct luk {
  int promien;  // metres
  int skos;     // 1:n
};
using luki = std::array<luk, 2>;
constexpr luki LUKI_TRAMWAJOWE = {{{50, 6}, {100, 8}}};
constexpr luki LUKI_KOLEJOWE = {{{190, 9}, {300, 9}}};

// Both radii, each left then right.
void dodaj(std::vector<parametry_rozjazdu>& sklad, int transport, int rodzaj, int przeswit, const luki& l) {
  for (const luk& k : l)
    for (reka r : {reka::lewa, reka::prawa}) sklad.push_back({transport, rodzaj, przeswit, k.promien, k.skos, r});
}

}  // namespace

std::vector<parametry_rozjazdu> sklad_biblioteki() {
  std::vector<parametry_rozjazdu> sklad;
  dodaj(sklad, TRANSPORT_TRAMWAJ, SZABLON_ROZJAZD, 0, LUKI_TRAMWAJOWE);
  for (int rodzaj : {SZABLON_ROZJAZD, SZABLON_ZWROTNICA, SZABLON_ROZJAZD_PODWOJNY})
    dodaj(sklad, TRANSPORT_KOLEJ, rodzaj, 0, LUKI_KOLEJOWE);
  dodaj(sklad, TRANSPORT_TRAMWAJ, SZABLON_ZWROTNICA, 0, LUKI_TRAMWAJOWE);
  for (int przeswit = 1; przeswit < LICZBA_PRZESWITOW; ++przeswit)
    for (int rodzaj : {SZABLON_ZWROTNICA, SZABLON_ROZJAZD})
      dodaj(sklad, TRANSPORT_TRAMWAJ, rodzaj, przeswit, LUKI_TRAMWAJOWE);
  return sklad;
}
