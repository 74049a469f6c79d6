// Saving where the file system says no or plays tricks: a write-protected file, a symbolic link,
// output that cannot be written, temporary files a killed save left.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "cli/uruchom_cli.h"
#include "io/gz_plik.h"

namespace {

namespace fs = std::filesystem;

void zapisz_tekst(const std::string& sciezka, const std::string& tresc) {
  std::ofstream(sciezka, std::ios::binary) << tresc;
}

// Exit code of a shell command.
int powloka(const std::string& polecenie) {
  const int stan = std::system(polecenie.c_str());
  return stan != -1 && WIFEXITED(stan) ? WEXITSTATUS(stan) : -1;
}

std::vector<std::string> pliki_w(const std::string& katalog) {
  std::vector<std::string> nazwy;
  for (const auto& w : fs::directory_iterator(katalog)) nazwy.push_back(w.path().filename().string());
  std::sort(nazwy.begin(), nazwy.end());
  return nazwy;
}

}  // namespace

// Root may write anything, so the mode bits decide for it: a file without any write bit is kept.
TEST_F(test_cli, PlikTylkoDoOdczytuOdrzuconyINietkniety) {
  std::vector<std::vector<std::string>> polecenia = {{"convert", "wynik.vxm"}, {"export", "wynik.layout"}};
  // A tool built without the editor has no render.
  if (uruchom({"render", "--help"}).kod == 0) polecenia.push_back({"render", "wynik.svg"});
  for (const auto& p : polecenia) {
    const std::string cel = pliki.plik(p[1]);
    zapisz_tekst(cel, "stara treść");
    fs::permissions(cel, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const wynik_cli w = uruchom({p[0], probka("elblag_petla.vxm"), cel, "--data", std::string(VIALTOR_ZRODLA) + "/data"});
    EXPECT_EQ(w.kod, 2) << p[0];
    EXPECT_NE(w.bledy.find("plik " + cel + " jest tylko do odczytu"), std::string::npos) << w.bledy;
    EXPECT_EQ(czytaj_plik(cel), "stara treść") << p[0];
  }
  EXPECT_EQ(pliki_w(pliki.plik("")).size(), polecenia.size()) << "no temporary file left";
}

// Another user's file in a folder anyone may write: the rename would be allowed, the write is not.
TEST_F(test_cli, CudzyPlikOdrzuconyDlaZwyklegoUzytkownika) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to run the tool as the user nobody";
  if (powloka("setpriv --reuid=nobody --regid=nogroup --clear-groups true") != 0)
    GTEST_SKIP() << "setpriv cannot switch to the user nobody here";
  fs::permissions(pliki.plik(""), fs::perms::all);
  const std::string cel = pliki.plik("cudzy.vxm");
  zapisz_tekst(cel, "treść roota");
  fs::permissions(cel, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
  const std::string bledy = pliki.plik("bledy.txt");
  const int kod = powloka("setpriv --reuid=nobody --regid=nogroup --clear-groups '" + std::string(VIALTOR_CLI) +
                          "' convert '" + probka("elblag_petla.vxm") + "' '" + cel + "' 2>'" + bledy + "'");
  EXPECT_EQ(kod, 2);
  EXPECT_NE(czytaj_plik(bledy).find("plik " + cel + " jest tylko do odczytu"), std::string::npos) << czytaj_plik(bledy);
  EXPECT_EQ(czytaj_plik(cel), "treść roota");
}

TEST_F(test_cli, ZapisPrzezDowiazanieTrafiaDoCelu) {
  fs::create_directory(pliki.plik("prawdziwy"));
  const std::string cel = pliki.plik("prawdziwy/cel.vxm");
  zapisz_tekst(cel, "stary");
  const std::string dowiazanie = pliki.plik("dowiazanie.vxm");
  fs::create_symlink("prawdziwy/cel.vxm", dowiazanie);
  const wynik_cli w = uruchom({"convert", probka("elblag_petla.vxm"), dowiazanie});
  ASSERT_EQ(w.kod, 0) << w.bledy;
  ASSERT_EQ(uruchom({"convert", probka("elblag_petla.vxm"), pliki.plik("wprost.vxm")}).kod, 0);
  EXPECT_TRUE(fs::is_symlink(dowiazanie));
  EXPECT_EQ(fs::read_symlink(dowiazanie), "prawdziwy/cel.vxm");
  EXPECT_EQ(wczytaj_gz(cel), wczytaj_gz(pliki.plik("wprost.vxm")));
  EXPECT_EQ(pliki_w(pliki.plik("prawdziwy")), std::vector<std::string>{"cel.vxm"});
}

TEST_F(test_cli, WynikNaPelnyDyskKonczySieKodemDwa) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  for (const char* polecenie : {"info", "dump"}) {
    const std::string bledy = wyniki.plik("bledy.txt");
    const int kod = powloka("'" + std::string(VIALTOR_CLI) + "' " + polecenie + " '" + probka("elblag_petla.vxm") +
                            "' >/dev/full 2>'" + bledy + "'");
    EXPECT_EQ(kod, 2) << polecenie;
    EXPECT_NE(czytaj_plik(bledy).find("nie można zapisać wyniku na standardowe wyjście (No space left on device)"),
              std::string::npos)
        << czytaj_plik(bledy);
  }
}

// Only the program's own pattern beside the same file goes, and only when no save holds it.
TEST_F(test_cli, PorzuconePlikiTymczasoweUsuwanePrzyZapisie) {
  const std::string cel = pliki.plik("wynik.vxm");
  for (const char* nazwa : {"wynik.vxm.tmp-Ab12Cd", "wynik.vxm.tmp-Zz99Yy", "wynik.vxm.tmp-abc", "inny.vxm.tmp-Ab12Cd"})
    zapisz_tekst(pliki.plik(nazwa), std::string(1000, 'x'));
  // A save under way in another process holds its temporary file.
  const int trzymany = ::open(pliki.plik("wynik.vxm.tmp-Zz99Yy").c_str(), O_RDONLY);
  ASSERT_GE(trzymany, 0);
  ASSERT_EQ(::flock(trzymany, LOCK_EX), 0);
  const wynik_cli w = uruchom({"convert", probka("elblag_petla.vxm"), cel});
  ::close(trzymany);
  ASSERT_EQ(w.kod, 0) << w.bledy;
  EXPECT_EQ(pliki_w(pliki.plik("")), (std::vector<std::string>{"inny.vxm.tmp-Ab12Cd", "wynik.vxm", "wynik.vxm.tmp-Zz99Yy",
                                                               "wynik.vxm.tmp-abc"}));
}
