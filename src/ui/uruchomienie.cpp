#include "ui/uruchomienie.h"

#include <QCommandLineParser>
#include <QSurfaceFormat>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "dokument/dokument.h"
#include "app/katalog_danych.h"
#include "app/log.h"
#include "app/stan.h"
#include "imagery/tekstura.h"
#include "ui/okno_glowne.h"
#include "ui/polecenia_obrazow.h"
#include "ui/widok_planu.h"

opcje_uruchomienia czytaj_wiersz_polecen(const QStringList& argumenty) {
  QCommandLineParser parser;
  parser.setApplicationDescription("Vialtor: edytor układów torów tramwajowych.");
  parser.addHelpOption();
  const QCommandLineOption zrzut("zrzut", "Po pierwszej klatce zapisuje obraz okna jako PNG i kończy pracę.",
                                 "OBRAZ.png");
  parser.addOption(zrzut);
  const QCommandLineOption autozapis("autozapis", "Odstęp kopii niezapisanych zmian w milisekundach (zwykle 2 minuty).",
                                     "MS");
  parser.addOption(autozapis);
  parser.addPositionalArgument("PLIK", "Projekt (.vxm), projekt 0.945b (.vxp) lub postać tekstowa (.txt).",
                               "[PLIK]");
  parser.process(argumenty);
  opcje_uruchomienia o;
  if (!parser.positionalArguments().isEmpty()) o.plik = parser.positionalArguments().first().toStdString();
  o.zrzut = parser.value(zrzut).toStdString();
  if (parser.isSet(autozapis)) {
    bool liczba = false;
    const int ms = parser.value(autozapis).toInt(&liczba);
    if (!liczba || ms <= 0) {
      std::fprintf(stderr, "--autozapis: oczekiwano dodatniej liczby milisekund\n");
      std::exit(1);
    }
    o.autozapis_ms = ms;
  }
  return o;
}

void ustaw_format_gl() {
  QSurfaceFormat format;
  format.setVersion(2, 1);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  QSurfaceFormat::setDefaultFormat(format);
}

std::string katalog_danych_programu() {
  const std::string katalog = znajdz_katalog_danych();
  return katalog.empty() ? "data" : katalog;
}

void po_utworzeniu_kontekstu(okno_glowne& okno, dokument& dok, const std::string& katalog_danych) {
  okno.plan()->makeCurrent();
  dok.tor.wczytaj_szablony(katalog_danych + "/" + PLIK_SZABLONOW);
  stan.tekstura_zdarzen = laduj_teksture(katalog_danych + "/" + ATLAS_ZDARZEN);
  okno.polecenia_obrazow_okna().wczytaj_domyslne();

  const std::time_t teraz = std::time(nullptr);
  const std::tm* czas = std::localtime(&teraz);
  log_pisz("Vialtor started at %d:%d:%d %d/%d/%d\n", czas->tm_hour, czas->tm_min, czas->tm_sec, czas->tm_mday,
           czas->tm_mon + 1, czas->tm_year + 1900);
  const informacje_gl& gl = okno.plan()->gl();
  log_pisz("OpenGL Vendor:   [%s]\n", gl.dostawca.c_str());
  log_pisz("OpenGL Renderer: [%s]\n", gl.renderer.c_str());
  log_pisz("OpenGL Version:  [%s]\n", gl.wersja.c_str());
  // No driver reports its memory here.
  log_pisz("windows get renderer info error\n");
  log_pisz("Graphics Memory:   [%d]\n", 0);
  log_pisz("\nObslugiwane rozszerzenia:   [%s]\n\n", gl.rozszerzenia.c_str());
  log_pisz("\n\n\nmain loop\n");
}

void otworz_z_wiersza_polecen(okno_glowne& okno, const std::string& plik) {
  const auto wersja = okno.dok().wersja();
  okno.pliki().otworz(plik);
  // A refused file leaves the default view.
  if (okno.dok().wersja() != wersja) okno.pokaz_wszystko();
}

void zamknij_program(std::unique_ptr<okno_glowne> okno, dokument& dok) {
  log_pisz("\n\n\nshutdown\n");
  okno->plan()->makeCurrent();
  usun_teksture(stan.tekstura_zdarzen);
  okno->plan()->doneCurrent();
  okno.reset();
  dok.tor.wyczysc();
  log_pisz("bye, bye...\n");
  log_zamknij();
}
