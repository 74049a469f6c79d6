#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "imagery/obrazki.h"
#include "imagery/plik_cor.h"
#include "imagery/satki.h"
#include "view/klatka.h"
#include "view/sterowanie.h"

class widok_planu;
struct stan_edytora;

// The pictures and the orthophoto tiles of the running editor: the frame's imagery layers, the
// picture grabs of picture mode, the blinking timer and the hand-off of decoded tiles to the GL
// thread. Textures are made and deleted only with the plan's context current: in its frames,
// or inside z_kontekstem.
class obrazy_planu : public QObject, public warstwy_obrazow, public zdjecia_pod_mysza {
 public:
  // Tiles ("sat/...") are looked for in the user's data folder (where imports go when the program
  // folder cannot be written), the program folder, then the data folder; picture paths that
  // are relative and not found from the working directory are taken from the program folder.
  obrazy_planu(widok_planu& plan, stan_edytora& edytor, const std::string& katalog_danych,
               ustawienia_satek ustawienia = {});
  ~obrazy_planu() override;

  lista_obrazkow& zdjecia() { return *zdjecia_; }
  magazyn_satek& satki_mapy() { return *satki_; }

  // "Ortofotomapa" and the tile opacity slider.
  bool satki_widoczne() const { return satki_widoczne_; }
  void pokaz_satki(bool widoczne);
  double przezroczystosc_satek() const { return przezroczystosc_satek_; }
  void ustaw_przezroczystosc_satek(int pozycja_suwaka);
  // Shown tiles in view are still coming.
  bool laduje() const { return satki_widoczne_ && satki_->laduje(); }

  // A tile-coordinates record: the origin into the store (every tile released) and the camera.
  void zastosuj(const wspolrzedne_satek& w);
  wspolrzedne_satek wspolrzedne() const;
  const widok& kamera() const;

  // "Migający": the timer runs only while pictures blink, and wakes only when they appear or
  // disappear.
  void ustaw_miganie(bool miganie);
  bool timer_migania_aktywny() const { return miganie_.isActive(); }

  // Runs `f` with the plan's context current (textures made or deleted outside a frame).
  void z_kontekstem(const std::function<void()>& f);
  // With the context current: every texture goes, the lists stay empty.
  void zwolnij_gl();
  const std::string& folder_programu() const { return katalog_programu_; }
  // The picture path as it can be opened (see the constructor).
  std::string sciezka_zdjecia(const std::string& sciezka) const;

  // Told after every change of the pictures (the main window marks and redraws).
  std::function<void()> po_edycji_zdjec;
  // Told after a hit test: the picture controls follow what was hit.
  std::function<void(const trafienie_obrazka&)> po_trafieniu;
  // Told after each frame while tiles in view are coming, and once with gotowe == wszystkie.
  std::function<void(magazyn_satek::postep)> po_postepie;
  // Tells the change of the pictures.
  void po_zmianie_zdjec();

  // warstwy_obrazow
  void satki(malarz& m, const widok& w) override;
  void zdjecia(malarz& m, const widok& w) override;
  void ramki_zdjec(malarz& m, const widok& w) override;
  bool ukryte_przez_miganie() const override { return zdjecia_->ukryte_przez_miganie(); }

  // zdjecia_pod_mysza
  void chwyc(double x, double y) override;
  bool chwycone() const override;
  bool zablokowane() const override;
  void przesun(double dx, double dy) override;
  void obroc(double dx) override;
  void pusc() override;

 private:
  void po_klatce();
  void nastepna_zmiana_migania();

  widok_planu& plan_;
  stan_edytora& edytor_;
  const std::string katalog_programu_;
  std::unique_ptr<lista_obrazkow> zdjecia_;
  std::unique_ptr<magazyn_satek> satki_;
  bool satki_widoczne_ = false;
  double przezroczystosc_satek_ = 1.0;
  bool ladowalo_ = false;     // the last frame still waited for tiles
  QTimer miganie_;
  QTimer dociaganie_;  // another frame while decoded tiles wait for their textures
};
