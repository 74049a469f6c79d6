// The plan view's frames while "Importuj ortofotomapę…" cuts the 12 000 × 12 000 orthophoto in
// the editor's worker: the editing view of the benchmark network (about 2 000 points) drawn every
// 16 ms, a pan of a few pixels each time, first with nothing running and then while the import
// runs, through the real window and the map module it loads. A frame is timed from the start of
// its paint to a finished paintGL (glFinish), as the view's own frame benchmark times it, and
// also from the request to the drawn frame. Prints median and worst against the editing view's 16 ms.
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" build-bench/bench/mapy/vialtor_bench_klatek_importu [SEKUNDY]
//
// The raster is made on the first run (in /tmp/vialtor_bench_map, shared with vialtor_bench_map).

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "dokument/dokument.h"
#include "imagery/tekstura.h"
#include "klatka_okna.h"
#include "raster_miasta.h"
#include "siec_miejska.h"
#include "ui/dialogi.h"
#include "ui/import_ortofotomapy.h"
#include "ui/okno_glowne.h"
#include "ui/panel_satek.h"
#include "ui/polecenia_obrazow.h"
#include "ui/uruchomienie.h"
#include "ui/widok_planu.h"
#include "view/stan_edytora.h"
#include "widok_edycji.h"

namespace fs = std::filesystem;

namespace {

constexpr int OKRES_KLATKI_MS = 16;
constexpr double CEL_MS = 16;

struct czasy {
  std::vector<double> klatka, od_prosby;
};

// The editing view drawn every 16 ms for `sekundy`, or until `dalej` says stop.
template <class Dalej>
czasy klatki(okno_glowne& okno, stan_edytora& edytor, double sekundy, Dalej dalej) {
  klatka_okna pomiar(okno.plan());
  czasy c;
  QElapsedTimer calosc;
  const double krok = 3 / edytor.kamera.skala * 0.001;
  calosc.start();
  for (int i = 0; calosc.elapsed() < sekundy * 1000 && dalej(); ++i) {
    edytor.kamera.przes_x += i % 2 ? krok : -krok;
    double od_prosby = 0;
    c.klatka.push_back(pomiar.klatka(&od_prosby));
    c.od_prosby.push_back(od_prosby);
    QApplication::processEvents(QEventLoop::AllEvents, std::max(1, OKRES_KLATKI_MS - static_cast<int>(od_prosby)));
  }
  return c;
}

void wiersz(const char* co, std::vector<double> v, bool z_celem) {
  if (v.empty()) {
    std::printf("%-44s brak klatek\n", co);
    return;
  }
  std::sort(v.begin(), v.end());
  const double mediana = v[v.size() / 2], najgorsza = v.back();
  std::printf("%-44s klatek %4zu   mediana %6.1f ms   najgorsza %6.1f ms", co, v.size(), mediana, najgorsza);
  if (z_celem) std::printf("   cel %2.0f ms   %s", CEL_MS, mediana <= CEL_MS && najgorsza <= CEL_MS ? "ok" : "PONAD CEL");
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  const double sekundy = argc > 1 ? std::max(2.0, std::atof(argv[1])) : 20;
  const fs::path rastry = fs::temp_directory_path() / "vialtor_bench_map";
  fs::create_directories(rastry);
  const std::string raster = (rastry / "miasto_2180.tif").string();
  if (!raster_miasta_2180(raster)) return 1;
  // The editor as installed in a folder of its own: the tiles go into its sat/.
  const fs::path program = fs::temp_directory_path() / "vialtor_bench_klatek_importu";
  fs::remove_all(program);
  fs::create_directories(program / "data");

  ustaw_format_gl();
  QApplication aplikacja(argc, argv);
  dokument dok;
  przenies_siec(*siec_miejska(SIEC_ZE_ZDARZENIAMI), dok.tor);
  stan_edytora edytor;
  int wynik = 0;
  {
    okno_glowne okno(dok, edytor, (program / "data").string());
    okno.pytania().otworz_plik = [&](QWidget*, const QString&, const QString&) { return raster; };
    okno.pytania().pokaz = [](QWidget*, const QString& tekst) { std::printf("komunikat: %s\n", qPrintable(tekst)); };
    okno.resize(1024, 768);
    okno.show();
    for (int i = 0; i < 20; ++i) QApplication::processEvents();
    okno.plan()->makeCurrent();
    stan.tekstura_zdarzen = laduj_teksture(std::string(VIALTOR_ZRODLA) + "/data/dataeditor/ev.bmp");
    okno.plan()->doneCurrent();

    const tor_uklad& t = dok.tor;
    const w_punkt* srodek = t.p[t.pmax() / 2];
    edytor.kamera = widok_edycji(t, srodek->GET_X(), srodek->GET_Y(), 2000);
    std::printf("sieć: %d punktów; widok edycji: %d punktów w widoku; plan %d × %d px\n", t.pmax(),
                punkty_w_widoku(t, edytor.kamera), okno.plan()->width(), okno.plan()->height());

    klatki(okno, edytor, 1, [] { return true; });  // the view's picture recorded first
    const czasy przed = klatki(okno, edytor, 5, [] { return true; });
    wiersz("widok edycji bez importu", przed.klatka, true);
    wiersz("  od prośby o klatkę", przed.od_prosby, false);

    import_ortofotomapy& import = okno.polecenia_obrazow_okna().import_mapy();
    okno.satek()->importuj->click();
    if (!import.trwa()) {
      std::printf("import się nie rozpoczął\n");
      wynik = 1;
    } else {
      const czasy w_trakcie = klatki(okno, edytor, sekundy, [&] { return import.trwa(); });
      const bool skonczony = !import.trwa();
      const QString postep = import.dialog_postepu()->labelText();
      if (!skonczony) {
        import.dialog_postepu()->findChild<QPushButton*>()->click();
        while (import.trwa()) QApplication::processEvents(QEventLoop::AllEvents, 50);
      }
      std::printf("import %s po %.0f s: %s\n", skonczony ? "skończony" : "przerwany", sekundy,
                  qPrintable(postep));
      wiersz("widok edycji w trakcie importu", w_trakcie.klatka, true);
      wiersz("  od prośby o klatkę", w_trakcie.od_prosby, false);
    }
    okno.plan()->makeCurrent();
    usun_teksture(stan.tekstura_zdarzen);
    okno.plan()->doneCurrent();
  }
  fs::remove_all(program);
  return wynik;
}
