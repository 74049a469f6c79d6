#include "ui/import_ortofotomapy.h"

#include <QProgressDialog>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/komunikaty.h"
#include "app/log.h"
#include "mapy/uslugi_map.h"
#include "ui/dialogi.h"
#include "ui/modul_map.h"
#include "ui/ustawienia.h"

namespace fs = std::filesystem;

namespace {
constexpr const char* WZOR_RASTRA = "*.tif *.tiff *.jp2 *.jpg *.jpeg *.png *.bmp *.gif *.vrt *.img";
constexpr int OKRES_POSTEPU_MS = 100;
// The tiling's thread and the warper threads it starts yield to the GUI and the renderer: on a
// machine of few cores the import may take longer, the frames may not.
constexpr int UPRZEJMOSC_WATKU = 10;

bool mozna_pisac(const fs::path& folder) {
  std::error_code blad;
  fs::create_directories(folder, blad);
  if (blad) return false;
  const fs::path proba = folder / ".vialtor_zapis";
  const bool dobrze = static_cast<bool>(std::ofstream(proba));
  fs::remove(proba, blad);
  return dobrze;
}
}  // namespace

std::string katalog_danych_uzytkownika() {
  return katalog_uzytkownika().toStdString();
}

std::string katalog_importu(const std::string& katalog_programu) {
  return mozna_pisac(fs::path(katalog_programu) / "sat") ? katalog_programu : katalog_danych_uzytkownika();
}

import_ortofotomapy::import_ortofotomapy(QWidget* okno, dialogi& pytania, std::string katalog_programu)
    : QObject(okno), okno_(okno), pytania_(pytania), katalog_programu_(std::move(katalog_programu)) {
  zegar_.setInterval(OKRES_POSTEPU_MS);
  connect(&zegar_, &QTimer::timeout, this, [this] { sprawdz_postep(); });
}

import_ortofotomapy::~import_ortofotomapy() {
  przerwij_ = true;
  if (watek_.joinable()) watek_.join();
}

void import_ortofotomapy::rozpocznij() {
  if (trwa()) return;
  const uslugi_map* mapy = uslugi_mapy();
  if (!mapy) return;
  const std::string raster = pytania_.otworz_plik(okno_, QString(), WZOR_RASTRA);
  if (raster.empty()) return;
  const std::string katalog = katalog_importu(katalog_programu_);
  ustawienia_ciecia ustawienia;
  ustawienia.crs = crs_planu().toStdString();
  log_pisz("import ortofotomapy: [%s] do [%s] w %s\n", raster.c_str(), katalog.c_str(), ustawienia.crs.c_str());

  przerwij_ = false;
  gotowe_ = false;
  zrobione_ = wszystkie_ = zapisane_ = 0;
  if (!dialog_) {
    dialog_ = new QProgressDialog(okno_);
    dialog_->setObjectName("postep_importu");
    dialog_->setWindowTitle("Importuj ortofotomapę");
    dialog_->setCancelButtonText("Przerwij");
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->setMinimumDuration(0);
    connect(dialog_, &QProgressDialog::canceled, this, [this] { przerwij_ = true; });
  }
  dialog_->setLabelText("Cięcie ortofotomapy na satki...");
  dialog_->setRange(0, 0);
  dialog_->setValue(0);
  dialog_->show();
  watek_ = std::thread([this, mapy, raster, katalog, ustawienia] {
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), UPRZEJMOSC_WATKU);
    wynik_ = mapy->tnij_na_satki({raster}, katalog, ustawienia, [this](const postep_ciecia& p) {
      zrobione_ = p.zrobione;
      wszystkie_ = p.wszystkie;
      zapisane_ = p.zapisane;
      return !przerwij_;
    });
    gotowe_ = true;
  });
  zegar_.start();
}

void import_ortofotomapy::sprawdz_postep() {
  if (gotowe_) {
    zakoncz();
    return;
  }
  const std::size_t wszystkie = wszystkie_;
  if (wszystkie > 0) {
    dialog_->setRange(0, static_cast<int>(wszystkie));
    dialog_->setValue(static_cast<int>(zrobione_.load()));
  }
  dialog_->setLabelText(QString("Cięcie ortofotomapy na satki... zapisanych: %1").arg(zapisane_.load()));
}

void import_ortofotomapy::zakoncz() {
  zegar_.stop();
  watek_.join();
  dialog_->hide();
  log_pisz("import ortofotomapy: satek zapisanych %zu\n", wynik_.zapisane);
  switch (wynik_.koniec) {
    case koniec_ciecia::odmowa:
    case koniec_ciecia::blad_odczytu:
      pokaz_tekst(wynik_.komunikat);
      return;
    case koniec_ciecia::przerwane:
      return;
    case koniec_ciecia::zrobione:
      break;
  }
  if (wynik_.plik_cor.empty()) {
    pokaz_tekst("Raster nie ma danych obrazu: żadna satka nie została zapisana.");
    return;
  }
  if (po_imporcie) po_imporcie(wynik_.plik_cor);
}
