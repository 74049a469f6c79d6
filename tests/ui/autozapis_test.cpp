// The recovery copy: when it is written and what it holds, what removes it, the lock of its
// folder, the offer at start-up, and a real editor killed with unsaved work.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>

#include "io/gz_plik.h"
#include "io/import_txt.h"
#include "io/projekt.h"
#include "support/katalog_tymczasowy.h"
#include "ui/autozapis.h"
#include "ui/okno_testowe.h"
#include "ui/stos_cofania.h"

namespace {

using bajty = std::vector<std::uint8_t>;

bajty rekord(const dokument& d) { return rekordy_projektu(d.tor, d.trasa); }

bool jest(const std::string& sciezka) { return std::filesystem::exists(sciezka); }

// An edit as the editor makes one: the layout changes, the document takes the step.
void edytuj(dokument& dok, double x) {
  dok.tor.dodaj_punkt(x, 5, 0);
  dok.zmiana();
}

// The event loop runs until the copy is there (or the time is out).
bool czekaj_na(const std::string& sciezka, int ms) {
  return QTest::qWaitFor([&] { return jest(sciezka); }, ms);
}

}  // namespace

TEST(Autozapis, KopiaPoCzasieTylkoZeZmianami) {
  katalog_tymczasowy katalog;
  okno_testowe t;
  autozapis kopia(t.dok, QString::fromStdString(katalog.plik("stan")), 50);
  ASSERT_TRUE(kopia.czynny());
  QTest::qWait(200);
  EXPECT_FALSE(jest(kopia.sciezka())) << "nothing unsaved, nothing written";

  zbuduj_luk(t.dok.tor);
  edytuj(t.dok, 10);
  ASSERT_TRUE(czekaj_na(kopia.sciezka(), 5000));
  kopia.czekaj();
  EXPECT_EQ(wczytaj_gz(kopia.sciezka()), rekord(t.dok)) << "the copy is the project file of the layout";

  // A later edit is in the next copy; the copy does not keep what the layout held before.
  edytuj(t.dok, 20);
  EXPECT_TRUE(QTest::qWaitFor([&] { return wczytaj_gz(kopia.sciezka()) == rekord(t.dok); }, 5000));
}

TEST(Autozapis, KopiaPoDwustuEdycjach) {
  katalog_tymczasowy katalog;
  okno_testowe t;
  autozapis kopia(t.dok, QString::fromStdString(katalog.plik("stan")), 3600 * 1000);
  podlacz_autozapis(t.okno, t.dok, kopia);
  for (int i = 1; i < autozapis::EDYCJI_NA_KOPIE; ++i) edytuj(t.dok, i);
  kopia.czekaj();
  EXPECT_FALSE(jest(kopia.sciezka()));
  // Undos count as edits too.
  t.okno.cofanie().cofnij();
  kopia.czekaj();
  ASSERT_TRUE(jest(kopia.sciezka()));
  EXPECT_EQ(wczytaj_gz(kopia.sciezka()), rekord(t.dok));
}

TEST(Autozapis, ZapisIWyjscieUsuwajaKopie) {
  katalog_tymczasowy katalog;
  okno_testowe t;
  autozapis kopia(t.dok, QString::fromStdString(katalog.plik("stan")), 3600 * 1000);
  podlacz_autozapis(t.okno, t.dok, kopia);
  edytuj(t.dok, 10);
  kopia.zapisz_jesli_trzeba();
  kopia.czekaj();
  ASSERT_TRUE(jest(kopia.sciezka()));

  // A cancelled save keeps it.
  t.okno.menu().zapisz_projekt->trigger();
  EXPECT_TRUE(jest(kopia.sciezka()));
  t.pliki = {katalog.plik("projekt.vxm")};
  t.okno.menu().zapisz_projekt->trigger();
  EXPECT_FALSE(jest(kopia.sciezka()));
  kopia.zapisz_jesli_trzeba();
  kopia.czekaj();
  EXPECT_FALSE(jest(kopia.sciezka())) << "saved: nothing to copy";

  edytuj(t.dok, 20);
  kopia.zapisz_jesli_trzeba();
  kopia.czekaj();
  ASSERT_TRUE(jest(kopia.sciezka()));
  kopia.zakoncz();
  EXPECT_FALSE(jest(kopia.sciezka()));
}

TEST(Autozapis, NigdyNaPlikUzytkownika) {
  katalog_tymczasowy katalog;
  okno_testowe t;
  autozapis kopia(t.dok, QString::fromStdString(katalog.plik("stan")), 3600 * 1000);
  zbuduj_luk(t.dok.tor);
  t.pliki = {kopia.sciezka()};
  t.okno.menu().zapisz_projekt->trigger();
  ASSERT_EQ(t.dok.plik(), kopia.sciezka());
  const bajty zapisany = wczytaj_gz(kopia.sciezka());
  edytuj(t.dok, 10);
  kopia.zapisz_jesli_trzeba();
  kopia.czekaj();
  EXPECT_EQ(wczytaj_gz(kopia.sciezka()), zapisany);
}

// Editors side by side each keep a copy of their own. A start offers every copy whose editor is
// gone, newest first, and none that a running editor holds.
TEST(Autozapis, KazdyEdytorMaSwojaKopie) {
  katalog_tymczasowy katalog;
  const QString folder = QString::fromStdString(katalog.plik("stan"));
  okno_testowe pierwsze, drugie;
  auto pierwsza = std::make_unique<autozapis>(pierwsze.dok, folder, 3600 * 1000);
  auto druga = std::make_unique<autozapis>(drugie.dok, folder, 3600 * 1000);
  ASSERT_TRUE(pierwsza->czynny());
  ASSERT_TRUE(druga->czynny());
  ASSERT_NE(pierwsza->sciezka(), druga->sciezka());
  edytuj(pierwsze.dok, 10);
  edytuj(drugie.dok, 50);
  edytuj(drugie.dok, 60);
  for (autozapis* a : {pierwsza.get(), druga.get()}) {
    a->zapisz_jesli_trzeba();
    a->czekaj();
  }
  const std::string plik_pierwszej = pierwsza->sciezka();
  std::filesystem::last_write_time(plik_pierwszej,
                                   std::filesystem::last_write_time(druga->sciezka()) - std::chrono::hours(1));
  EXPECT_EQ(wczytaj_gz(plik_pierwszej), rekord(pierwsze.dok));
  EXPECT_EQ(wczytaj_gz(druga->sciezka()), rekord(drugie.dok));

  // The first editor dies; the second runs on.
  pierwsza.reset();
  okno_testowe trzecie;
  autozapis trzecia(trzecie.dok, folder, 3600 * 1000);
  QStringList pytania;
  trzecie.okno.pytania().zapytaj = [&](QWidget*, const QString& tekst) {
    pytania << tekst;
    return false;
  };
  EXPECT_FALSE(zaproponuj_odzyskanie(trzecie.okno, trzecie.dok, trzecia));
  ASSERT_EQ(pytania.size(), 1) << "the running editor's copy is not offered";
  const auto bajty = std::filesystem::file_size(plik_pierwszej);
  const QString rozmiar = bajty < 1024 ? QString::number(bajty) + " B" : QString::number((bajty + 1023) / 1024) + " KB";
  EXPECT_TRUE(pytania[0].endsWith("(" + rozmiar + "). Przywrócić?")) << pytania[0].toStdString();

  // Now the second dies too: both copies are offered, the newer first; Tak on the older one.
  druga.reset();
  pytania.clear();
  trzecie.okno.pytania().zapytaj = [&](QWidget*, const QString& tekst) {
    pytania << tekst;
    return pytania.size() == 2;
  };
  EXPECT_TRUE(zaproponuj_odzyskanie(trzecie.okno, trzecie.dok, trzecia));
  EXPECT_EQ(pytania.size(), 2);
  EXPECT_EQ(rekord(trzecie.dok), rekord(pierwsze.dok));
}

// A folder that cannot be made is told once, and taken when it can be had later.
TEST(Autozapis, NiedostepnyFolderZgloszonyRaz) {
  katalog_tymczasowy katalog;
  const std::string zajety = katalog.plik("zajety");
  std::ofstream(zajety) << "plik w miejscu folderu";
  okno_testowe t;
  autozapis kopia(t.dok, QString::fromStdString(zajety + "/vialtor"), 50);
  EXPECT_FALSE(kopia.czynny());
  kopia.zglos_niedostepnosc();
  kopia.zglos_niedostepnosc();
  EXPECT_EQ(t.komunikaty.teksty,
            std::vector<std::string>{"Kopie awaryjne nie mogą być zapisywane w " + zajety + "/vialtor: Not a directory"});
  std::filesystem::remove(zajety);
  edytuj(t.dok, 10);
  ASSERT_TRUE(QTest::qWaitFor([&] { return kopia.czynny(); }, 5000));
  EXPECT_TRUE(czekaj_na(kopia.sciezka(), 5000));
  EXPECT_EQ(t.komunikaty.teksty.size(), 1u);
}

TEST(Autozapis, OdrzuconaPropozycjaZostawiaPlik) {
  katalog_tymczasowy katalog;
  const QString folder = QString::fromStdString(katalog.plik("stan"));
  std::filesystem::create_directories(folder.toStdString());
  tor_uklad uklad;
  zbuduj_luk(uklad);
  ASSERT_TRUE(zapisz_projekt(folder.toStdString() + "/autozapis.vxm", uklad, {3, 2001, 12}));

  okno_testowe t;
  autozapis kopia(t.dok, folder, 3600 * 1000);
  QString pytanie;
  t.okno.pytania().zapytaj = [&](QWidget*, const QString& tekst) {
    pytanie = tekst;
    return false;
  };
  const bajty pusty = rekord(t.dok);
  EXPECT_FALSE(zaproponuj_odzyskanie(t.okno, t.dok, kopia));
  EXPECT_TRUE(pytanie.startsWith(QString::fromUtf8("Znaleziono niezapisany układ z ")));
  EXPECT_TRUE(pytanie.endsWith(QString::fromUtf8(". Przywrócić?")));
  EXPECT_TRUE(pytanie.contains(QDate::currentDate().toString("dd.MM.yyyy"))) << pytanie.toStdString();
  EXPECT_EQ(rekord(t.dok), pusty);
  EXPECT_TRUE(jest(kopia.sciezka()));
  kopia.zakoncz();
  EXPECT_TRUE(jest(kopia.sciezka())) << "a clean exit without a copy of its own keeps the refused one";

  edytuj(t.dok, 10);
  kopia.zapisz_jesli_trzeba();
  kopia.czekaj();
  EXPECT_EQ(wczytaj_gz(kopia.sciezka()), rekord(t.dok)) << "the next copy replaces it";
  kopia.zakoncz();
  EXPECT_FALSE(jest(kopia.sciezka()));
}

// The editor itself, left with unsaved work and killed: the next start offers the copy, and Tak
// gives back that layout, unsaved.
TEST(Autozapis, OdzyskaniePoZabiciuEdytora) {
  katalog_tymczasowy katalog;
  tor_uklad uklad;
  zbuduj_blad(uklad);
  const std::string tekst = katalog.plik("uklad.txt");
  ASSERT_TRUE(zapisz_txt(tekst, uklad));

  QProcess edytor;
  QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
  srodowisko.insert("XDG_DATA_HOME", QString::fromStdString(katalog.plik("dane")));
  edytor.setProcessEnvironment(srodowisko);
  edytor.setWorkingDirectory(QString::fromStdString(katalog.plik("")));
  // An imported layout is unsaved work.
  edytor.start(VIALTOR_EDYTOR_PROGRAM, {"--autozapis", "100", QString::fromStdString(tekst)});
  ASSERT_TRUE(edytor.waitForStarted(10000));
  // The user's own data folder.
  const std::string folder = katalog.plik("dane") + "/vialtor";
  const std::string plik = folder + "/autozapis.vxm";
  ASSERT_TRUE(czekaj_na(plik, 30000)) << "no copy from the running editor";
  // A copy is whole once renamed into place; give it the time of a second one anyway.
  QTest::qWait(300);
  edytor.kill();
  ASSERT_TRUE(edytor.waitForFinished(10000));
  ASSERT_TRUE(jest(plik)) << "a killed editor leaves its copy";

  dokument oczekiwany;
  ASSERT_TRUE(importuj_txt(tekst, oczekiwany.tor).ok);

  okno_testowe t;
  autozapis kopia(t.dok, QString::fromStdString(folder), 3600 * 1000);
  ASSERT_TRUE(kopia.czynny()) << "the killed editor's lock is stale";
  t.odpowiedz = true;
  ASSERT_TRUE(zaproponuj_odzyskanie(t.okno, t.dok, kopia));
  EXPECT_EQ(t.pytania, 1);
  EXPECT_EQ(rekord(t.dok), rekord(oczekiwany));
  EXPECT_TRUE(t.dok.zmieniony()) << "restored work is unsaved";
  EXPECT_FALSE(t.okno.menu().cofnij->isEnabled()) << "a restored layout starts a new history";
}
