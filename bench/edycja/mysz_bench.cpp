// Mouse moves over the plan of the 100 000-point network, with the panels following:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/edycja/vialtor_bench_myszy
#include <benchmark/benchmark.h>

#include <QApplication>
#include <clocale>
#include <memory>

#include "liczniki.h"
#include "okno_sieci.h"
#include "ui/mysz_planu.h"
#include "ui/uruchomienie.h"
#include "ui/widok_planu.h"

namespace {

// The editor's window on the network, one point selected so that the panels show it.
struct edytor_sieci : okno_sieci {
  int klatki = 0;

  edytor_sieci() : okno_sieci({}) {
    QObject::connect(okno->plan(), &widok_planu::narysowano, [this] { ++klatki; });
    w_punkt* srodek = dok.tor.p[dok.tor.pmax() / 2];
    edytor.kamera.przes_x = -srodek->GET_X();
    edytor.kamera.przes_y = -srodek->GET_Y();
    edytor.kamera.skala = 0.01;
    srodek->ZAZNACZ(true);
    okno->odswiez();
    obsluz_zdarzenia();
  }
};

// Made on first use, gone before the application is.
std::unique_ptr<edytor_sieci> wspolny;

edytor_sieci& edytor() {
  if (!wspolny) wspolny = std::make_unique<edytor_sieci>();
  return *wspolny;
}

// Each move crosses from a point to a spot with no point near, so the pick runs both loops and
// what is hovered changes every time.
void ruch_nad_siecia_100k(benchmark::State& state) {
  edytor_sieci& e = edytor();
  const w_punkt* q = e.dok.tor.p[e.dok.tor.pmax() / 2 + 1];
  const wektor obok = miejsce_bez_punktu(e.dok.tor, 2 * 0.05 / e.edytor.kamera.skala);
  e.edytor.kamera.przes_x = -(obok.x + q->GET_X()) / 2;
  e.edytor.kamera.przes_y = -(obok.y + q->GET_Y()) / 2;
  const QPoint a = e.piksel({q->GET_X(), q->GET_Y()});
  const QPoint b = e.piksel(obok);
  bool tam = false;
  for (auto _ : state) {
    e.ruch(tam ? a : b);
    tam = !tam;
  }
  opisz_siec(state, e.dok.tor);
  cel_ms(state, 5);
}
BENCHMARK(ruch_nad_siecia_100k)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", najkrotszy);

// The pick and the panels taken again, as after every command, key and panel action.
void odswiezenie_panelu_100k(benchmark::State& state) {
  edytor_sieci& e = edytor();
  for (auto _ : state) e.okno->mysz().edycja().po_poleceniu(false);
  opisz_siec(state, e.dok.tor);
  cel_ms(state, 5);
}
BENCHMARK(odswiezenie_panelu_100k)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", najkrotszy);

// Moves a pixel at a time over empty plan beside the network: the pick still runs over every
// point and line, but nothing drawn changes, so no frame is drawn.
void ruch_bez_zmian_100k(benchmark::State& state) {
  edytor_sieci& e = edytor();
  constexpr double DALEKO = -1e5;
  e.edytor.kamera.przes_x = -DALEKO;
  e.edytor.kamera.przes_y = -DALEKO;
  e.ruch({512, 300});
  e.obsluz_zdarzenia();
  const int przed = e.klatki;
  int dx = 0;
  for (auto _ : state) {
    e.ruch({512 + dx, 300});
    dx = (dx + 1) % 4;
  }
  e.obsluz_zdarzenia();
  state.counters["klatki"] = e.klatki - przed;
  if (e.klatki != przed) state.SkipWithError("a move that changed nothing drew a frame");
  opisz_siec(state, e.dok.tor);
  cel_ms(state, 5);
}
BENCHMARK(ruch_bez_zmian_100k)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", najkrotszy);

}  // namespace

int main(int argc, char** argv) {
  ustaw_format_gl();
  QApplication aplikacja(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  wspolny.reset();
  return 0;
}
