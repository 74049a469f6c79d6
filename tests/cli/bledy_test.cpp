// Files the tool refuses, the exit codes that tell why, help, and where the log goes.
#include <filesystem>
#include <fstream>

#include "app/komunikaty.h"
#include "cli/uruchom_cli.h"
#include "io/gz_plik.h"
#include "io/strumien_rekordow.h"

namespace {

void zapisz_tekst(const std::string& sciezka, const std::string& tresc) {
  std::ofstream(sciezka, std::ios::binary) << tresc;
}

std::string obcy_projekt(const std::string& sciezka) {
  pisarz_rekordow s;
  s.int32(1413);
  for (int i = 0; i < 10; ++i) s.int32(0);
  zapisz_gz(sciezka, s.dane());
  return sciezka;
}

}  // namespace

TEST_F(test_cli, ObcyFormatKonczySieKodemJedenIKomunikatem24) {
  zapisz_tekst(pliki.plik("obcy.txt"), "1411\n");
  for (const std::string& plik : {obcy_projekt(pliki.plik("obcy.vxm")), pliki.plik("obcy.txt")}) {
    for (const char* polecenie : {"info", "check", "dump"}) {
      const wynik_cli w = uruchom({polecenie, plik});
      EXPECT_EQ(w.kod, 1) << polecenie << " " << plik;
      EXPECT_NE(w.bledy.find(tekst_komunikatu(KOM_NIE_VIALTOR)), std::string::npos) << w.bledy;
      EXPECT_EQ(w.wyjscie, "");
    }
  }
}

TEST_F(test_cli, NieczytelnePlikiINieznaneRozszerzeniaKonczaSieKodemDwa) {
  const std::vector<std::uint8_t> projekt = wczytaj_gz(probka("elblag_petla.vxm"));
  zapisz_gz(pliki.plik("uciety.vxm"), projekt.data(), projekt.size() / 2);
  const std::string spakowany = czytaj_plik(probka("elblag_petla.vxm"));
  zapisz_tekst(pliki.plik("uciety_gzip.vxm"), spakowany.substr(0, spakowany.size() / 2));
  const std::string tekst = czytaj_plik(probka("elblag_petla.txt"));
  zapisz_tekst(pliki.plik("uciety.txt"), tekst.substr(0, tekst.size() / 2));
  zapisz_tekst(pliki.plik("smieci.txt"), "1410\nabc\n");
  zapisz_tekst(pliki.plik("uciety.vxp"), czytaj_plik(probka("elblag_0945b.vxp")).substr(0, 100));
  std::filesystem::copy_file(probka("elblag_petla.vxm"), pliki.plik("trasa.dat"));

  for (const char* nazwa : {"uciety.vxm", "uciety_gzip.vxm", "uciety.txt", "smieci.txt", "uciety.vxp", "trasa.dat",
                            "nie_ma.vxm"}) {
    for (const char* polecenie : {"info", "check", "dump"}) {
      const wynik_cli w = uruchom({polecenie, pliki.plik(nazwa)});
      EXPECT_EQ(w.kod, 2) << polecenie << " " << nazwa;
      EXPECT_NE(w.bledy, "") << polecenie << " " << nazwa;
      EXPECT_EQ(w.wyjscie, "") << polecenie << " " << nazwa;
    }
  }
  EXPECT_NE(uruchom({"info", pliki.plik("trasa.dat")}).bledy.find("trasa.dat"), std::string::npos);
}

TEST_F(test_cli, PomocNarzedziaIKazdegoPolecenia) {
  const wynik_cli ogolna = uruchom({"--help"});
  EXPECT_EQ(ogolna.kod, 0);
  for (const char* polecenie : {"info", "dump", "check", "convert", "export", "decode"}) {
    EXPECT_NE(ogolna.wyjscie.find(polecenie), std::string::npos) << polecenie;
    const wynik_cli w = uruchom({polecenie, "--help"});
    EXPECT_EQ(w.kod, 0) << polecenie;
    EXPECT_NE(w.wyjscie.find(polecenie), std::string::npos) << w.wyjscie;
  }
  EXPECT_EQ(uruchom({}).kod, 2);
  EXPECT_EQ(uruchom({"info"}).kod, 2);
  EXPECT_EQ(uruchom({"convert", probka("elblag_petla.vxm")}).kod, 2);
}

TEST_F(test_cli, LogPowstajeTylkoNaZadanie) {
  const std::string obcy = obcy_projekt(pliki.plik("obcy.vxm"));
  for (const char* polecenie : {"info", "check", "dump"}) {
    uruchom({polecenie, probka("elblag_petla.vxm")});
    uruchom({polecenie, obcy});
  }
  uruchom({"export", probka("elblag_petla.vxm"), pliki.plik("trasa.layout")});
  EXPECT_FALSE(std::filesystem::exists(roboczy.plik("!log.txt")));

  const wynik_cli w = uruchom({"--log", pliki.plik("log.txt"), "check", obcy});
  EXPECT_EQ(w.kod, 1);
  EXPECT_FALSE(std::filesystem::exists(roboczy.plik("!log.txt")));
  EXPECT_NE(czytaj_plik(pliki.plik("log.txt")).find("#komunikat: 24"), std::string::npos);
  // The option is accepted after the command as well.
  EXPECT_EQ(uruchom({"check", obcy, "--log", pliki.plik("log2.txt")}).kod, 1);
  EXPECT_NE(czytaj_plik(pliki.plik("log2.txt")).find("#komunikat: 24"), std::string::npos);
}

TEST_F(test_cli, BrakBibliotekiSzablonowNieJestBledem) {
  const wynik_cli w = uruchom({"--data", pliki.plik("pusty"), "check", probka("elblag_petla.vxm")});
  EXPECT_EQ(w.kod, 0) << w.bledy;
  EXPECT_EQ(w.wyjscie, "ok\n");
}
