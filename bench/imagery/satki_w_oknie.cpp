// Figures of the pictures and tiles in the running editor window (Xvfb and llvmpipe will do):
// resident memory after start-up with the bundled tiles, map and sample project; frame times
// while panning at a steady pace across a generated 20 x 20 tile set (worst frame, time until
// every tile in view shows, tile texture memory against its bound); origin changes with every
// tile loaded. Run: xvfb-run -a -s "-screen 0 1280x1024x24" vialtor_bench_satek_okna
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "edytor_w_oknie.h"
#include "imagery/satki.h"
#include "imagery/zapis_obrazu.h"
#include "ui/obrazy_planu.h"
#include "ui/uruchomienie.h"
#include "ui/widok_planu.h"

namespace {

constexpr int BOK_ZESTAWU = 20;
constexpr int KOLUMNA_0 = 5000, WIERSZ_0 = 3000;
constexpr std::size_t LIMIT_PAMIECI = std::size_t{24} << 20;

long pamiec_rezydentna_kb() {
  std::ifstream status("/proc/self/status");
  std::string slowo;
  while (status >> slowo)
    if (slowo == "VmRSS:") {
      long kb = 0;
      status >> kb;
      return kb;
    }
  return -1;
}

// 20 x 20 tiles of 256 pixels, each its own shade with a cross, under <katalog>/sat.
void zrob_zestaw(const std::filesystem::path& katalog) {
  std::filesystem::create_directories(katalog / "sat");
  obraz o;
  o.szerokosc = o.wysokosc = 256;
  o.piksele.resize(256 * 256 * 3);
  for (int i = 0; i < BOK_ZESTAWU; ++i)
    for (int j = 0; j < BOK_ZESTAWU; ++j) {
      for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
          std::uint8_t* p = &o.piksele[static_cast<std::size_t>(y * 256 + x) * 3];
          const bool krzyz = std::abs(x - 128) < 4 || std::abs(y - 128) < 4;
          p[0] = static_cast<std::uint8_t>(krzyz ? 255 : 40 + i * 10);
          p[1] = static_cast<std::uint8_t>(krzyz ? 255 : 40 + j * 10);
          p[2] = static_cast<std::uint8_t>((x ^ y) & 0x3f);
        }
      const std::vector<std::uint8_t> jpg = koduj_jpeg(o, 80);
      std::ofstream((katalog / nazwa_satki(KOLUMNA_0 + i, WIERSZ_0 + j)).string(), std::ios::binary)
          .write(reinterpret_cast<const char*>(jpg.data()), static_cast<std::streamsize>(jpg.size()));
    }
}

double ms(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e6; }

// Frames (each drawn at once, events between) until every tile in view shows.
double do_zaladowania(widok_planu& plan, obrazy_planu& obrazy) {
  QElapsedTimer t;
  t.start();
  do {
    QCoreApplication::processEvents();
    plan.grabFramebuffer();
  } while (obrazy.laduje());
  return ms(t);
}

}  // namespace

int main(int argc, char** argv) {
  ustaw_format_gl();
  QApplication aplikacja(argc, argv);
  edytor_w_oknie e;
  if (!e.uruchom()) return 1;
  okno_glowne& okno = e.okno;
  stan_edytora& edytor = e.edytor;
  do_zaladowania(*okno.plan(), okno.obrazy());
  std::printf("pamięć po starcie (kafle, mapa, projekt): %.1f MB (cel <= 150)\n",
              pamiec_rezydentna_kb() / 1024.0);

  // Panning at a steady 10 m a frame in four rows across the generated set.
  const std::filesystem::path katalog = std::filesystem::temp_directory_path() / "vialtor_bench_satek";
  std::filesystem::remove_all(katalog);
  zrob_zestaw(katalog);
  ustawienia_satek ustawienia;
  ustawienia.limit_pamieci = LIMIT_PAMIECI;
  obrazy_planu obrazy(*okno.plan(), edytor, (katalog / "data").string(), ustawienia);
  okno.plan()->ustaw_obrazy(&obrazy);
  obrazy.pokaz_satki(true);
  obrazy.zastosuj({KOLUMNA_0, WIERSZ_0, -300, -200, 0.006});
  widok_planu& plan = *okno.plan();
  // The drawing of a frame (paintGL), apart from composing the window.
  QElapsedTimer klatka;
  double rysowanie = 0, najgorsze_rysowanie = 0;
  QObject::connect(&plan, &widok_planu::narysowano, [&] { rysowanie = ms(klatka); });
  double najgorsza = 0, suma = 0;
  int klatki = 0;
  std::size_t pamiec_max = 0;
  for (const double y : {200.0, 700.0, 1200.0, 1700.0}) {
    for (double x = 300; x <= 1700; x += 10) {
      edytor.kamera.przes_x = -x;
      edytor.kamera.przes_y = -y;
      // A frame as the editor makes it: asked for, drawn, composed into the window and swapped.
      QElapsedTimer t;
      t.start();
      klatka.start();
      bool zamieniona = false;
      const QMetaObject::Connection c =
          QObject::connect(&plan, &widok_planu::frameSwapped, [&] { zamieniona = true; });
      plan.update();
      while (!zamieniona) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
      QObject::disconnect(c);
      const double czas = ms(t);
      najgorsze_rysowanie = std::max(najgorsze_rysowanie, rysowanie);
      najgorsza = std::max(najgorsza, czas);
      suma += czas;
      ++klatki;
      pamiec_max = std::max(pamiec_max, obrazy.satki_mapy().pamiec_tekstur());
    }
  }
  const double reszta = do_zaladowania(plan, obrazy);
  std::printf("przesuwanie po 20 x 20 kaflach: %d klatek, średnio %.1f ms, najdłuższa %.1f ms (cel <= 50)\n",
              klatki, suma / klatki, najgorsza);
  std::printf("  samo rysowanie planu (bez składania okna): najdłuższe %.1f ms\n", najgorsze_rysowanie);
  std::printf("po zatrzymaniu wszystkie kafle w widoku po %.0f ms\n", reszta);
  std::printf("pamięć tekstur kafli: najwięcej %.1f MB przy granicy %.1f MB (plus widoczne)\n",
              pamiec_max / 1048576.0, LIMIT_PAMIECI / 1048576.0);

  // Origin changes with every tile of a wide view loaded.
  edytor.kamera.skala = 0.0012;
  do_zaladowania(plan, obrazy);
  const std::size_t tekstury = obrazy.satki_mapy().liczba_tekstur();
  double zmiana_max = 0;
  for (int k = 0; k < 5; ++k) {
    if (k > 0) do_zaladowania(plan, obrazy);
    QElapsedTimer t;
    t.start();
    obrazy.zastosuj({KOLUMNA_0, WIERSZ_0, edytor.kamera.przes_x, edytor.kamera.przes_y, 0.0012});
    zmiana_max = std::max(zmiana_max, ms(t));
  }
  std::printf("zmiana początku z %zu wczytanymi kaflami: najdłużej %.2f ms (cel <= 5)\n", tekstury, zmiana_max);

  okno.plan()->ustaw_obrazy(&okno.obrazy());
  obrazy.zwolnij_gl();
  std::filesystem::remove_all(katalog);
  return 0;
}
