#include "ui/import_osm_edytora.h"

#include <QEventLoop>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <atomic>

#include "app/komunikaty.h"
#include "app/log.h"
#include "dokument/dokument.h"
#include "io/projekt.h"
#include "mapy/uslugi_map.h"
#include "ui/modul_map.h"
#include "ui/mysz_planu.h"
#include "ui/obrazy_planu.h"
#include "ui/okno_glowne.h"
#include "ui/ustawienia.h"
#include "ui/widok_planu.h"
#include "view/stan_edytora.h"

namespace {
constexpr const char* PLIKI_OSM = "*.osm *.osm.pbf *.pbf *.osm.bz2";
// The zoom at which a junction fills a good part of the plan.
constexpr double SKALA_ROZJAZDU = 0.02;

QString para(wektor p) { return QString::number(p.x, 'f', 1) + " " + QString::number(p.y, 'f', 1); }
}  // namespace

okno_raportu_osm::okno_raportu_osm(okno_glowne& okno, const raport_importu_osm& raport, const std::string& opis)
    : QDialog(&okno), okno_(okno), miejsca_(raport.rozjazdy) {
  setObjectName("raport_osm");
  setWindowTitle("Import z OpenStreetMap");
  auto* uklad = new QVBoxLayout(this);
  tekst = new QPlainTextEdit(QString::fromStdString(opis), this);
  tekst->setReadOnly(true);
  tekst->setMinimumSize(520, 220);
  uklad->addWidget(tekst);
  uklad->addWidget(new QLabel("Rozjazdy do wstawienia:", this));
  rozjazdy = new QListWidget(this);
  rozjazdy->setObjectName("rozjazdy");
  for (wektor p : miejsca_) rozjazdy->addItem("rozjazd do wstawienia: " + para(p));
  uklad->addWidget(rozjazdy);
  pokaz = new QPushButton("Pokaż", this);
  pokaz->setObjectName("pokaz_rozjazd");
  pokaz->setEnabled(!miejsca_.empty());
  uklad->addWidget(pokaz);
  auto* zamknij = new QPushButton("OK", this);
  uklad->addWidget(zamknij);
  connect(pokaz, &QPushButton::clicked, this, [this] { pokaz_rozjazd(); });
  connect(rozjazdy, &QListWidget::itemDoubleClicked, this, [this] { pokaz_rozjazd(); });
  connect(zamknij, &QPushButton::clicked, this, &QDialog::close);
  if (!miejsca_.empty()) rozjazdy->setCurrentRow(0);
}

void okno_raportu_osm::pokaz_rozjazd() {
  const int nr = rozjazdy->currentRow();
  if (nr < 0 || nr >= static_cast<int>(miejsca_.size())) return;
  widok& kamera = okno_.edytor().kamera;
  kamera.przes_x = -miejsca_[static_cast<std::size_t>(nr)].x;
  kamera.przes_y = -miejsca_[static_cast<std::size_t>(nr)].y;
  kamera.skala = SKALA_ROZJAZDU;
  okno_.odswiez();
}

import_osm_edytora::import_osm_edytora(okno_glowne& okno, const std::string& katalog_danych)
    : okno_(okno), katalog_(QString::fromStdString(katalog_danych) + "/projects") {}

import_osm_edytora::~import_osm_edytora() = default;

void import_osm_edytora::uruchom() {
  if (!uslugi_mapy() || !okno_.pliki().mozna_porzucic()) return;
  const std::string sciezka = okno_.pytania().otworz_plik(&okno_, katalog_, PLIKI_OSM);
  if (sciezka.empty()) {
    brak_pliku_do_wczytania();
    return;
  }
  importuj_z(sciezka);
}

void import_osm_edytora::importuj_z(const std::string& sciezka) {
  const uslugi_map* mapy = uslugi_mapy();
  if (!mapy) return;
  opcje_importu_osm opcje;
  opcje.crs = crs_planu().toStdString();
  const magazyn_satek& satki = okno_.obrazy().satki_mapy();
  opcje.poczatek = std::array<std::int32_t, 2>{satki.kolumna_poczatku(), satki.wiersz_poczatku()};
  opcje.odmow_ujemnych = true;

  // The worker builds a layout of its own; the document changes only on the main thread, and
  // only when the import succeeded.
  dokument& dok = okno_.dok();
  tor_uklad nowy;
  nowy.przeswit_akt = dok.tor.przeswit_akt;
  trasa_info trasa = dok.trasa;
  wynik_importu_osm wynik;
  std::atomic<int> procent{0};
  QProgressDialog postep("Import torów z OpenStreetMap…", QString(), 0, 100, &okno_);
  postep.setObjectName("postep_osm");
  postep.setWindowModality(Qt::WindowModal);
  postep.setMinimumDuration(400);
  std::unique_ptr<QThread> watek(QThread::create([&] {
    wynik = mapy->importuj_osm(sciezka, opcje, nowy, trasa, [&](int p) { procent = p; });
  }));
  QEventLoop petla;
  QObject::connect(watek.get(), &QThread::finished, &petla, &QEventLoop::quit);
  QTimer zegar;
  QObject::connect(&zegar, &QTimer::timeout, &postep, [&] { postep.setValue(procent); });
  okno_.setEnabled(false);
  zegar.start(100);
  watek->start();
  petla.exec();
  watek->wait();
  zegar.stop();
  postep.reset();
  okno_.setEnabled(true);

  if (!wynik.ok) {
    log_pisz("Import OSM: %s\n", wynik.blad.c_str());
    pokaz_tekst(wynik.blad);
    return;
  }
  dok.tor.wyczysc();
  dok.tor.p.swap(nowy.p);
  dok.tor.l.swap(nowy.l);
  dok.tor.przelicz_wszystko();
  dok.trasa = trasa;
  dok.zaimportowany();
  const std::string tekst = mapy->tekst_raportu(wynik.raport);
  log_pisz("%s", tekst.c_str());
  okno_.mysz().edycja().po_poleceniu(true);
  okno_.pokaz_wszystko();
  delete raport_;
  raport_ = new okno_raportu_osm(okno_, wynik.raport, tekst);
  raport_->show();
}
