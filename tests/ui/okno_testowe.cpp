#include "ui/okno_testowe.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTest>

#include "io/strumien_rekordow.h"
#include "support/uklad_testowy.h"
#include "ui/katalogi_dialogow.h"

okno_testowe::okno_testowe() : okno(dok, edytor, KATALOG_DANYCH) {
  // Every test starts with the dialogs on their own folders.
  QSettings().remove(GRUPA_KATALOGOW_DIALOGOW);
  dialogi& d = okno.pytania();
  const auto odpowiedz_plikiem = [this](QWidget*, const QString& katalog, const QString& wzor) {
    katalogi << katalog;
    wzory << wzor;
    if (pliki.empty()) return std::string();
    std::string p = pliki.front();
    pliki.pop_front();
    return p;
  };
  d.otworz_plik = odpowiedz_plikiem;
  d.zapisz_plik = odpowiedz_plikiem;
  d.zapytaj = [this](QWidget*, const QString&) {
    ++pytania;
    return odpowiedz;
  };
  okno.show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&okno));
}

void okno_testowe::wczytaj_szablony() { dok.tor.wczytaj_szablony(KATALOG_DANYCH + "/dataeditor/sb.txt"); }

void zbuduj_luk(tor_uklad& tor) {
  tor_punkt* srodek = dodaj_punkt_toru(tor, 100, 0, 10);
  polacz_tor(tor, dodaj_punkt_toru(tor, 0, 0), srodek);
  polacz_tor(tor, srodek, dodaj_punkt_toru(tor, 100, 100));
  tor.przelicz_wszystko();
}

void zbuduj_blad(tor_uklad& tor) {
  tor_punkt* srodek = dodaj_punkt_toru(tor, 30, 20, 50);
  polacz_tor(tor, dodaj_punkt_toru(tor, 20, 20), srodek);
  polacz_tor(tor, srodek, dodaj_punkt_toru(tor, 30, 30));
  tor.przelicz_wszystko();
}

std::vector<std::uint8_t> rekordy(const tor_uklad& tor) {
  pisarz_rekordow s;
  tor.zapisz(s);
  return s.dane();
}
