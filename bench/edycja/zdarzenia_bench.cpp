// Events mode on the 100 000-point network with 10 000 events, through the real window: a right
// click that adds an event (to the updated panels, without the frame), a hover that changes the
// hovered event, and the frame after an added event in an editing view of about 2 000 points:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build-bench/bench/edycja/vialtor_bench_zdarzen
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <algorithm>
#include <clocale>
#include <memory>
#include <vector>

#include "klatka_okna.h"
#include "liczniki.h"
#include "okno_sieci.h"
#include "ui/uruchomienie.h"
#include "ui/widok_planu.h"
#include "widok_edycji.h"

namespace {

// The editor's window on the network in events mode, an editing view around its middle.
struct edytor_zdarzen : okno_sieci {
  edytor_zdarzen() : okno_sieci(SIEC_ZE_ZDARZENIAMI) {
    okno->menu().tryb_zdarzenia->trigger();
    const w_punkt* srodek = dok.tor.p[dok.tor.pmax() / 2];
    edytor.kamera = widok_edycji(dok.tor, srodek->GET_X(), srodek->GET_Y(), 2000);
    okno->odswiez();
    obsluz_zdarzenia();
  }

  void prawy_klik(QPoint p) {
    mysz(QEvent::MouseButtonPress, p, Qt::RightButton, Qt::RightButton);
    mysz(QEvent::MouseButtonRelease, p, Qt::RightButton, Qt::NoButton);
  }
  // The middles of the straight parts of the lines in view, nearest the view's centre first:
  // each add goes to the next one, so that events do not pile up on one line over the runs.
  std::vector<QPoint> na_torze() const {
    const wektor c{-edytor.kamera.przes_x, -edytor.kamera.przes_y};
    const prostokat_planu r = widoczny_prostokat(edytor.kamera);
    std::vector<std::pair<double, wektor>> miejsca;
    for (int i = 0; i < dok.tor.lmax(); ++i) {
      const tor_linia* l = dok.tor.linia(i);
      const wektor m = l->miejsce_zdarzenia(0.5);
      if (l->dlugosc() > 2 && m.x > r.x1 && m.x < r.x2 && m.y > r.y1 && m.y < r.y2) miejsca.push_back({dlugosc(m - c), m});
    }
    std::sort(miejsca.begin(), miejsca.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<QPoint> piksele;
    for (const auto& [d, m] : miejsca) piksele.push_back(piksel(m));
    return piksele;
  }
  // Two events in view, far enough apart for a move between them to change the hovered one.
  std::pair<wektor, wektor> dwa_zdarzenia() const {
    std::vector<wektor> miejsca;
    const prostokat_planu r = widoczny_prostokat(edytor.kamera);
    const auto w_widoku = [&](wektor m) { return m.x > r.x1 && m.x < r.x2 && m.y > r.y1 && m.y < r.y2; };
    for (int i = 0; i < dok.tor.lmax() && miejsca.size() < 2; ++i) {
      const tor_linia* l = dok.tor.linia(i);
      if (l->zdarzenia.pusta()) continue;
      const wektor m = l->ramka_zdarzenia(l->zdarzenia.nr(0)->pozycja).miejsce;
      if (w_widoku(m) && (miejsca.empty() || dlugosc(m - miejsca[0]) > 0.2 / edytor.kamera.skala)) miejsca.push_back(m);
    }
    return {miejsca.at(0), miejsca.at(1)};
  }
};

std::unique_ptr<edytor_zdarzen> wspolny;

edytor_zdarzen& edytor() {
  if (!wspolny) wspolny = std::make_unique<edytor_zdarzen>();
  return *wspolny;
}

// Press and release of the right button over a line (the next in view): the nearest place found, the event added,
// one undo step made, the hover and the panels taken again.
void dodanie_zdarzenia_100k(benchmark::State& state) {
  edytor_zdarzen& e = edytor();
  const std::vector<QPoint> miejsca = e.na_torze();
  std::size_t i = 0;
  for (auto _ : state) e.prawy_klik(miejsca[i++ % miejsca.size()]);
  opisz_siec(state, e.dok.tor);
  cel_ms(state, 5);
}
BENCHMARK(dodanie_zdarzenia_100k)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", najkrotszy);

// Moves from one event to another: the hovered event, its tooltip and the panel change each time.
void najechanie_na_zdarzenie_100k(benchmark::State& state) {
  edytor_zdarzen& e = edytor();
  const auto [a, b] = e.dwa_zdarzenia();
  bool tam = false;
  for (auto _ : state) {
    e.ruch(e.piksel(tam ? a : b));
    tam = !tam;
  }
  if (!e.edytor.zdarzenia.wskazane) state.SkipWithError("no event was hovered");
  opisz_siec(state, e.dok.tor);
  cel_ms(state, 5);
}
BENCHMARK(najechanie_na_zdarzenie_100k)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", najkrotszy);

// The frame drawn after each added event (the click itself not timed), from the start of its
// paint to the finished picture.
void klatka_po_dodaniu_100k(benchmark::State& state) {
  edytor_zdarzen& e = edytor();
  const std::vector<QPoint> miejsca = e.na_torze();
  std::size_t i = 0;
  klatka_okna pomiar(e.okno->plan());
  for (auto _ : state) {
    e.prawy_klik(miejsca[i++ % miejsca.size()]);
    state.SetIterationTime(pomiar.klatka() / 1000);
  }
  state.counters["punkty_w_widoku"] = punkty_w_widoku(e.dok.tor, e.edytor.kamera);
  opisz_siec(state, e.dok.tor);
  cel_ms(state, 16);
}
BENCHMARK(klatka_po_dodaniu_100k)->Unit(benchmark::kMillisecond)->UseManualTime()->ComputeStatistics("min", najkrotszy);

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
