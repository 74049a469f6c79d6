#include "view/siatka.h"

#include <algorithm>
#include <cstdint>

#include "track/malarz.h"
#include "view/widok.h"

namespace {

struct poziom {
  int odstep;
  double min_skala;
  int min_siatka;  // drawn when siatka > this
  float szerokosc;
  float alfa, alfa_biala;
};

constexpr poziom POZIOMY[] = {
    {1, 0.006, 3, 1, 0.05f, 0.3f},
    {10, 0.0006, 2, 1, 0.1f, 0.4f},
    {100, 0.00006, 1, 1, 0.2f, 0.6f},
    {1000, 0.000006, 0, 2, 0.4f, 0.8f},
};

// The first line of a level: a whole multiple of ten spacings, never left of 0.
std::int64_t poczatek(std::int64_t od, std::int64_t jednostka) {
  if (od > 0) od = od / jednostka * jednostka;
  return std::max<std::int64_t>(od, 0);
}

}  // namespace

void rysuj_siatke(malarz& m, const widok& w, int siatka, bool biale) {
  if (siatka == 0) return;
  // In 64 bits: the saturated edges may sit at the ends of int, and the loops step past them.
  const std::int64_t lewa = na_int(-w.proporcja / w.skala - w.przes_x);
  const std::int64_t prawa = std::int64_t{na_int(w.proporcja / w.skala - w.przes_x)} + 1;
  const std::int64_t dol = na_int(-1 / w.skala - w.przes_y);
  const std::int64_t gora = na_int(1 / w.skala - w.przes_y);
  for (const poziom& p : POZIOMY) {
    if (!(w.skala > p.min_skala && siatka > p.min_siatka)) continue;
    m.szerokosc_linii(p.szerokosc);
    if (biale)
      m.kolor(1, 1, 1, p.alfa_biala);
    else
      m.kolor(0, 0, 0, p.alfa);
    const std::int64_t x0 = poczatek(lewa, 10 * p.odstep);
    const std::int64_t y0 = poczatek(dol, 10 * p.odstep);
    for (std::int64_t y = y0; y <= gora; y += p.odstep)
      m.linia(static_cast<double>(x0), static_cast<double>(y), 0, static_cast<double>(prawa), static_cast<double>(y), 0);
    for (std::int64_t x = x0; x < prawa; x += p.odstep)
      m.linia(static_cast<double>(x), static_cast<double>(y0), 0, static_cast<double>(x), static_cast<double>(gora + 1), 0);
  }
}
