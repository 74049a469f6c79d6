#include "plotno.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int PROBKI = 4;  // samples per pixel side
}

plotno::plotno(int szerokosc, int wysokosc, kolor_rgb tlo)
    : szer(szerokosc), wys(wysokosc), piksele(static_cast<std::size_t>(szerokosc) * wysokosc * 3) {
  for (std::size_t i = 0; i < piksele.size(); i += 3) {
    piksele[i] = tlo.r;
    piksele[i + 1] = tlo.g;
    piksele[i + 2] = tlo.b;
  }
}

void plotno::wypelnij(double x1, double y1, double x2, double y2,
                      const std::function<bool(double, double)>& wewnatrz, kolor_rgb k) {
  const int od_x = std::max(0, static_cast<int>(std::floor(px + x1)));
  const int od_y = std::max(0, static_cast<int>(std::floor(py + y1)));
  const int do_x = std::min(szer, static_cast<int>(std::ceil(px + x2)) + 1);
  const int do_y = std::min(wys, static_cast<int>(std::ceil(py + y2)) + 1);
  for (int y = od_y; y < do_y; ++y) {
    for (int x = od_x; x < do_x; ++x) {
      int trafione = 0;
      for (int sy = 0; sy < PROBKI; ++sy)
        for (int sx = 0; sx < PROBKI; ++sx)
          trafione += wewnatrz(x + (sx + 0.5) / PROBKI - px, y + (sy + 0.5) / PROBKI - py);
      if (trafione == 0) continue;
      const double a = static_cast<double>(trafione) / (PROBKI * PROBKI);
      double* p = &piksele[(static_cast<std::size_t>(y) * szer + x) * 3];
      p[0] += (k.r - p[0]) * a;
      p[1] += (k.g - p[1]) * a;
      p[2] += (k.b - p[2]) * a;
    }
  }
}

void plotno::kolo(double cx, double cy, double r, kolor_rgb k) {
  pierscien(cx, cy, 0, r, k);
}

void plotno::pierscien(double cx, double cy, double r_wew, double r_zew, kolor_rgb k) {
  wypelnij(cx - r_zew, cy - r_zew, cx + r_zew, cy + r_zew,
           [=](double x, double y) {
             const double d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
             return d2 <= r_zew * r_zew && d2 >= r_wew * r_wew;
           },
           k);
}

void plotno::luk_w_gore(double cx, double cy, double r_wew, double r_zew, double cos_polkata, kolor_rgb k) {
  wypelnij(cx - r_zew, cy - r_zew, cx + r_zew, cy,
           [=](double x, double y) {
             const double d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
             return d2 <= r_zew * r_zew && d2 >= r_wew * r_wew && cy - y >= cos_polkata * std::sqrt(d2);
           },
           k);
}

void plotno::odcinek(double x1, double y1, double x2, double y2, double grubosc, kolor_rgb k) {
  const double r = grubosc / 2;
  const double dx = x2 - x1, dy = y2 - y1;
  const double dl2 = dx * dx + dy * dy;
  wypelnij(std::min(x1, x2) - r, std::min(y1, y2) - r, std::max(x1, x2) + r, std::max(y1, y2) + r,
           [=](double x, double y) {
             double t = dl2 > 0 ? ((x - x1) * dx + (y - y1) * dy) / dl2 : 0;
             t = std::clamp(t, 0.0, 1.0);
             const double ex = x - (x1 + t * dx), ey = y - (y1 + t * dy);
             return ex * ex + ey * ey <= r * r;
           },
           k);
}

void plotno::prostokat(double x1, double y1, double x2, double y2, double promien, kolor_rgb k) {
  wypelnij(x1, y1, x2, y2,
           [=](double x, double y) {
             if (x < x1 || x > x2 || y < y1 || y > y2) return false;
             const double ex = std::max({x1 + promien - x, x - (x2 - promien), 0.0});
             const double ey = std::max({y1 + promien - y, y - (y2 - promien), 0.0});
             return ex * ex + ey * ey <= promien * promien;
           },
           k);
}

obraz plotno::jako_obraz() const {
  obraz o;
  o.szerokosc = szer;
  o.wysokosc = wys;
  o.glebia = 24;
  o.piksele.resize(piksele.size());
  for (int y = 0; y < wys; ++y) {
    const double* z = &piksele[static_cast<std::size_t>(wys - 1 - y) * szer * 3];
    std::uint8_t* cel = &o.piksele[static_cast<std::size_t>(y) * szer * 3];
    for (int i = 0; i < szer * 3; ++i) cel[i] = static_cast<std::uint8_t>(std::lround(std::clamp(z[i], 0.0, 255.0)));
  }
  return o;
}
