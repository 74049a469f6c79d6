// Frame times of the plan view, from paintGL to a finished frame (glFinish), on the benchmark
// network: an editing view of about 2 000 points and the whole network, against their targets.
// Also the frames that follow a hover, a pan and the first sight of the network, and a frame
// drawn item by item without the picture cache, for comparison.
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" build-bench/bench/widok/vialtor_bench_widoku [N]
#include <GL/gl.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "dokument/dokument.h"
#include "imagery/tekstura.h"
#include "siec_miejska.h"
#include "track/zdarzenie.h"
#include "ui/uruchomienie.h"
#include "ui/widok_planu.h"
#include "view/klatka_gl.h"
#include "view/stan_edytora.h"
#include "widok_edycji.h"

namespace {

double czas_procesora_ms() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The plan view with a stopwatch around its paintGL.
class widok_mierzony : public widok_planu {
 public:
  widok_mierzony(dokument& dok, stan_edytora& edytor) : widok_planu(dok, edytor), dok_(dok), edytor_(edytor) {}
  // Every item in order through the painter, as the cache's reference.
  bool bez_pamieci = false;

  // One frame drawn now, in milliseconds; `cpu_ms` the processor time of the whole process
  // meanwhile (the renderer's threads included), which other programs on the machine disturb less.
  double klatka() {
    makeCurrent();
    const double cpu = czas_procesora_ms();
    const auto poczatek = std::chrono::steady_clock::now();
    paintGL();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - poczatek).count();
    cpu_ms = czas_procesora_ms() - cpu;
    doneCurrent();
    return ms;
  }
  double cpu_ms = 0;

 protected:
  void paintGL() override {
    if (bez_pamieci) {
      malarz_gl m(devicePixelRatioF());
      rysownik_wprost wprost(m);
      warstwy_obrazow bez_obrazow;
      rysuj_klatke_gl(m, dok_, edytor_, bez_obrazow, wprost);
    } else {
      widok_planu::paintGL();
    }
    glFinish();
  }

 private:
  dokument& dok_;
  stan_edytora& edytor_;
};

struct wynik {
  double mediana, najgorsza, cpu;
};

// `n` frames, each after `przed(i)`.
wynik seria(widok_mierzony& w, int n, const std::function<void(int)>& przed = [](int) {}) {
  std::vector<double> czasy, cpu;
  for (int i = 0; i < n; ++i) {
    przed(i);
    czasy.push_back(w.klatka());
    cpu.push_back(w.cpu_ms);
  }
  std::sort(czasy.begin(), czasy.end());
  std::sort(cpu.begin(), cpu.end());
  return {czasy[czasy.size() / 2], czasy.back(), cpu[cpu.size() / 2]};
}

// Against the target of the median, and of the worst frame when one is given.
void wiersz(const char* co, wynik w, double cel, double cel_najgorszej = 0) {
  const bool ok = w.mediana <= cel && (cel_najgorszej == 0 || w.najgorsza <= cel_najgorszej);
  std::printf("%-34s mediana %7.1f ms   najgorsza %7.1f ms   cel %5.0f", co, w.mediana, w.najgorsza, cel);
  if (cel_najgorszej > 0) std::printf("/%.0f", cel_najgorszej);
  std::printf(" ms   %-9s (procesor %.1f ms)\n", ok ? "ok" : "PONAD CEL", w.cpu);
}

void pojedyncza(const char* co, double ms) { std::printf("%-34s %7.1f ms\n", co, ms); }

}  // namespace

int main(int argc, char** argv) {
  const int n = argc > 1 ? std::max(3, std::atoi(argv[1])) : 30;
  ustaw_format_gl();
  QApplication aplikacja(argc, argv);

  dokument dok;
  {
    std::unique_ptr<tor_uklad> siec = siec_miejska(SIEC_ZE_ZDARZENIAMI);
    // The network moves into the document's layout whole: points, lines, elements, templates.
    std::swap(dok.tor.p, siec->p);
    std::swap(dok.tor.l, siec->l);
    std::swap(dok.tor.e, siec->e);
    std::swap(dok.tor.szablony, siec->szablony);
  }
  // Its records kept, as after a load: the edits below name what they change.
  dok.zmiana();
  stan_edytora edytor;
  widok_mierzony plan(dok, edytor);
  plan.show();
  QApplication::processEvents();
  plan.makeCurrent();
  stan.tekstura_zdarzen = laduj_teksture(std::string(VIALTOR_ZRODLA) + "/data/dataeditor/ev.bmp");
  plan.doneCurrent();

  const tor_uklad& t = dok.tor;
  std::printf("sieć: %d punktów, %d linii, %d zwrotnic; %d klatek na pomiar\n", t.pmax(), t.lmax(), t.emax(), n);

  const w_punkt* srodek = t.p[t.pmax() / 2];
  edytor.kamera = widok_edycji(t, srodek->GET_X(), srodek->GET_Y(), 2000);
  std::printf("widok edycji: skala %.5f, %d punktów w widoku\n", edytor.kamera.skala, punkty_w_widoku(t, edytor.kamera));
  pojedyncza("pierwsza klatka (nagranie)", plan.klatka());
  wiersz("widok edycji (~2000 punktów)", seria(plan, n), 16);
  // The hover alone changes, as after the editor's commands.
  wiersz("widok edycji po najechaniu", seria(plan, n, [&](int i) {
           dok.tor.punkt_kursor = t.pmax() / 2 + i % 2;
           dok.odswiez_wskazanie();
         }), 16);
  // An event added each frame on a line at the view's centre, as the editor adds one: an edit
  // of that line.
  int linia = 0;
  while (linia + 1 < t.lmax() && t.l[linia]->p1 != srodek && t.l[linia]->p2 != srodek) ++linia;
  zakres_zmiany zakres;
  zakres.linie.push_back(static_cast<std::size_t>(linia));
  wiersz("widok edycji po dodaniu zdarzenia", seria(plan, n, [&](int i) {
           zdarzenie z;
           z.pozycja = 0.1 + 0.8 * i / n;
           dok.tor.l[linia]->zdarzenia.dodaj(z);
           dok.zmiana(zakres);
         }), 16);
  edytor.kamera.przes_x += 3 / edytor.kamera.skala * 0.01;
  pojedyncza("klatka po przesunięciu widoku", plan.klatka());
  // A drag across the plan: a new view every frame.
  wiersz("widok edycji w ruchu", seria(plan, n, [&](int i) { edytor.kamera.przes_x += (i % 2 ? -3 : 3) / edytor.kamera.skala * 0.01; }), 16);

  ustaw_kadr(edytor.kamera, t.pokaz_wszystko());
  pojedyncza("pierwsza klatka całości", plan.klatka());
  wiersz("cała sieć w widoku", seria(plan, n), 50, 80);
  // Every frame after a hover that moved from one point to another.
  wiersz("cała sieć po najechaniu", seria(plan, n, [&](int i) {
           dok.tor.punkt_kursor = t.pmax() / 3 + i % 2;
           dok.odswiez_wskazanie();
         }), 50, 80);

  plan.bez_pamieci = true;
  pojedyncza("cała sieć bez pamięci obrazu", plan.klatka());
  edytor.kamera = widok_edycji(t, srodek->GET_X(), srodek->GET_Y(), 2000);
  pojedyncza("widok edycji bez pamięci obrazu", plan.klatka());

  plan.makeCurrent();
  usun_teksture(stan.tekstura_zdarzen);
  plan.zwolnij_gl();
  plan.doneCurrent();
  return 0;
}
