#include "model/siatka.h"

#include <algorithm>
#include <cmath>

namespace {

// An item over more cells than this is filed apart: a few very long lines would otherwise
// fill the cells with copies of themselves.
constexpr long NAJWIECEJ_KOMOREK = 64;

// Rounding of the picks' distances and of the cells' bounds stays far within this share of
// the coordinates.
constexpr double ZAPAS = 1e-9;

// The box with room for the rounding of whatever was computed inside it.
ramka_wskazania z_zapasem(ramka_wskazania o) {
  o.poszerz(ZAPAS * (1 + std::max({std::fabs(o.x1), std::fabs(o.y1), std::fabs(o.x2), std::fabs(o.y2)})));
  return o;
}

}  // namespace

void ramka_wskazania::dodaj(double x, double y) {
  if (!std::isnan(x)) {
    x1 = std::min(x1, x);
    x2 = std::max(x2, x);
  }
  if (!std::isnan(y)) {
    y1 = std::min(y1, y);
    y2 = std::max(y2, y);
  }
}

void ramka_wskazania::poszerz(double o) {
  x1 -= o;
  y1 -= o;
  x2 += o;
  y2 += o;
}

int siatka::kolumna(double x) const {
  const double t = (x - x0_) / bok_;
  if (!(t > 0)) return 0;  // a coordinate that is not a number too
  return t >= kolumny_ - 1 ? kolumny_ - 1 : static_cast<int>(t);
}

int siatka::wiersz(double y) const {
  const double t = (y - y0_) / bok_;
  if (!(t > 0)) return 0;
  return t >= wiersze_ - 1 ? wiersze_ - 1 : static_cast<int>(t);
}

void siatka::zbuduj(const std::vector<ramka_wskazania>& boxes) {
  const std::size_t n = boxes.size();
  osobno_.clear();
  przefilowane_ = 0;
  odlozony_.assign(n, 0);
  double x1 = HUGE_VAL, y1 = HUGE_VAL, x2 = -HUGE_VAL, y2 = -HUGE_VAL;
  for (const ramka_wskazania& o : boxes) {
    if (!std::isfinite(o.x1) || !std::isfinite(o.y1) || !std::isfinite(o.x2) || !std::isfinite(o.y2)) continue;
    x1 = std::min(x1, o.x1);
    y1 = std::min(y1, o.y1);
    x2 = std::max(x2, o.x2);
    y2 = std::max(y2, o.y2);
  }
  // About four items to a cell, and never more cells than items, however narrow the plan.
  const double w = x2 > x1 ? x2 - x1 : 0, h = y2 > y1 ? y2 - y1 : 0;
  const double na_komorke = 4.0 / static_cast<double>(std::max<std::size_t>(n, 1));
  // The roots apart: w * h overflows on a plan near the ends of what a double holds.
  bok_ = std::max(std::sqrt(w) * std::sqrt(h * na_komorke), std::max(w, h) * na_komorke);
  x0_ = std::isfinite(x1) ? x1 : 0;
  y0_ = std::isfinite(y1) ? y1 : 0;
  if (bok_ > 0 && std::isfinite(bok_)) {
    kolumny_ = static_cast<int>(std::min(w / bok_, 1e6)) + 1;
    wiersze_ = static_cast<int>(std::min(h / bok_, 1e6)) + 1;
  } else {
    // Every item at one place, or a plan wider than a double measures: one cell for all.
    bok_ = 1;
    kolumny_ = wiersze_ = 1;
  }

  const std::size_t komorki = static_cast<std::size_t>(kolumny_) * static_cast<std::size_t>(wiersze_);
  poczatki_.assign(komorki + 1, 0);
  // Most items lie in one cell: the first walk keeps it, and the second files them there
  // without working their cells out again.
  constexpr std::uint32_t W_WIELU = UINT32_MAX;
  std::vector<std::uint32_t> jedyna(n, W_WIELU);
  const auto w_komorkach = [&](std::size_t i, auto&& do_komorki) {
    const ramka_wskazania o = z_zapasem(boxes[i]);
    const int k1 = kolumna(o.x1), k2 = kolumna(o.x2), w1 = wiersz(o.y1), w2 = wiersz(o.y2);
    if (static_cast<long>(k2 - k1 + 1) * (w2 - w1 + 1) > NAJWIECEJ_KOMOREK) {
      odlozony_[i] = 1;
      osobno_.emplace_back(static_cast<std::uint32_t>(i), o);
      return;
    }
    if (k1 == k2 && w1 == w2) jedyna[i] = static_cast<std::uint32_t>(static_cast<std::size_t>(w1) * kolumny_ + k1);
    for (int w = w1; w <= w2; ++w)
      for (int k = k1; k <= k2; ++k) do_komorki(static_cast<std::size_t>(w) * kolumny_ + k);
  };
  for (std::size_t i = 0; i < n; ++i) w_komorkach(i, [&](std::size_t c) { ++poczatki_[c + 1]; });
  for (std::size_t c = 0; c < komorki; ++c) poczatki_[c + 1] += poczatki_[c];
  numery_.resize(poczatki_[komorki]);
  std::vector<std::uint32_t> wolne(poczatki_.begin(), poczatki_.end() - 1);
  for (std::size_t i = 0; i < n; ++i) {
    // Items filed apart in the first walk have no cells.
    if (odlozony_[i]) continue;
    const auto nr = static_cast<std::uint32_t>(i);
    if (jedyna[i] != W_WIELU)
      numery_[wolne[jedyna[i]]++] = nr;
    else
      w_komorkach(i, [&](std::size_t c) { numery_[wolne[c]++] = nr; });
  }
}

void siatka::przefiluj(std::uint32_t nr, const ramka_wskazania& nowy) {
  if (nr >= odlozony_.size()) return;
  const ramka_wskazania o = z_zapasem(nowy);
  if (odlozony_[nr]) {
    for (auto& [numer, b] : osobno_)
      if (numer == nr) {
        b = o;
        return;
      }
  }
  odlozony_[nr] = 1;
  osobno_.emplace_back(nr, o);
  ++przefilowane_;
}

bool siatka::w_kwadracie(double x, double y, double r, std::vector<std::uint32_t>& wynik) const {
  wynik.clear();
  // Nothing lies within a negative distance or one that is not a number; anything may lie
  // within an endless one.
  if (!(r >= 0)) return true;
  if (!std::isfinite(r) || !std::isfinite(x) || !std::isfinite(y)) return false;
  const double rr = r + ZAPAS * (1 + r + std::fabs(x) + std::fabs(y));
  const int k1 = kolumna(x - rr), k2 = kolumna(x + rr), w1 = wiersz(y - rr), w2 = wiersz(y + rr);
  if (static_cast<double>(k2 - k1 + 1) * (w2 - w1 + 1) > static_cast<double>(odlozony_.size())) return false;
  for (int w = w1; w <= w2; ++w) {
    const std::size_t c = static_cast<std::size_t>(w) * kolumny_;
    for (std::uint32_t j = poczatki_[c + k1]; j < poczatki_[c + k2 + 1]; ++j)
      if (!odlozony_[numery_[j]]) wynik.push_back(numery_[j]);
  }
  for (const auto& [nr, o] : osobno_)
    if (o.x1 <= x + rr && o.x2 >= x - rr && o.y1 <= y + rr && o.y2 >= y - rr) wynik.push_back(nr);
  std::sort(wynik.begin(), wynik.end());
  wynik.erase(std::unique(wynik.begin(), wynik.end()), wynik.end());
  return true;
}

std::size_t siatka::pamiec() const {
  return poczatki_.capacity() * sizeof(std::uint32_t) + numery_.capacity() * sizeof(std::uint32_t) +
         odlozony_.capacity() + osobno_.capacity() * sizeof(osobno_[0]);
}
