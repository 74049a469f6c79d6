// The tile store's own costs (decoding aside): an origin change with many tiles loaded, a frame
// over the widest view, decoding one bundled tile, and texture memory while panning over 400
// tiles under the bound.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <deque>
#include <fstream>
#include <iterator>

#include "imagery/czytnik_jpeg.h"
#include "imagery/satki.h"
#include "support/malarz_pusty.h"

namespace {

// Every tile exists and decodes at once into a 256 x 256 image.
class ladowacz_natychmiastowy : public ladowacz_satek {
 public:
  void zlec(zlecenie z) override { kolejka_.push_back(z); }
  std::vector<wynik> odbierz() override {
    std::vector<wynik> w;
    for (const zlecenie& z : kolejka_) {
      obraz o;
      o.szerokosc = o.wysokosc = 256;
      w.push_back({z.i, z.j, z.pokolenie, std::move(o)});
    }
    kolejka_.clear();
    return w;
  }
  void porzuc_zlecone() override { kolejka_.clear(); }

 private:
  std::deque<zlecenie> kolejka_;
};

std::unique_ptr<magazyn_satek> magazyn(ustawienia_satek u = {}) {
  static unsigned id = 0;
  u.zlecen_naraz = 1000;
  u.czas_wysylania = std::chrono::microseconds(1000000);
  return std::make_unique<magazyn_satek>(std::make_unique<ladowacz_natychmiastowy>(),
                                         tekstury_satek{[](const obraz&) { return ++id; }, [](unsigned& t) { t = 0; }}, u);
}

widok kamera(double x, double y, double skala) {
  widok w;
  w.przes_x = x, w.przes_y = y, w.skala = skala;
  return w;
}

// The widest view that shows tiles: about 36 x 21 cells.
const widok NAJSZERSZY = kamera(0, 0, SKALA_NAJMNIEJSZA_SATEK);

void zaladuj(magazyn_satek& m, const widok& w) {
  malarz_pusty p;
  for (int k = 0; k < 3; ++k) m.rysuj(p, w, 1);
}

void BM_zmiana_poczatku(benchmark::State& stan) {
  ustawienia_satek u;
  u.limit_pamieci = SIZE_MAX;
  auto m = magazyn(u);
  for (auto _ : stan) {
    stan.PauseTiming();
    zaladuj(*m, NAJSZERSZY);
    stan.counters["satki"] = static_cast<double>(m->liczba_tekstur());
    stan.ResumeTiming();
    m->ustaw_poczatek(4780, 6192);
  }
}
BENCHMARK(BM_zmiana_poczatku)->Unit(benchmark::kMicrosecond);

void BM_klatka_najszerszego_widoku(benchmark::State& stan) {
  ustawienia_satek u;
  u.limit_pamieci = SIZE_MAX;
  auto m = magazyn(u);
  zaladuj(*m, NAJSZERSZY);
  malarz_pusty p;
  for (auto _ : stan) m->rysuj(p, NAJSZERSZY, 1);
  stan.counters["satki"] = static_cast<double>(m->liczba_tekstur());
}
BENCHMARK(BM_klatka_najszerszego_widoku)->Unit(benchmark::kMicrosecond);

void BM_dekodowanie_satki(benchmark::State& stan) {
  std::ifstream plik(VIALTOR_ZRODLA "/data/sat/47806192.jpg", std::ios::binary);
  const std::vector<std::uint8_t> dane((std::istreambuf_iterator<char>(plik)), std::istreambuf_iterator<char>());
  for (auto _ : stan) benchmark::DoNotOptimize(dekoduj_jpeg(dane.data(), dane.size(), "satka", 0));
}
BENCHMARK(BM_dekodowanie_satki)->Unit(benchmark::kMicrosecond);

// 20 x 20 tiles crossed row by row at 20 m a frame under a 64 MB bound.
void BM_przejazd_400_satek(benchmark::State& stan) {
  for (auto _ : stan) {
    ustawienia_satek u;
    u.limit_pamieci = std::size_t{64} << 20;
    auto m = magazyn(u);
    malarz_pusty p;
    std::size_t najwiecej = 0;
    for (int rzad = 0; rzad < 20; ++rzad)
      for (int krok = 0; krok < 100; ++krok) {
        m->rysuj(p, kamera(-20.0 * krok, -100.0 * rzad, 0.02), 1);
        najwiecej = std::max(najwiecej, m->pamiec_tekstur());
      }
    stan.counters["najwiecej_MB"] = static_cast<double>(najwiecej) / (1 << 20);
    stan.counters["limit_MB"] = 64;
  }
}
BENCHMARK(BM_przejazd_400_satek)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
