// The editor on large generated city networks, against their targets:
// - for each size, the editor started on the saved network as a user starts it
//   (`vialtor --zrzut OUT.png FILE`, its own process): the time to the saved first complete
//   frame and the peak resident memory;
// - on the largest network, in this process, the editor's window: frames of an editing view of
//   about 2 000 points and of the whole network, a hover (the mouse moved from one point onto
//   another, with the pick and the panels) and the frame after it, the edit of one point
//   (a drag released: the recompute, the undo step and the panels); the whole network after an
//   edit far from the middle, and drawn anew without its GL buffers; the picks' grid built
//   whole with its memory.
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" build-bench/bench/duze_sieci/vialtor_bench_duzych_sieci [POINTS...]
//
// Without arguments: 100 000, 300 000 and 1 000 000 points.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "dokument/dokument.h"
#include "io/projekt.h"
#include "katalog_roboczy.h"
#include "klatka_okna.h"
#include "siec_miejska.h"
#include "widok_edycji.h"
#include "ui/okno_glowne.h"
#include "ui/uruchomienie.h"
#include "ui/widok_planu.h"
#include "view/stan_edytora.h"
#include "view/widok.h"

namespace {

using zegar = std::chrono::steady_clock;

double ms_od(zegar::time_point t0) { return std::chrono::duration<double, std::milli>(zegar::now() - t0).count(); }

// The targets of a size: first frame and peak memory; none below a million but at 100 000.
struct cele_startu {
  double s, mb;
};

cele_startu cele(int punkty) {
  if (punkty <= 100000) return {1.5, 400};
  if (punkty >= 1000000) return {15, 2560};
  return {0, 0};
}

const char* ocena(bool ok) { return ok ? "ok" : "PONAD CEL"; }

// The network of the file benchmarks with more points: its turnouts, events on a tenth.
parametry_sieci parametry(int punkty) { return {.punkty = punkty, .zdarzenia = punkty / 10}; }

struct start_edytora {
  double s = 0, mb = 0;
  // Processor time of the editor (the renderer's threads included), which other work on the
  // machine disturbs less than the elapsed time.
  double cpu_s = 0;
  bool ok = false;
};

// The editor started on `plik` in `katalog`, until it has saved its first frame.
start_edytora uruchom_edytor(const std::string& plik, const katalog_roboczy& katalog) {
  const std::string obraz = katalog.plik("klatka.png");
  const auto t0 = zegar::now();
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(katalog.plik("").c_str()) != 0) _exit(127);
    execl(VIALTOR_EDYTOR, VIALTOR_EDYTOR, "--zrzut", obraz.c_str(), plik.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage r{};
  wait4(pid, &status, 0, &r);
  start_edytora w;
  w.s = ms_od(t0) / 1000;
  w.mb = static_cast<double>(r.ru_maxrss) / 1024;
  w.cpu_s = static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
  w.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return w;
}

struct wynik {
  double mediana, najgorsza;
};

wynik podsumuj(std::vector<double> czasy) {
  std::sort(czasy.begin(), czasy.end());
  return {czasy[czasy.size() / 2], czasy.back()};
}

void wiersz(const char* co, wynik w, double cel) {
  std::printf("  %-38s mediana %8.1f ms   najgorsza %8.1f ms   cel %5.0f ms   %s\n", co, w.mediana, w.najgorsza, cel,
              ocena(w.mediana <= cel));
}

// The editor's window on the network of `plik`, opened as the command line opens it.
class edytor_w_oknie {
 public:
  explicit edytor_w_oknie(const std::string& plik) {
    const std::string dane = std::string(VIALTOR_ZRODLA) + "/data";
    okno = std::make_unique<okno_glowne>(dok, edytor, dane);
    okno->pytania().pokaz = [](QWidget*, const QString& tekst) {
      std::fprintf(stderr, "Uwaga! %s\n", tekst.toUtf8().constData());
    };
    bool gotowe = false;
    QObject::connect(okno->plan(), &widok_planu::zainicjowany, okno.get(), [&] {
      po_utworzeniu_kontekstu(*okno, dok, dane);
      gotowe = true;
    });
    okno->show();
    while (!gotowe) QApplication::processEvents();
    otworz_z_wiersza_polecen(*okno, plik);
    pomiar = std::make_unique<klatka_okna>(okno->plan());
    for (int i = 0; i < 20; ++i) QApplication::processEvents();
  }
  ~edytor_w_oknie() {
    pomiar.reset();
    okno->plan()->zwolnij_gl();
    okno.reset();
  }

  double klatka() { return pomiar->klatka(); }
  wynik seria(int n) {
    std::vector<double> czasy;
    for (int i = 0; i < n; ++i) czasy.push_back(klatka());
    return podsumuj(czasy);
  }

  QPoint piksel(double x, double y) const {
    const widok& w = edytor.kamera;
    const double nx = (x + w.przes_x) * w.skala / w.proporcja;
    const double ny = (y + w.przes_y) * w.skala;
    return {static_cast<int>(std::lround((nx + 1) * SZEROKOSC_WIDOKU / 2)),
            static_cast<int>(std::lround((1 - ny) * WYSOKOSC_WIDOKU / 2))};
  }
  QPoint piksel(const w_punkt* p) const { return piksel(p->GET_X(), p->GET_Y()); }
  void ruch(QPoint p) {
    QMouseEvent e(QEvent::MouseMove, p, okno->plan()->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(okno->plan(), &e);
  }

  dokument dok;
  stan_edytora edytor;
  std::unique_ptr<okno_glowne> okno;
  std::unique_ptr<klatka_okna> pomiar;
};

// A free point of two lines near the middle of the network, for a drag that moves one point.
const w_punkt* punkt_do_edycji(const tor_uklad& u) {
  for (int i = u.pmax() / 2; i < u.pmax(); ++i)
    if (u.p[i]->li.size() == 2 && !u.p[i]->element) return u.p[i];
  return u.p[u.pmax() / 2];
}

// The `i`-th of a few free points of two free neighbours in the network's first tenth, away from
// the editing view's middle.
int punkt_daleko(const tor_uklad& u, int i) {
  int znalezione = 0;
  for (int nr = 0; nr < u.pmax(); nr += 97) {
    const w_punkt* p = u.p[nr];
    if (p->li.size() != 2 || p->element || p->li[0]->drugi_koniec(p)->element || p->li[1]->drugi_koniec(p)->element)
      continue;
    if (znalezione++ == i % 4) return nr;
  }
  return 0;
}

void w_oknie(const std::string& plik, int n) {
  edytor_w_oknie e(plik);
  const tor_uklad& t = e.dok.tor;
  std::printf("okno edytora na %d punktach:\n", t.pmax());

  e.klatka();
  wiersz("cała sieć w widoku", e.seria(n), 500);

  const w_punkt* srodek = punkt_do_edycji(t);
  e.edytor.kamera = widok_edycji(t, srodek->GET_X(), srodek->GET_Y(), 2000, e.edytor.kamera);
  e.klatka();
  wiersz("widok edycji (~2000 punktów)", e.seria(n), 16);

  // From the point to its neighbour and back: what is hovered changes with every move.
  const w_punkt* sasiad = srodek->li[0]->p1 == srodek ? srodek->li[0]->p2 : srodek->li[0]->p1;
  std::vector<double> najazdy, klatki;
  for (int i = 0; i < n; ++i) {
    const auto t0 = zegar::now();
    e.ruch(e.piksel(i % 2 ? sasiad : srodek));
    najazdy.push_back(ms_od(t0));
    klatki.push_back(e.klatka());
  }
  wiersz("najechanie na punkt", podsumuj(najazdy), 5);
  wiersz("klatka edycji po najechaniu", podsumuj(klatki), 16);

  // A drag of the point by a few pixels, released: the time of the release.
  std::vector<double> edycje;
  for (int i = 0; i < std::max(3, n / 5); ++i) {
    const QPoint a = e.piksel(srodek);
    const QPoint b = a + QPoint(i % 2 ? -4 : 4, 0);
    e.ruch(a);
    QTest::mousePress(e.okno->plan(), Qt::LeftButton, {}, a);
    QTest::mouseMove(e.okno->plan(), b);
    const auto t0 = zegar::now();
    QTest::mouseRelease(e.okno->plan(), Qt::LeftButton, {}, b);
    edycje.push_back(ms_od(t0));
    e.klatka();
  }
  wiersz("edycja punktu (przeliczenie, panele)", podsumuj(edycje), 50);

  // The picks' grid built whole, as after an edit recorded whole, an undo or a load.
  std::vector<double> przebudowy;
  std::vector<std::uint32_t> blisko;
  for (int i = 0; i < std::max(3, n / 3); ++i) {
    e.dok.tor.indeks_nieaktualny();
    const auto t0 = zegar::now();
    e.dok.tor.punkty_w_poblizu(srodek->GET_X(), srodek->GET_Y(), 1, blisko);
    przebudowy.push_back(ms_od(t0));
  }
  wiersz("siatka wskazań od nowa", podsumuj(przebudowy), 100);
  std::printf("  siatka wskazań: %.1f MB, %.1f B na punkt i linię\n", e.dok.tor.pamiec_indeksu() / 1048576.0,
              static_cast<double>(e.dok.tor.pamiec_indeksu()) / (t.pmax() + t.lmax()));

  e.okno->pokaz_wszystko();
  e.klatka();
  std::vector<double> calosc;
  for (int i = 0; i < n; ++i) {
    e.ruch(e.piksel(i % 2 ? sasiad : srodek));
    calosc.push_back(e.klatka());
  }
  wiersz("cała sieć po najechaniu", podsumuj(calosc), 500);

  // A point far from the middle moved a little as the panel or a drag moves it (its
  // neighbourhood recomputed, one undo step), then the whole network drawn.
  std::vector<double> po_edycji;
  for (int i = 0; i < n; ++i) {
    const int nr = punkt_daleko(t, i);
    w_punkt* p = e.dok.tor.p[nr];
    p->SET_X(p->GET_X() + (i % 2 ? -0.5 : 0.5));
    zakres_zmiany zakres;
    zakres.punkty.push_back(static_cast<std::size_t>(nr));
    e.dok.tor.scal(zakres.punkty);
    e.okno->po_edycji(zakres);
    po_edycji.push_back(e.klatka());
  }
  wiersz("cała sieć po edycji daleko", podsumuj(po_edycji), 500);

  // The whole network moved and zoomed as a drag and the wheel move it, the mouse passing over
  // the track first: every frame is a new view.
  e.okno->pokaz_wszystko();
  e.klatka();
  std::vector<double> przesuniecia, przyblizenia;
  for (int i = 0; i < n; ++i) {
    e.ruch(e.piksel(i % 2 ? sasiad : srodek));
    const double metry = 2 * e.edytor.kamera.proporcja / e.edytor.kamera.skala / SZEROKOSC_WIDOKU;
    e.edytor.kamera.przes_x += 23 * metry;
    e.edytor.kamera.przes_y -= 11 * metry;
    przesuniecia.push_back(e.klatka());
  }
  wiersz("cała sieć przesunięta", podsumuj(przesuniecia), 500);
  for (int i = 0; i < n; ++i) {
    e.ruch(e.piksel(i % 2 ? sasiad : srodek));
    mnoz_skale(e.edytor.kamera, i % 2 ? 1 / 1.25 : 1.25);
    e.edytor.kamera.przes_x += 7 * 2 * e.edytor.kamera.proporcja / e.edytor.kamera.skala / SZEROKOSC_WIDOKU;
    przyblizenia.push_back(e.klatka());
  }
  wiersz("cała sieć przybliżana i oddalana", podsumuj(przyblizenia), 500);

  // Without the GL buffers (the context lost or shared away): everything gathered and sent to
  // the card again, as for the first frame.
  std::vector<double> od_nowa;
  for (int i = 0; i < 3; ++i) {
    e.okno->plan()->zwolnij_gl();
    od_nowa.push_back(e.klatka());
  }
  const wynik w = podsumuj(od_nowa);
  std::printf("  %-38s mediana %8.1f ms   najgorsza %8.1f ms   (część pierwszej klatki)\n",
              "cała sieć bez buforów GL", w.mediana, w.najgorsza);
}

}  // namespace

int main(int argc, char** argv) {
  ustaw_format_gl();
  QApplication aplikacja(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  std::vector<int> rozmiary;
  for (int i = 1; i < argc; ++i) rozmiary.push_back(std::atoi(argv[i]));
  if (rozmiary.empty()) rozmiary = {100000, 300000, 1000000};

  katalog_roboczy katalog;
  std::string najwieksza;
  for (int punkty : rozmiary) {
    const std::string plik = katalog.plik("siec_" + std::to_string(punkty) + ".vxm");
    {
      const std::unique_ptr<tor_uklad> siec = siec_miejska(parametry(punkty));
      if (!zapisz_projekt(plik, *siec, TRASA_SIECI)) {
        std::fprintf(stderr, "cannot save %s\n", plik.c_str());
        return 2;
      }
    }
    const start_edytora s = uruchom_edytor(plik, katalog);
    const cele_startu c = cele(punkty);
    std::printf("%8d punktów: pierwsza klatka %6.2f s (procesor %.2f s), szczyt pamięci %7.1f MB (%.2f KB na punkt)",
                punkty, s.s, s.cpu_s, s.mb, s.mb * 1024 / punkty);
    if (!s.ok) std::printf("   BŁĄD: edytor zakończył się niepowodzeniem");
    if (c.s > 0) std::printf("   cel %.1f s, %.0f MB: %s", c.s, c.mb, ocena(s.ok && s.s <= c.s && s.mb <= c.mb));
    std::printf("\n");
    std::fflush(stdout);
    najwieksza = plik;
  }
  w_oknie(najwieksza, 15);
  return 0;
}
