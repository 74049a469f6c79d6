#include "imagery/satki.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <tuple>

#include "track/malarz.h"

namespace {

constexpr std::int64_t MODUL_NUMERU = 10000;
// Cells further out than this are no place a camera can usefully be (10^9 m).
constexpr double NAJDALSZA_KOMORKA = 1e7;

std::int64_t modulo(std::int64_t v) { return (v % MODUL_NUMERU + MODUL_NUMERU) % MODUL_NUMERU; }

bool komorka_w_zasiegu(double v) { return std::isfinite(v) && std::fabs(v) <= NAJDALSZA_KOMORKA; }

std::size_t potega_dwojki(std::int32_t n) {
  std::size_t p = 1;
  while (p < static_cast<std::size_t>(n)) p *= 2;
  return p;
}

// GL rounds the sides to powers of two and may keep RGB as four bytes; mipmaps add a third.
// An upper bound: compressed, a tile takes an eighth of it.
std::size_t pamiec_tekstury(const obraz& o) {
  return potega_dwojki(o.szerokosc) * potega_dwojki(o.wysokosc) * 4 * 4 / 3;
}

}  // namespace

std::string nazwa_satki(std::int64_t kolumna, std::int64_t wiersz) {
  char nazwa[32];
  std::snprintf(nazwa, sizeof nazwa, "sat/%04lld%04lld.jpg", static_cast<long long>(modulo(kolumna)),
                static_cast<long long>(modulo(wiersz)));
  return nazwa;
}

zakres_komorek widoczne_komorki(const widok& kamera) {
  if (!(kamera.skala >= SKALA_NAJMNIEJSZA_SATEK)) return {};
  const prostokat_planu p = widoczny_prostokat(kamera);
  const double i0 = std::floor(p.x1 / BOK_SATKI), i1 = std::floor(p.x2 / BOK_SATKI);
  const double j0 = std::floor(p.y1 / BOK_SATKI), j1 = std::floor(p.y2 / BOK_SATKI);
  for (double v : {i0, i1, j0, j1})
    if (!komorka_w_zasiegu(v)) return {};
  return {static_cast<int>(i0), static_cast<int>(j0), static_cast<int>(i1), static_cast<int>(j1)};
}

std::optional<std::int32_t> numer_poczatku(double v) {
  if (!std::isfinite(v)) return std::nullopt;
  const double t = std::trunc(v);
  if (t < std::numeric_limits<std::int32_t>::min() || t > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(t);
}

magazyn_satek::magazyn_satek(std::unique_ptr<ladowacz_satek> ladowacz, tekstury_satek tekstury,
                             ustawienia_satek ustawienia)
    : ladowacz_(std::move(ladowacz)), tekstury_(std::move(tekstury)), ustawienia_(ustawienia) {}

magazyn_satek::~magazyn_satek() { zwolnij_wszystko(); }

void magazyn_satek::zwolnij_wszystko() {
  for (auto& [k, c] : komorki_)
    if (c.tekstura != 0) tekstury_.usun(c.tekstura);
  komorki_.clear();
  gotowe_.clear();
  pamiec_ = 0;
}

void magazyn_satek::ustaw_poczatek(std::int32_t kolumna, std::int32_t wiersz) {
  kolumna_ = kolumna;
  wiersz_ = wiersz;
  zwolnij_wszystko();
  ladowacz_->porzuc_zlecone();
  ++pokolenie_;
  zleconych_ = 0;
  postep_ = {};
}

std::size_t magazyn_satek::liczba_tekstur() const {
  return static_cast<std::size_t>(
      std::count_if(komorki_.begin(), komorki_.end(), [](const auto& k) { return k.second.tekstura != 0; }));
}

void magazyn_satek::przyjmij_gotowe() {
  for (ladowacz_satek::wynik& w : ladowacz_->odbierz()) {
    if (w.pokolenie != pokolenie_) continue;  // asked for before the origin changed
    --zleconych_;
    gotowe_.push_back(std::move(w));
  }
  const auto poczatek = std::chrono::steady_clock::now();
  while (!gotowe_.empty()) {
    const ladowacz_satek::wynik w = std::move(gotowe_.front());
    gotowe_.pop_front();
    const auto k = komorki_.find(klucz(w.i, w.j));
    if (k == komorki_.end() || k->second.s != stan::zlecona) continue;
    komorka& c = k->second;
    c.s = stan::brak;
    if (w.obraz_satki) {
      c.tekstura = tekstury_.zbuduj(*w.obraz_satki);
      if (c.tekstura != 0) {
        c.s = stan::jest;
        c.pamiec = pamiec_tekstury(*w.obraz_satki);
        pamiec_ += c.pamiec;
      }
      if (std::chrono::steady_clock::now() - poczatek >= ustawienia_.czas_wysylania) break;
    }
  }
}

void magazyn_satek::zwolnij_nadmiar(const zakres_komorek& widoczne) {
  if (pamiec_ <= ustawienia_.limit_pamieci) return;
  std::vector<std::pair<std::uint64_t, std::uint64_t>> kandydaci;  // (last drawn, key)
  for (const auto& [k, c] : komorki_) {
    const int i = static_cast<int>(static_cast<std::int32_t>(k >> 32));
    const int j = static_cast<int>(static_cast<std::int32_t>(k & 0xffffffffu));
    if (c.s == stan::jest && !widoczne.zawiera(i, j)) kandydaci.emplace_back(c.narysowana, k);
  }
  std::sort(kandydaci.begin(), kandydaci.end());
  for (const auto& [narysowana, k] : kandydaci) {
    if (pamiec_ <= ustawienia_.limit_pamieci) break;
    komorka& c = komorki_.at(k);
    pamiec_ -= c.pamiec;
    tekstury_.usun(c.tekstura);
    komorki_.erase(k);  // untried again: it loads when it comes back into view
  }
}

void magazyn_satek::zlec_brakujace(const zakres_komorek& widoczne, const widok& kamera) {
  postep_ = {};
  if (widoczne.pusty()) return;
  const double sx = -kamera.przes_x, sy = -kamera.przes_y;
  struct brakujaca {
    double odleglosc;
    int i, j;
    bool operator<(const brakujaca& b) const {
      return std::tie(odleglosc, i, j) < std::tie(b.odleglosc, b.i, b.j);
    }
  };
  std::vector<brakujaca> brakujace;
  for (int i = widoczne.i0; i <= widoczne.i1; ++i) {
    for (int j = widoczne.j0; j <= widoczne.j1; ++j) {
      ++postep_.wszystkie;
      const auto k = komorki_.find(klucz(i, j));
      if (k == komorki_.end()) {
        const double dx = (i + 0.5) * BOK_SATKI - sx, dy = (j + 0.5) * BOK_SATKI - sy;
        brakujace.push_back({dx * dx + dy * dy, i, j});
      } else if (k->second.s != stan::zlecona) {
        ++postep_.gotowe;
      }
    }
  }
  std::sort(brakujace.begin(), brakujace.end());
  for (const brakujaca& b : brakujace) {
    if (zleconych_ >= ustawienia_.zlecen_naraz) break;
    komorki_[klucz(b.i, b.j)] = komorka{};
    ++zleconych_;
    ladowacz_->zlec({b.i, b.j, pokolenie_,
                     nazwa_satki(std::int64_t{kolumna_} + b.i, std::int64_t{wiersz_} + b.j)});
  }
}

void magazyn_satek::rysuj(malarz& m, const widok& kamera, double przezroczystosc) {
  ++klatka_;
  przyjmij_gotowe();
  const zakres_komorek widoczne = widoczne_komorki(kamera);
  if (!widoczne.pusty()) {
    m.kolor(1, 1, 1, static_cast<float>(przezroczystosc));
    for (int i = widoczne.i0; i <= widoczne.i1; ++i) {
      for (int j = widoczne.j0; j <= widoczne.j1; ++j) {
        const auto k = komorki_.find(klucz(i, j));
        if (k == komorki_.end() || k->second.tekstura == 0) continue;
        k->second.narysowana = klatka_;
        const double x = i * BOK_SATKI, y = j * BOK_SATKI;
        const double xy[4][2] = {{x, y}, {x + BOK_SATKI, y}, {x + BOK_SATKI, y + BOK_SATKI}, {x, y + BOK_SATKI}};
        static constexpr double uv[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        m.tekstura(k->second.tekstura);
        m.czworokat(xy, uv);
      }
    }
    m.bez_tekstury();
  }
  zwolnij_nadmiar(widoczne);
  zlec_brakujace(widoczne, kamera);
}
