#include "view/przeksztalcenie.h"

#include <algorithm>
#include <cmath>

#include "track/geometria.h"

void przeksztalcenie::przesun(double x, double y, double z) {
  c_[0] += x;
  c_[1] += y;
  c_[2] += z;
}

void przeksztalcenie::pomnoz(const double m[3][3]) {
  double a[3][3];
  for (int i = 0; i < 3; ++i) {
    b_[i] += a_[i][0] * c_[0] + a_[i][1] * c_[1] + a_[i][2] * c_[2];
    for (int j = 0; j < 3; ++j) a[i][j] = a_[i][0] * m[0][j] + a_[i][1] * m[1][j] + a_[i][2] * m[2][j];
  }
  for (int i = 0; i < 3; ++i) {
    c_[i] = 0;
    for (int j = 0; j < 3; ++j) a_[i][j] = a[i][j];
  }
}

void przeksztalcenie::obroc(double kat, double x, double y, double z) {
  const double d = std::sqrt(x * x + y * y + z * z);
  if (d == 0) return;
  x /= d;
  y /= d;
  z /= d;
  const double s = std::sin(kat * STOPNIE_NA_RADIANY);
  const double k = std::cos(kat * STOPNIE_NA_RADIANY);
  const double t = 1 - k;
  const double m[3][3] = {{x * x * t + k, x * y * t - z * s, x * z * t + y * s},
                          {y * x * t + z * s, y * y * t + k, y * z * t - x * s},
                          {z * x * t - y * s, z * y * t + x * s, z * z * t + k}};
  pomnoz(m);
}

void przeksztalcenie::skaluj(double x, double y, double z) {
  const double m[3][3] = {{x, 0, 0}, {0, y, 0}, {0, 0, z}};
  pomnoz(m);
}

bool przeksztalcenie::odwroc(double wx, double wy, double& x, double& y) const {
  const double wyznacznik = a_[0][0] * a_[1][1] - a_[0][1] * a_[1][0];
  if (wyznacznik == 0 || !std::isfinite(wyznacznik)) return false;
  const double dx = wx - b_[0] - a_[0][2] * c_[2];
  const double dy = wy - b_[1] - a_[1][2] * c_[2];
  x = (a_[1][1] * dx - a_[0][1] * dy) / wyznacznik - c_[0];
  y = (a_[0][0] * dy - a_[1][0] * dx) / wyznacznik - c_[1];
  return true;
}

void przeksztalcenie::macierz_gl(double m[16]) const {
  double x0, y0;
  zastosuj(0, 0, x0, y0);
  const double kolumny[16] = {a_[0][0], a_[1][0], 0, 0, a_[0][1], a_[1][1], 0, 0, 0, 0, 1, 0, x0, y0, 0, 1};
  std::copy(kolumny, kolumny + 16, m);
}
