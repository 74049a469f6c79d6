#include "track/przeswity.h"

#include <cmath>

namespace {
constexpr int DUZE_PROMIENIE[10] = {95, 100, 140, 150, 190, 215, 300, 380, 500, 1200};
}

double promien_suwaka(int pozycja) {
  if (pozycja > 90 && pozycja <= SUWAK_MAX) return DUZE_PROMIENIE[pozycja - 91];
  return pozycja;
}

int pozycja_suwaka(double promien) {
  if (!std::isfinite(promien) || std::fabs(promien) > 1e9) return -1;
  const int metry = static_cast<int>(promien);  // toward zero
  int pozycja = metry;
  for (int i = 0; i < 10; ++i)
    if (DUZE_PROMIENIE[i] == metry) pozycja = 91 + i;
  return pozycja >= SUWAK_MIN && pozycja <= SUWAK_MAX ? pozycja : -1;
}
