#pragma once

// The map from a drawing's coordinates to normalised device coordinates, in double:
// x' = A (x + c) + b. A translation on the right goes into c, so a world vertex meets the
// camera's pan before anything is rounded: at 10^6 m the picture is as exact as near 0.
class przeksztalcenie {
 public:
  void przesun(double x, double y, double z);
  // Degrees about the axis (x, y, z), as glRotate turns.
  void obroc(double kat, double x, double y, double z);
  void skaluj(double x, double y, double z);

  bool operator==(const przeksztalcenie&) const = default;

  // The plane's point that lands at (wx, wy); false when the map flattens the plane.
  bool odwroc(double wx, double wy, double& x, double& y) const;
  // The map of the plane z = 0 as a GL matrix (column-major) that leaves z alone: a vertex's
  // z there is its depth, not a height.
  void macierz_gl(double m[16]) const;

  // A vertex of the plane z = 0: the picture does not depend on z.
  void zastosuj(double x, double y, double& wx, double& wy) const {
    const double px = x + c_[0];
    const double py = y + c_[1];
    const double pz = c_[2];
    wx = a_[0][0] * px + a_[0][1] * py + a_[0][2] * pz + b_[0];
    wy = a_[1][0] * px + a_[1][1] * py + a_[1][2] * pz + b_[1];
  }

 private:
  // A linear map on the right: c moves into b first.
  void pomnoz(const double m[3][3]);

  double a_[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  double c_[3] = {0, 0, 0};
  double b_[3] = {0, 0, 0};
};
