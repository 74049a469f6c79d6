#include "ui/autozapis.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "dokument/dokument.h"
#include "app/komunikaty.h"
#include "app/log.h"
#include "io/projekt.h"
#include "ui/okno_glowne.h"
#include "ui/stos_cofania.h"
#include "ui/ustawienia.h"

namespace {
constexpr const char* KOPIA = "autozapis";

// The n-th copy's name without its extension: "autozapis", "autozapis-2", ...
QString nazwa_kopii(int n) { return n == 1 ? QString(KOPIA) : QString(KOPIA) + "-" + QString::number(n); }

void zapisz_blad(const std::string& blad) {
  if (!blad.empty()) log_pisz("Autozapis: %s\n", blad.c_str());
}

std::string opis_bledu_blokady(QLockFile::LockError blad) {
  return blad == QLockFile::PermissionError ? "brak uprawnień do zapisu" : "nie można utworzyć pliku blokady";
}

// A lock left by a run that was killed is stale (its process is gone) and is taken over; a live
// editor's lock never grows stale with age, however long it runs.
std::unique_ptr<QLockFile> blokada_kopii(const QString& katalog, const QString& nazwa) {
  auto blokada = std::make_unique<QLockFile>(katalog + "/" + nazwa + ".lock");
  blokada->setStaleLockTime(0);
  return blokada;
}
}  // namespace

autozapis::autozapis(const dokument& dok, const QString& katalog, int odstep_ms) : dok_(dok), katalog_(katalog) {
  if (!zajmij()) log_pisz("Autozapis: folder %s niedostepny: %s\n", katalog.toUtf8().constData(), blad_.c_str());
  // Also while the folder cannot be had: each tick tries again.
  zegar_.setInterval(odstep_ms);
  connect(&zegar_, &QTimer::timeout, this, &autozapis::zapisz_jesli_trzeba);
  zegar_.start();
}

bool autozapis::zajmij() {
  std::error_code blad;
  std::filesystem::create_directories(katalog_.toStdString(), blad);
  if (blad) {
    blad_ = blad.message();
    return false;
  }
  for (int n = 1; n <= NAJWIECEJ_KOPII; ++n) {
    std::unique_ptr<QLockFile> blokada = blokada_kopii(katalog_, nazwa_kopii(n));
    if (blokada->tryLock(0)) {
      blokada_ = std::move(blokada);
      sciezka_ = (katalog_ + "/" + nazwa_kopii(n) + ".vxm").toStdString();
      blad_.clear();
      return true;
    }
    if (blokada->error() != QLockFile::LockFailedError) {
      blad_ = opis_bledu_blokady(blokada->error());
      return false;
    }
  }
  blad_ = "wszystkie " + std::to_string(NAJWIECEJ_KOPII) + " kopii zajmują działające edytory";
  return false;
}

std::vector<QFileInfo> autozapis::do_odzyskania() const {
  static const QRegularExpression wzor(QString("^") + KOPIA + "(-[0-9]+)?\\.vxm$");
  const QString wlasna = czynny() ? QFileInfo(QString::fromStdString(sciezka_)).fileName() : QString();
  std::vector<QFileInfo> kopie;
  for (const QFileInfo& plik : QDir(katalog_).entryInfoList({QString(KOPIA) + "*.vxm"}, QDir::Files)) {
    if (!wzor.match(plik.fileName()).hasMatch()) continue;
    // Another editor's copy is offered only when its lock can be had: that editor is gone.
    if (plik.fileName() != wlasna && !blokada_kopii(katalog_, plik.completeBaseName())->tryLock(0)) continue;
    kopie.push_back(plik);
  }
  std::sort(kopie.begin(), kopie.end(),
            [](const QFileInfo& a, const QFileInfo& b) { return a.lastModified() > b.lastModified(); });
  return kopie;
}

void autozapis::zglos_niedostepnosc() {
  if (blad_.empty() || zgloszono_) return;
  zgloszono_ = true;
  pokaz_tekst("Kopie awaryjne nie mogą być zapisywane w " + katalog_.toStdString() + ": " + blad_);
}

void autozapis::po_edycji() {
  if (++edycje_ >= EDYCJI_NA_KOPIE) zapisz_jesli_trzeba();
}

void autozapis::sprawdz_kopie() {
  const std::string blad = kopia_.czekaj();
  if (blad.empty()) {
    if (pisana_) usun_przejete();
    return;
  }
  zapisz_blad(blad);
  blad_ = blad;
  // The next tick writes again.
  wersja_kopii_ = 0;
  zglos_niedostepnosc();
}

void autozapis::zapisz_jesli_trzeba() {
  if (!czynny() && !zajmij()) return;
  // The next tick or edit tries again.
  if (kopia_.w_toku()) return;
  sprawdz_kopie();
  if (!dok_.zmieniony() || dok_.wersja() == wersja_kopii_) return;
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

void autozapis::usun_przejete() {
  for (const std::string& p : przejete_) std::remove(p.c_str());
  przejete_.clear();
}

void autozapis::usun() {
  if (!czynny()) return;
  czekaj();
  std::remove(sciezka_.c_str());
  usun_przejete();
  edycje_ = 0;
}

void autozapis::zakoncz() {
  if (pisana_) usun();
}

void autozapis::czekaj() { zapisz_blad(kopia_.czekaj()); }

QString katalog_autozapisu() { return katalog_uzytkownika(); }

namespace {
QString rozmiar_pliku(qint64 bajty) {
  return bajty < 1024 ? QString::number(bajty) + " B" : QString::number((bajty + 1023) / 1024) + " KB";
}
}  // namespace

bool zaproponuj_odzyskanie(okno_glowne& okno, dokument& dok, autozapis& kopia) {
  for (const QFileInfo& plik : kopia.do_odzyskania()) {
    const QString pytanie = "Znaleziono niezapisany układ z " + plik.lastModified().toString("dd.MM.yyyy HH:mm") +
                            " (" + rozmiar_pliku(plik.size()) + "). Przywrócić?";
    if (!okno.pytania().zapytaj(&okno, pytanie)) continue;
    const std::string sciezka = plik.filePath().toStdString();
    if (!wczytaj_projekt(sciezka, dok.tor, dok.trasa).ok) continue;
    dok.zaimportowany();
    if (plik.fileName() != QFileInfo(QString::fromStdString(kopia.sciezka())).fileName()) kopia.przejmij(sciezka);
    okno.pokaz_wszystko();
    return true;
  }
  return false;
}

void podlacz_autozapis(okno_glowne& okno, const dokument& dok, autozapis& kopia) {
  QObject::connect(&okno.cofanie(), &stos_cofania::zmieniono, &kopia, &autozapis::po_edycji);
  // After the window's own handler has saved.
  QObject::connect(okno.menu().zapisz_projekt, &QAction::triggered, &kopia, [&dok, &kopia] {
    if (!dok.zmieniony()) kopia.usun();
  });
}
