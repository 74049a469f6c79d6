#include "ui/autozapis.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "dokument/dokument.h"
#include "app/log.h"
#include "io/projekt.h"
#include "ui/okno_glowne.h"
#include "ui/stos_cofania.h"

namespace {
constexpr const char* PLIK_KOPII = "autozapis.vxm";
constexpr const char* PLIK_BLOKADY = "autozapis.lock";

void zapisz_blad(const std::string& blad) {
  if (!blad.empty()) log_pisz("Autozapis: %s\n", blad.c_str());
}
}  // namespace

autozapis::autozapis(const dokument& dok, const QString& katalog, int odstep_ms)
    : dok_(dok), blokada_(katalog + "/" + PLIK_BLOKADY), sciezka_((katalog + "/" + PLIK_KOPII).toStdString()) {
  // A lock left by a run that was killed is stale (its process is gone) and is taken over; a
  // live editor's lock never grows stale with age, however long it runs.
  blokada_.setStaleLockTime(0);
  czynny_ = QDir().mkpath(katalog) && blokada_.tryLock(0);
  if (!czynny_) {
    log_pisz("Autozapis: folder %s zajety lub niedostepny\n", katalog.toUtf8().constData());
    return;
  }
  zegar_.setInterval(odstep_ms);
  connect(&zegar_, &QTimer::timeout, this, &autozapis::zapisz_jesli_trzeba);
  zegar_.start();
}

void autozapis::po_edycji() {
  if (++edycje_ >= EDYCJI_NA_KOPIE) zapisz_jesli_trzeba();
}

void autozapis::zapisz_jesli_trzeba() {
  if (!czynny_ || !dok_.zmieniony() || dok_.wersja() == wersja_kopii_) return;
  // The next tick or edit tries again.
  if (kopia_.w_toku()) return;
  zapisz_blad(kopia_.czekaj());
  std::error_code blad;
  if (!dok_.plik().empty() && std::filesystem::equivalent(dok_.plik(), sciezka_, blad)) {
    log_pisz("Autozapis: projekt jest plikiem kopii, pominiety\n");
    return;
  }
  kopia_.zacznij(sciezka_, dok_.tor, dok_.trasa);
  pisana_ = true;
  wersja_kopii_ = dok_.wersja();
  edycje_ = 0;
}

void autozapis::usun() {
  if (!czynny_) return;
  czekaj();
  std::remove(sciezka_.c_str());
  edycje_ = 0;
}

void autozapis::zakoncz() {
  if (pisana_) usun();
}

void autozapis::czekaj() { zapisz_blad(kopia_.czekaj()); }

QString katalog_autozapisu() { return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation); }

bool zaproponuj_odzyskanie(okno_glowne& okno, dokument& dok, const autozapis& kopia) {
  if (!kopia.czynny()) return false;
  const QFileInfo plik(QString::fromStdString(kopia.sciezka()));
  if (!plik.exists()) return false;
  const QString pytanie =
      "Znaleziono niezapisany układ z " + plik.lastModified().toString("dd.MM.yyyy HH:mm") + ". Przywrócić?";
  if (!okno.pytania().zapytaj(&okno, pytanie)) return false;
  if (!wczytaj_projekt(kopia.sciezka(), dok.tor, dok.trasa).ok) return false;
  dok.zaimportowany();
  okno.pokaz_wszystko();
  return true;
}

void podlacz_autozapis(okno_glowne& okno, const dokument& dok, autozapis& kopia) {
  QObject::connect(&okno.cofanie(), &stos_cofania::zmieniono, &kopia, &autozapis::po_edycji);
  // After the window's own handler has saved.
  QObject::connect(okno.menu().zapisz_projekt, &QAction::triggered, &kopia, [&dok, &kopia] {
    if (!dok.zmieniony()) kopia.usun();
  });
}
