#include "ui/obrazy_planu.h"

#include <malloc.h>
#include <QOpenGLContext>
#include <cmath>
#include <filesystem>

#include <GL/gl.h>

#include "imagery/ladowacz_watkowy.h"
#include "app/komunikaty.h"
#include "imagery/tekstura.h"
#include "ui/import_ortofotomapy.h"
#include "ui/widok_planu.h"
#include "ui/zdjecia_z_mapy.h"
#include "view/stan_edytora.h"

namespace {

// Tiles are 256 pixels; a larger one is decoded smaller rather than refused by GL.
constexpr int MAKS_BOK_SATKI = 2048;
// The blink cycle's frames as they pass at 60 frames a second: a cycle of half a second.
constexpr double KLATKA_MIGANIA_MS = 1000.0 / 60;
// While decoded tiles wait for their textures, the next frame comes this soon.
constexpr int OKRES_DOCIAGANIA_MS = 15;
constexpr double KROK_SUWAKA = 0.025;

std::string katalog_programu(const std::string& katalog_danych) {
  const std::filesystem::path p = std::filesystem::path(katalog_danych).lexically_normal().parent_path();
  return p.empty() ? "." : p.string();
}

bool istnieje(const std::string& sciezka) {
  std::error_code blad;
  return std::filesystem::is_regular_file(sciezka, blad);
}

}  // namespace

obrazy_planu::obrazy_planu(widok_planu& plan, stan_edytora& edytor, const std::string& katalog_danych,
                           ustawienia_satek ustawienia)
    : plan_(plan), edytor_(edytor), katalog_programu_(katalog_programu(katalog_danych)) {
  zdjecia_ = std::make_unique<lista_obrazkow>(tekstury_obrazkow{
      [this](const std::string& sciezka, std::string& powod) {
        return laduj_teksture_zdjecia(sciezka_zdjecia(sciezka), &powod);
      },
      [](unsigned& id) { usun_teksture(id); }});
  // The worker asks for a frame from its own thread: the request is queued to this one.
  auto ladowacz = std::make_unique<ladowacz_watkowy>(
      std::vector<std::string>{katalog_danych_uzytkownika(), katalog_programu_, katalog_danych}, MAKS_BOK_SATKI,
      [this] { QMetaObject::invokeMethod(this, [this] { plan_.update(); }, Qt::QueuedConnection); });
  satki_ = std::make_unique<magazyn_satek>(
      std::move(ladowacz), tekstury_satek{[](const obraz& o) { return zbuduj_teksture(o, zapis_tekstury::skompresowany); },
                                          [](unsigned& id) { usun_teksture(id); }},
      ustawienia);
  satki_->ustaw_poczatek(4780, 6192);

  // A frame only where the pictures appear or disappear, and only when the view shows them.
  miganie_.setSingleShot(true);
  miganie_.setTimerType(Qt::PreciseTimer);
  connect(&miganie_, &QTimer::timeout, this, [this] {
    zdjecia_->krok_migania(zdjecia_->klatki_do_zmiany());
    const bool zdjecia_rysowane = edytor_.pokaz_zdjecia || edytor_.tryb_edycji == TRYB_ZDJECIA;
    if (zdjecia_rysowane && zdjecia_->widac_w(widoczny_prostokat(edytor_.kamera))) plan_.migniecie();
    nastepna_zmiana_migania();
  });
  dociaganie_.setSingleShot(true);
  dociaganie_.setInterval(OKRES_DOCIAGANIA_MS);
  connect(&dociaganie_, &QTimer::timeout, &plan_, [this] { plan_.update(); });
  connect(&plan_, &widok_planu::narysowano, this, [this] { po_klatce(); });
}

obrazy_planu::~obrazy_planu() {
  zwolnij_gl();
  // The worker ends before the store and the picture list go.
  satki_.reset();
}

void obrazy_planu::z_kontekstem(const std::function<void()>& f) {
  // Without a context no texture was ever made: nothing of GL runs in `f` then.
  if (!plan_.context() || QOpenGLContext::currentContext() == plan_.context()) {
    f();
    return;
  }
  plan_.makeCurrent();
  f();
  plan_.doneCurrent();
}

void obrazy_planu::zwolnij_gl() {
  z_kontekstem([this] {
    zdjecia_->zastap({});
    satki_->ustaw_poczatek(satki_->kolumna_poczatku(), satki_->wiersz_poczatku());
  });
}

std::string obrazy_planu::sciezka_zdjecia(const std::string& sciezka) const {
  if (sciezka.empty() || std::filesystem::path(sciezka).is_absolute() || istnieje(sciezka)) return sciezka;
  const std::string w_programie = katalog_programu_ + "/" + sciezka;
  return istnieje(w_programie) ? w_programie : sciezka;
}

void obrazy_planu::pokaz_satki(bool widoczne) {
  satki_widoczne_ = widoczne;
  plan_.update();
}

void obrazy_planu::ustaw_przezroczystosc_satek(int pozycja_suwaka) {
  przezroczystosc_satek_ = pozycja_suwaka * KROK_SUWAKA;
  plan_.update();
}

void obrazy_planu::zastosuj(const wspolrzedne_satek& w) {
  z_kontekstem([&] { satki_->ustaw_poczatek(w.kolumna, w.wiersz); });
  edytor_.kamera.przes_x = w.przes_x;
  edytor_.kamera.przes_y = w.przes_y;
  edytor_.kamera.skala = w.skala;
  plan_.update();
}

const widok& obrazy_planu::kamera() const { return edytor_.kamera; }

wspolrzedne_satek obrazy_planu::wspolrzedne() const {
  return {satki_->kolumna_poczatku(), satki_->wiersz_poczatku(), edytor_.kamera.przes_x, edytor_.kamera.przes_y,
          edytor_.kamera.skala};
}

void obrazy_planu::ustaw_miganie(bool miganie) {
  zdjecia_->ustaw_miganie(miganie);
  if (miganie)
    nastepna_zmiana_migania();
  else
    miganie_.stop();
  plan_.update();
}

void obrazy_planu::nastepna_zmiana_migania() {
  miganie_.start(static_cast<int>(std::lround(zdjecia_->klatki_do_zmiany() * KLATKA_MIGANIA_MS)));
}

// The plan's framebuffer is composed into the window as premultiplied colour: translucent
// imagery blended into its alpha would leave colours above their alpha, which wrap into garbage
// on screen. The background's opaque alpha is kept.
void obrazy_planu::satki(malarz& m, const widok& w) {
  if (!satki_widoczne_) return;
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
  satki_->rysuj(m, w, przezroczystosc_satek_);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}

void obrazy_planu::zdjecia(malarz& m, const widok&) {
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
  zdjecia_->rysuj(m);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  // Told after the frame: no box opens while the plan is being drawn.
  if (std::string nieczytelne = zdjecia_->odbierz_nieczytelne(); !nieczytelne.empty())
    QTimer::singleShot(0, this, [nieczytelne] { pokaz_tekst("Nie udało się odczytać obrazów:" + nieczytelne); });
}

void obrazy_planu::ramki_zdjec(malarz& m, const widok&) { zdjecia_->rysuj_ramki(m); }

void obrazy_planu::po_klatce() {
  const bool w_toku = laduje();
  if (w_toku) dociaganie_.start();
  if (!w_toku && !ladowalo_) return;
  // Decoding leaves the freed image buffers of every tile in the heaps: once the tiles in view
  // are in, they go back to the system instead of staying resident.
  if (!w_toku) malloc_trim(0);
  ladowalo_ = w_toku;
  if (po_postepie) {
    magazyn_satek::postep p = satki_->postep_ladowania();
    if (!w_toku) p.gotowe = p.wszystkie;
    po_postepie(p);
  }
}

void obrazy_planu::po_zmianie_zdjec() {
  if (po_edycji_zdjec)
    po_edycji_zdjec();
  else
    plan_.update();
}

void obrazy_planu::chwyc(double x, double y) {
  const trafienie_obrazka t = zdjecia_->trafienie(x, y, edytor_.kamera.skala);
  if (po_trafieniu) po_trafieniu(t);
  plan_.update();
}

bool obrazy_planu::chwycone() const { return zdjecia_->chwycony(); }

bool obrazy_planu::zablokowane() const {
  const int nr = zdjecia_->wybrany();
  return nr >= 0 && zdjecia_->obrazki()[static_cast<std::size_t>(nr)].zablokowany;
}

void obrazy_planu::przesun(double dx, double dy) {
  zdjecia_->przeciagnij(dx, dy);
}

void obrazy_planu::obroc(double dx) {
  if (!chwycone() || zablokowane() || dx == 0) return;
  zdjecia_->obroc(dx);
  po_zmianie_zdjec();
}

void obrazy_planu::pusc() { po_zmianie_zdjec(); }
