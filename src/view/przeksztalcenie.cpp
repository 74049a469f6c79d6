#include "view/przeksztalcenie.h"

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
