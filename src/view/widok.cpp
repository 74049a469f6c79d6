#include "view/widok.h"

#include <algorithm>
#include <cmath>
#include <limits>

prostokat_planu widoczny_prostokat(const widok& w) {
  return {-w.przes_x - w.proporcja / w.skala, -w.przes_y - 1 / w.skala, -w.przes_x + w.proporcja / w.skala,
          -w.przes_y + 1 / w.skala};
}

void mnoz_skale(widok& w, double czynnik) {
  w.skala = std::clamp(w.skala * czynnik, SKALA_NAJMNIEJSZA, SKALA_NAJWIEKSZA);
}

void przycisk_plus(widok& w) { w.skala = std::min(w.skala * 2, 1.0); }
void przycisk_minus(widok& w) { w.skala = std::max(w.skala * 0.5, 0.00001); }

void ustaw_kadr(widok& w, const kadr& k) {
  if (k.ma_srodek) {
    w.przes_x = k.x;
    w.przes_y = k.y;
  }
  if (k.ma_skale && std::isfinite(k.skala))
    w.skala = std::clamp(k.skala, SKALA_NAJMNIEJSZA, SKALA_NAJWIEKSZA);
}

void piksel_na_widok(const widok& w, double px, double py, double& x, double& y) {
  const double d = px - SZEROKOSC_WIDOKU / 2.0;
  const double e = WYSOKOSC_WIDOKU / 2.0 - py;
  x = d / 512.0 / (w.skala / w.proporcja);
  y = e / 300.0 / w.skala;
}

int na_int(double v) {
  if (std::isnan(v)) return 0;
  if (v >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (v <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}
