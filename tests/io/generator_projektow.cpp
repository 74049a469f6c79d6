#include "io/generator_projektow.h"

#include <algorithm>
#include <set>
#include <utility>

#include "io/strumien_rekordow.h"

namespace {

double rzeczywista(std::mt19937& los, double od, double do_) {
  return std::uniform_real_distribution<double>(od, do_)(los);
}
int calkowita(std::mt19937& los, int od, int do_) { return std::uniform_int_distribution<int>(od, do_)(los); }
double osemki(std::mt19937& los, int zakres) { return calkowita(los, -8 * zakres, 8 * zakres) / 8.0; }

void zdarzenia(pisarz_rekordow& s, std::mt19937& los) {
  const int n = calkowita(los, 0, 3);
  s.int32(n);
  for (int i = 0; i < n; ++i) {
    s.int32(calkowita(los, 0, 6));
    s.int32(calkowita(los, -5, 5));
    s.u8(static_cast<std::uint8_t>(calkowita(los, 0, 255)));
    s.f64(rzeczywista(los, 0, 1));
    s.int32(calkowita(los, -100, 100));
    s.f64(rzeczywista(los, -1e6, 1e6));
  }
}

}  // namespace

std::vector<std::uint8_t> losowy_uklad(std::mt19937& los, const opcje_generatora& opcje) {
  pisarz_rekordow s;
  const int n = calkowita(los, 0, opcje.najwiecej_punktow);
  const int k = n == 0 ? calkowita(los, 0, opcje.puste_elementy ? 1 : 0) : calkowita(los, 0, std::max(1, n / 3));
  std::vector<int> odwolania(n);
  for (int& r : odwolania) {
    r = calkowita(los, opcje.odwolania_ponizej_minus_jeden ? -3 : -1, k - 1);
    if (r < -1 && calkowita(los, 0, 1)) r = -1;
  }
  if (!opcje.puste_elementy) {
    std::vector<int> kolejne(n);
    for (int i = 0; i < n; ++i) kolejne[i] = i;
    std::shuffle(kolejne.begin(), kolejne.end(), los);
    for (int i = 0; i < k; ++i) odwolania[kolejne[i]] = i;
  }

  s.int32(opcje.format);
  s.int32(n);
  for (int i = 0; i < n; ++i) {
    s.f64(rzeczywista(los, -300, 300));
    s.f64(rzeczywista(los, -300, 300));
    s.f64(rzeczywista(los, -5, 5));
    zdarzenia(s, los);
    s.int32(calkowita(los, 0, 4));
    s.int32(calkowita(los, 0, 1));
    s.f64(rzeczywista(los, 18, 300));
    s.f64(opcje.dokladne_wysokosci ? osemki(los, 20) : rzeczywista(los, -10, 10));
    s.f64(rzeczywista(los, 0, 3));
    s.f64(rzeczywista(los, 0, 3));
  }

  // Distinct pairs, at most two lines at most points, as drawn track has.
  std::set<std::pair<int, int>> pary;
  std::vector<int> linie_punktu(n);
  for (int proba = 0; proba < 2 * n; ++proba) {
    const int a = calkowita(los, 0, n - 1);
    const int b = calkowita(los, 0, n - 1);
    if (a == b || pary.count({a, b}) || pary.count({b, a})) continue;
    if (linie_punktu[a] >= 2 || linie_punktu[b] >= 2) continue;
    if (!opcje.przyciaganie && (odwolania[a] >= 0) != (odwolania[b] >= 0)) continue;
    pary.insert({a, b});
    ++linie_punktu[a];
    ++linie_punktu[b];
  }
  std::vector<std::pair<int, int>> kolejnosc(pary.begin(), pary.end());
  std::shuffle(kolejnosc.begin(), kolejnosc.end(), los);
  s.int32(static_cast<std::int32_t>(kolejnosc.size()));
  for (auto [a, b] : kolejnosc) {
    s.int32(a);
    s.int32(b);
    zdarzenia(s, los);
    s.int32(calkowita(los, 0, 4));
    s.int32(calkowita(los, 0, 1));
  }

  s.int32(k);
  for (int i = 0; i < k; ++i) {
    s.f64(rzeczywista(los, -300, 300));
    s.f64(rzeczywista(los, -300, 300));
    s.f64(opcje.dokladne_wysokosci ? osemki(los, 20) : rzeczywista(los, -10, 10));
    s.f64(rzeczywista(los, 0, 360));
    if (opcje.format >= 1411) s.u8(static_cast<std::uint8_t>(calkowita(los, 0, 1)));
    if (opcje.format >= 1412) s.int32(calkowita(los, 0, 3));
    if (opcje.format >= 1411) s.int32(calkowita(los, 0, 40));
  }
  for (int r : odwolania) s.int32(r);
  return s.dane();
}

std::vector<std::uint8_t> projekt_z_ukladem(const std::vector<std::uint8_t>& uklad, std::int32_t miasto,
                                            std::int32_t rok, std::int32_t id) {
  pisarz_rekordow s;
  s.bajty(uklad.data(), uklad.size());
  s.int32(miasto);
  s.int32(rok);
  s.int32(id);
  for (int i = 0; i < 100; ++i) s.int32(0);
  return s.dane();
}
