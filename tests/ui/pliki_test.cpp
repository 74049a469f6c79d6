#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>
#include <fstream>

#include "io/import_txt.h"
#include "io/projekt.h"
#include "support/katalog_tymczasowy.h"
#include "ui/katalogi_dialogow.h"
#include "ui/okno_testowe.h"
#include "ui/ustawienia.h"

namespace {

void zapisz_bajty(const std::string& sciezka, const std::string& tresc) {
  std::ofstream(sciezka, std::ios::binary) << tresc;
}

std::string czytaj_bajty(const std::string& sciezka) {
  std::ifstream plik(sciezka, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(plik), {});
}

}  // namespace

// Every command with an open dialog, cancelled: its pattern in the projects folder, its log
// line and message 8, nothing touched.
TEST(PlikiOkna, AnulowanyOdczytKazdegoPolecenia) {
  const std::pair<QAction* menu_glowne::*, QString> polecenia[] = {{&menu_glowne::wczytaj_projekt, "*.vxm"},
                                                                   {&menu_glowne::dodaj_do_projektu, "*.vxm"},
                                                                   {&menu_glowne::importuj_vxp, "*.vxp"},
                                                                   {&menu_glowne::importuj_txt, "*.txt"}};
  for (const auto& [polecenie, wzor] : polecenia) {
    okno_testowe t;
    zbuduj_luk(t.dok.tor);
    const auto przed = rekordy(t.dok.tor);
    (t.okno.menu().*polecenie)->trigger();
    EXPECT_EQ(t.wzory, QStringList{wzor});
    EXPECT_EQ(t.katalogi.front().toStdString(), KATALOG_DANYCH + "/projects");
    EXPECT_EQ(t.komunikaty.kody, std::vector<unsigned>{KOM_PLIK_NIE_ISTNIEJE});
    EXPECT_NE(t.log.tresc().find("Project load: brak pliku!\n#komunikat: 8\n"), std::string::npos);
    EXPECT_EQ(rekordy(t.dok.tor), przed);
  }
}

TEST(PlikiOkna, AnulowanyZapisIEksport) {
  okno_testowe t;
  zbuduj_luk(t.dok.tor);
  t.okno.menu().zapisz_projekt->trigger();
  t.okno.menu().eksportuj->trigger();
  EXPECT_EQ(t.wzory, QStringList({"*.vxm", "*.layout"}));
  EXPECT_EQ(t.katalogi.front().toStdString(), KATALOG_DANYCH + "/projects");
  EXPECT_EQ(t.komunikaty.kody, std::vector<unsigned>({KOM_ZAPIS_NIEUDANY, KOM_ZAPIS_NIEUDANY}));
  EXPECT_NE(t.log.tresc().find("Blok save: Brak pliku!\n#komunikat: 9\n"), std::string::npos);
  EXPECT_NE(t.log.tresc().find("Export LOG: Brak pliku!\n#komunikat: 9\n"), std::string::npos);
  EXPECT_FALSE(t.dok.zmieniony()) << "a cancelled export changes nothing";
}

TEST(PlikiOkna, PlikNieDoOtwarciaIObcyFormatZostawiajaUklad) {
  katalog_tymczasowy katalog;
  okno_testowe t;
  zbuduj_luk(t.dok.tor);
  t.dok.trasa = {4, 1999, 7};
  const auto przed = rekordy(t.dok.tor);

  t.pliki = {katalog.plik("nie_ma.vxm"), katalog.plik("nie_ma.vxm"), katalog.plik("nie_ma.vxp"),
             katalog.plik("nie_ma.txt")};
  t.okno.menu().wczytaj_projekt->trigger();
  t.okno.menu().dodaj_do_projektu->trigger();
  t.okno.menu().importuj_vxp->trigger();
  t.okno.menu().importuj_txt->trigger();
  // Each box names its file and why it did not open.
  EXPECT_EQ(t.komunikaty.teksty,
            (std::vector<std::string>{"nie można otworzyć pliku " + katalog.plik("nie_ma.vxm") + " (No such file or directory)",
                                      "nie można otworzyć pliku " + katalog.plik("nie_ma.vxm") + " (No such file or directory)",
                                      "nie można otworzyć pliku " + katalog.plik("nie_ma.vxp") + " (No such file or directory)",
                                      "nie można otworzyć pliku " + katalog.plik("nie_ma.txt") + " (No such file or directory)"}));
  EXPECT_NE(t.log.tresc().find("Blok save: Błąd zapisu pliku!\n!!! nie można otworzyć"), std::string::npos);

  // A text form named as a project: a foreign format.
  const std::string tekst = katalog.plik("uklad.txt");
  tor_uklad inny;
  zbuduj_blad(inny);
  ASSERT_TRUE(zapisz_txt(tekst, inny));
  zapisz_bajty(katalog.plik("zly_format.vxm"), czytaj_bajty(tekst));
  t.komunikaty.kody.clear();
  t.pliki = {katalog.plik("zly_format.vxm")};
  t.okno.menu().wczytaj_projekt->trigger();
  EXPECT_EQ(t.komunikaty.kody, std::vector<unsigned>{KOM_NIE_VIALTOR});
  EXPECT_EQ(rekordy(t.dok.tor), przed);
  EXPECT_EQ(t.dok.trasa.miasto, 4);
  EXPECT_EQ(t.dok.trasa.rok, 1999);
  EXPECT_FALSE(t.dok.zmieniony());
}

TEST(PlikiOkna, ZapisIWczytanieDajaTenSamUklad) {
  katalog_tymczasowy katalog;
  const std::string plik = katalog.plik("petla.vxm");
  okno_testowe t;
  t.pliki = {KATALOG_DANYCH + "/projects/elblag_petla.vxm"};
  t.okno.menu().wczytaj_projekt->trigger();
  ASSERT_GT(t.dok.tor.pmax(), 0);
  EXPECT_EQ(t.dok.plik(), KATALOG_DANYCH + "/projects/elblag_petla.vxm");
  t.dok.trasa = {4, 2024, 3};
  t.dok.zmiana();
  const auto zapisany = rekordy(t.dok.tor);

  t.pliki = {plik};
  t.okno.menu().zapisz_projekt->trigger();
  EXPECT_FALSE(t.dok.zmieniony());
  EXPECT_EQ(t.dok.plik(), plik);

  okno_testowe drugie;
  drugie.pliki = {plik};
  drugie.okno.menu().wczytaj_projekt->trigger();
  EXPECT_TRUE(drugie.komunikaty.kody.empty());
  EXPECT_EQ(rekordy(drugie.dok.tor), zapisany);
  EXPECT_EQ(drugie.dok.trasa.miasto, 4);
  EXPECT_EQ(drugie.dok.trasa.rok, 2024);
  EXPECT_EQ(drugie.dok.trasa.id, 3);

  // The same file added twice: two copies in one layout, and unsaved work.
  const int punkty = drugie.dok.tor.pmax();
  drugie.pliki = {plik};
  drugie.okno.menu().dodaj_do_projektu->trigger();
  EXPECT_EQ(drugie.dok.tor.pmax(), 2 * punkty);
  EXPECT_TRUE(drugie.dok.zmieniony());
}

TEST(PlikiOkna, NieudanyZapisZgloszony) {
  katalog_tymczasowy katalog;
  okno_testowe t;
  zbuduj_luk(t.dok.tor);
  t.dok.zmiana();
  t.pliki = {katalog.plik("brak_katalogu/x.vxm")};
  t.okno.menu().zapisz_projekt->trigger();
  EXPECT_EQ(t.komunikaty.kody.size(), 1u);
  EXPECT_NE(t.log.tresc().find("Blok save: Błąd zapisu pliku!\n"), std::string::npos);
  EXPECT_TRUE(t.dok.zmieniony()) << "nothing was saved";
  EXPECT_FALSE(std::filesystem::exists(katalog.plik("brak_katalogu")));
}

TEST(PlikiOkna, EksportBlednegoUkladuBezDialogu) {
  okno_testowe t;
  zbuduj_blad(t.dok.tor);
  t.okno.menu().eksportuj->trigger();
  EXPECT_EQ(t.komunikaty.kody, std::vector<unsigned>{KOM_BLAD_GEOMETRII_EKSPORT});
  EXPECT_TRUE(t.wzory.isEmpty()) << "no dialog was opened";
}

TEST(PlikiOkna, EksportZapisujeIOznaczaZmiane) {
  katalog_tymczasowy katalog;
  okno_testowe t;
  zbuduj_luk(t.dok.tor);
  t.pliki = {katalog.plik("trasa.layout")};
  t.okno.menu().eksportuj->trigger();
  EXPECT_TRUE(t.komunikaty.kody.empty());
  EXPECT_TRUE(std::filesystem::exists(katalog.plik("trasa.layout")));
  EXPECT_TRUE(t.dok.zmieniony()) << "the export puts event points into the layout";
}

TEST(PlikiOkna, ImportyZastepujaUkladINieMajaPlikuProjektu) {
  okno_testowe t;
  t.pliki = {KATALOG_DANYCH + "/projects/elblag_petla.vxm", KATALOG_DANYCH + "/projects/elblag_petla.txt",
             KATALOG_DANYCH + "/projects/elblag_0945b.vxp"};
  t.okno.menu().wczytaj_projekt->trigger();
  const int punkty = t.dok.tor.pmax();
  t.odpowiedz = true;
  t.dok.trasa.rok = 1990;
  t.dok.zmiana();
  t.okno.menu().importuj_txt->trigger();
  EXPECT_EQ(t.pytania, 1);
  EXPECT_GT(t.dok.tor.pmax(), 0);
  EXPECT_LE(t.dok.tor.pmax(), punkty) << "replaced, not added";
  EXPECT_TRUE(t.dok.plik().empty());
  EXPECT_TRUE(t.dok.zmieniony());

  t.okno.menu().importuj_vxp->trigger();
  EXPECT_EQ(t.pytania, 2);
  EXPECT_EQ(t.komunikaty.kody, std::vector<unsigned>{KOM_WYMIEN_ROZJAZDY});
  EXPECT_GT(t.dok.siec.pmax(), 0) << "the catenary of the old project";
}

// Nie keeps everything and asks nothing more; Tak goes on with the command.
TEST(PlikiOkna, PytanieONiezapisanychZmianach) {
  using polecenie = QAction* menu_glowne::*;
  for (polecenie p : {&menu_glowne::wyczysc_tory, &menu_glowne::wczytaj_projekt, &menu_glowne::importuj_vxp,
                      &menu_glowne::importuj_txt, &menu_glowne::wyjscie}) {
    okno_testowe t;
    zbuduj_luk(t.dok.tor);
    t.dok.trasa = {3, 1950, 1};
    t.dok.zmiana();
    const auto przed = rekordy(t.dok.tor);

    t.odpowiedz = false;
    (t.okno.menu().*p)->trigger();
    EXPECT_EQ(t.pytania, 1);
    EXPECT_TRUE(t.wzory.isEmpty()) << "no dialog after Nie";
    EXPECT_EQ(rekordy(t.dok.tor), przed);
    EXPECT_EQ(t.dok.trasa.rok, 1950);
    EXPECT_TRUE(t.okno.isVisible());

    t.odpowiedz = true;
    (t.okno.menu().*p)->trigger();
    EXPECT_EQ(t.pytania, 2);
    if (p == &menu_glowne::wyczysc_tory) {
      EXPECT_EQ(t.dok.tor.pmax(), 0);
      EXPECT_EQ(t.dok.trasa.miasto, 0);
      EXPECT_EQ(t.dok.trasa.rok, 0);
      EXPECT_FALSE(t.dok.zmieniony());
    } else if (p == &menu_glowne::wyjscie) {
      EXPECT_FALSE(t.okno.isVisible());
    } else {
      EXPECT_EQ(t.wzory.size(), 1) << "the dialog follows Tak";
    }
  }
}

// Each kind of file has its dialogs open where a file of its kind was last chosen; a data
// folder that cannot be written to gives way to the user's own folder, made on demand.
TEST(PlikiOkna, DialogPamietaKatalogRodzajuPlikow) {
  katalog_tymczasowy katalog;
  okno_testowe t;
  zbuduj_luk(t.dok.tor);
  const QString projekty = QString::fromStdString(KATALOG_DANYCH + "/projects");
  t.pliki = {katalog.plik("zapisany.vxm")};
  t.okno.menu().zapisz_projekt->trigger();
  t.okno.menu().wczytaj_projekt->trigger();
  t.okno.menu().importuj_txt->trigger();
  const QString wybrany = QFileInfo(QString::fromStdString(katalog.plik("zapisany.vxm"))).absolutePath();
  EXPECT_EQ(t.katalogi, QStringList({projekty, wybrany, projekty}));

  const QString wlasny = katalog_uzytkownika() + "/pic_coords";
  QDir(wlasny).removeRecursively();
  EXPECT_EQ(katalog_dialogu("*.pcr", QString::fromStdString(katalog.plik("brak/pic_coords"))), wlasny);
  EXPECT_TRUE(QFileInfo(wlasny).isDir());
  QDir(wlasny).removeRecursively();
}
