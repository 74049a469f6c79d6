#include "track/dopasowanie_osi.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

double iloczyn_wektorowy(wektor a, wektor b) { return a.x * b.y - a.y * b.x; }

double odleglosc_od_odcinka(wektor q, wektor a, wektor b) {
  const wektor ab = b - a;
  const double d2 = iloczyn_skalarny(ab, ab);
  double t = d2 > 0 ? iloczyn_skalarny(q - a, ab) / d2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return dlugosc(q - (a + ab * t));
}

// The tangent at p (one of a, b, c) of the circle through a, b and c, oriented along `wzor`.
wektor styczna_w(wektor p, wektor a, wektor b, wektor c, wektor wzor) {
  const wektor u = a - b, v = c - b;
  const double d = 2 * iloczyn_wektorowy(u, v);
  if (std::fabs(d) <= 1e-9 * dlugosc(u) * dlugosc(v)) return normalizuj(wzor);
  const double u2 = iloczyn_skalarny(u, u), v2 = iloczyn_skalarny(v, v);
  const wektor srodek = b + wektor{(v.y * u2 - u.y * v2) / d, (u.x * v2 - v.x * u2) / d};
  wektor t = normalizuj(obroc_w_lewo(p - srodek));
  if (iloczyn_skalarny(t, wzor) < 0) t = -t;
  return t;
}

// One track point V between the leg through anchor A along d and the leg through anchor B
// along t, with its radius, and the largest distance of the nodes between the anchors from
// that piece of centre line.
struct proba {
  bool mozliwa = false;
  wektor v;
  double promien = 0;
  double odchylenie = std::numeric_limits<double>::infinity();
};

class dopasowanie {
 public:
  dopasowanie(const std::vector<wektor>& q, wektor pocz, wektor kon, const opcje_dopasowania& o)
      : q_(q), n_(static_cast<int>(q.size()) - 1), pocz_(pocz), kon_(kon), o_(o) {}

  std::vector<wierzcholek_osi> wykonaj() {
    std::vector<wierzcholek_osi> wynik;
    wektor a = q_[0];
    wektor d = styczna(0);
    int s = 1;
    while (s <= n_) {
      // The straight goes on while the nodes keep to the leg.
      int k = s - 1;
      while (k < n_ && na_prostej(q_[k + 1], a, d)) ++k;
      if (k == n_) break;
      int e = -1;
      proba p;
      szukaj(a, d, s, k + 1, e, p);
      if (e < 0) {
        // No arc keeps to the nodes: the leg breaks at its last node, or at the first node off
        // it when the leg has none of its own.
        const int m = k >= s ? k : k + 1;
        if (m == n_) break;
        wynik.push_back({q_[m], o_.promien_min});
        a = q_[m];
        d = styczna(m);
        s = m + 1;
        continue;
      }
      wynik.push_back({p.v, p.promien});
      if (e == n_) break;
      a = q_[e];
      d = styczna(e);
      s = e + 1;
    }
    return wynik;
  }

 private:
  wektor styczna(int k) const {
    const bool zadana_p = k == 0 && (pocz_.x != 0 || pocz_.y != 0);
    const bool zadana_k = k == n_ && (kon_.x != 0 || kon_.y != 0);
    if (zadana_p) return normalizuj(pocz_);
    if (zadana_k) return normalizuj(kon_);
    if (n_ < 2) return normalizuj(q_[n_] - q_[0]);
    // On a straight the chord of a long run beats three nodes' circle, whose direction a
    // centimetre of rounding in the file turns enough to miss the far end.
    if (auto c = cieciwa(k, k < n_ ? 1 : -1)) return *c;
    if (k == 0) return styczna_w(q_[0], q_[0], q_[1], q_[2], q_[1] - q_[0]);
    if (k == n_) return styczna_w(q_[n_], q_[n_ - 2], q_[n_ - 1], q_[n_], q_[n_] - q_[n_ - 1]);
    return styczna_w(q_[k], q_[k - 1], q_[k], q_[k + 1], q_[k + 1] - q_[k - 1]);
  }

  // The direction of the longest run of nodes from k (forward or back) that keeps to its chord,
  // when that run is a straight of some length.
  std::optional<wektor> cieciwa(int k, int zwrot) const {
    constexpr double DLUGOSC_PROSTEJ = 30;
    int naj = -1;
    for (int krok = 2;; krok *= 2) {
      const int m = k + zwrot * krok;
      if (m < 0 || m > n_) break;
      bool prosta = true;
      for (int i = k + zwrot; i != m && prosta; i += zwrot) {
        const wektor d = normalizuj(q_[m] - q_[k]);
        prosta = std::fabs(iloczyn_wektorowy(d, q_[i] - q_[k])) <= o_.tolerancja / 4;
      }
      if (!prosta) break;
      naj = m;
    }
    if (naj < 0 || dlugosc(q_[naj] - q_[k]) < DLUGOSC_PROSTEJ) return std::nullopt;
    const wektor d = normalizuj(q_[naj] - q_[k]);
    return zwrot > 0 ? d : -d;
  }

  bool na_prostej(wektor p, wektor a, wektor d) const {
    const wektor r = p - a;
    return std::fabs(iloczyn_wektorowy(d, r)) <= o_.tolerancja && iloczyn_skalarny(d, r) > -o_.tolerancja;
  }

  // The farthest anchor e >= od for which one point fits the nodes s..e-1: a few nearest
  // anchors first (a short reach can fail where a longer one fits), then doubling steps and
  // halving between the last fit and the first miss.
  void szukaj(wektor a, wektor d, int s, int od, int& e, proba& p) const {
    int dobry = -1;
    proba najlepsza;
    for (int c = od; c <= std::min(n_, od + 3); ++c) {
      proba t = sprobuj(a, d, s, c);
      if (t.odchylenie <= o_.tolerancja) {
        dobry = c;
        najlepsza = t;
        break;
      }
    }
    if (dobry < 0) return;
    int krok = 1, chybiony = -1;
    for (int c = dobry + 1; c <= n_; c = dobry + krok) {
      proba t = sprobuj(a, d, s, c);
      if (t.odchylenie > o_.tolerancja) {
        chybiony = c;
        break;
      }
      dobry = c;
      najlepsza = t;
      krok *= 2;
    }
    if (chybiony < 0 && dobry < n_) chybiony = n_ + 1;
    while (chybiony - dobry > 1) {
      const int c = (dobry + chybiony) / 2;
      proba t = sprobuj(a, d, s, c);
      if (t.odchylenie <= o_.tolerancja) {
        dobry = c;
        najlepsza = t;
      } else {
        chybiony = c;
      }
    }
    e = dobry;
    p = najlepsza;
  }

  proba sprobuj(wektor a, wektor d, int s, int e) const {
    proba wynik;
    const wektor b = q_[e];
    const wektor t = styczna(e);
    const double sin_kata = iloczyn_wektorowy(d, t);
    const double kat = std::atan2(sin_kata, iloczyn_skalarny(d, t));
    if (std::fabs(kat) < 1e-7 || std::fabs(kat) > 175 * STOPNIE_NA_RADIANY) return wynik;
    // a + d * la = b - t * lb
    const wektor r = b - a;
    const double la = iloczyn_wektorowy(r, t) / sin_kata;
    const double lb = iloczyn_wektorowy(d, r) / sin_kata;
    if (la <= 0 || lb <= 0) return wynik;
    const wektor v = a + d * la;
    const double h = std::tan(std::fabs(kat) / 2);
    // The arc starts after A and ends before B: the anchors stay on straight parts, so the
    // arcs of neighbouring points never overlap on the leg between them.
    const double gorny = std::min(o_.promien_max, std::min(la, lb) * (1 - 1e-9) / h);
    if (gorny < o_.promien_min) return wynik;
    wynik.mozliwa = true;
    wynik.v = v;
    const double strona = kat > 0 ? 1 : -1;
    auto odchylenie = [&](double promien) {
      const double ts = promien * h;
      const wektor p1 = v - d * ts, p2 = v + t * ts;
      const wektor c = p1 + obroc_w_lewo(d) * (strona * promien);
      const wektor c1 = p1 - c, c2 = p2 - c;
      double naj = 0;
      for (int k = s; k < e; ++k) {
        const wektor x = q_[k];
        double odl = std::min(odleglosc_od_odcinka(x, a, p1), odleglosc_od_odcinka(x, p2, b));
        const wektor cx = x - c;
        if (iloczyn_wektorowy(c1, cx) * strona >= 0 && iloczyn_wektorowy(cx, c2) * strona >= 0)
          odl = std::min(odl, std::fabs(dlugosc(cx) - promien));
        naj = std::max(naj, odl);
      }
      return naj;
    };
    // Golden section over the logarithm of the radius.
    double lo = std::log(o_.promien_min), hi = std::log(gorny);
    const double z = 0.6180339887498949;
    double x1 = hi - z * (hi - lo), x2 = lo + z * (hi - lo);
    double f1 = odchylenie(std::exp(x1)), f2 = odchylenie(std::exp(x2));
    for (int i = 0; i < 40 && hi - lo > 1e-4; ++i) {
      if (f1 <= f2) {
        hi = x2;
        x2 = x1;
        f2 = f1;
        x1 = hi - z * (hi - lo);
        f1 = odchylenie(std::exp(x1));
      } else {
        lo = x1;
        x1 = x2;
        f1 = f2;
        x2 = lo + z * (hi - lo);
        f2 = odchylenie(std::exp(x2));
      }
    }
    wynik.promien = f1 <= f2 ? std::exp(x1) : std::exp(x2);
    wynik.odchylenie = std::min(f1, f2);
    // The bounds themselves: a radius at its limit is common (a sharp corner, a long gentle bend).
    for (double r : {o_.promien_min, gorny}) {
      const double f = odchylenie(r);
      if (f < wynik.odchylenie) {
        wynik.odchylenie = f;
        wynik.promien = r;
      }
    }
    return wynik;
  }

  const std::vector<wektor>& q_;
  const int n_;
  const wektor pocz_, kon_;
  const opcje_dopasowania& o_;
};

}  // namespace

wektor styczna_okregu(wektor a, wektor b, wektor c) { return styczna_w(b, a, b, c, c - a); }

std::vector<wierzcholek_osi> dopasuj_os(const std::vector<wektor>& q, wektor kierunek_poczatku, wektor kierunek_konca,
                                        const opcje_dopasowania& opcje) {
  if (q.size() < 2) return {};
  return dopasowanie(q, kierunek_poczatku, kierunek_konca, opcje).wykonaj();
}
