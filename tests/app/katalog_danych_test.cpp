// Where the programs find their data: installed, in a build tree, in the working directory.
#include "app/katalog_danych.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/katalog_tymczasowy.h"

namespace fs = std::filesystem;

namespace {

// A data folder holding a template library (its content does not matter here).
std::string dane_w(const fs::path& katalog) {
  fs::create_directories(katalog / "dataeditor");
  std::ofstream(katalog / PLIK_SZABLONOW) << "0\n";
  return katalog.string();
}

std::string program_w(const fs::path& katalog) {
  fs::create_directories(katalog);
  std::ofstream(katalog / "vialtor") << "";
  return (katalog / "vialtor").string();
}

class test_katalogu_danych : public testing::Test {
 protected:
  fs::path sciezka(const std::string& nazwa) const { return k.plik(nazwa); }
  katalog_tymczasowy k;
};

}  // namespace

TEST_F(test_katalogu_danych, ZainstalowanyObokKataloguBin) {
  const std::string dane = dane_w(sciezka("usr/share/vialtor/data"));
  EXPECT_EQ(znajdz_katalog_danych(program_w(sciezka("usr/bin")), sciezka("gdzies").string()), dane);
}

TEST_F(test_katalogu_danych, DrzewoBudowyPowyzejProgramu) {
  const std::string dane = dane_w(sciezka("zrodla/data"));
  EXPECT_EQ(znajdz_katalog_danych(program_w(sciezka("zrodla/build/src/cli")), ""), dane);
}

TEST_F(test_katalogu_danych, InstalacjaWDrzewieZrodelMaPierwszenstwo) {
  dane_w(sciezka("zrodla/data"));
  const std::string zainstalowane = dane_w(sciezka("zrodla/prefiks/share/vialtor/data"));
  EXPECT_EQ(znajdz_katalog_danych(program_w(sciezka("zrodla/prefiks/bin")), ""), zainstalowane);
}

TEST_F(test_katalogu_danych, FolderDataBezBibliotekiJestPomijany) {
  fs::create_directories(sciezka("a/b/data/dataeditor"));
  const std::string dane = dane_w(sciezka("a/data"));
  EXPECT_EQ(znajdz_katalog_danych(program_w(sciezka("a/b")), ""), dane);
}

TEST_F(test_katalogu_danych, KatalogRoboczyNaKoniecAPotemNic) {
  const std::string program = program_w(sciezka("program/bin"));
  EXPECT_EQ(znajdz_katalog_danych(program, sciezka("roboczy").string()), "");
  const std::string dane = dane_w(sciezka("roboczy/data"));
  EXPECT_EQ(znajdz_katalog_danych(program, sciezka("roboczy").string()), dane);
  EXPECT_EQ(znajdz_katalog_danych("", sciezka("roboczy").string()), dane);
}
