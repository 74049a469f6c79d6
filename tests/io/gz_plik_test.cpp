// Whole gzip and plain files: exact content, refusal of damaged files, and saves that never
// leave a half-written file in place of a good one.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "io/blad_pliku.h"
#include "io/gz_plik.h"
#include "io/pliki_testowe.h"
#include "io/strumien_rekordow.h"
#include "support/katalog_tymczasowy.h"

namespace {

std::vector<std::uint8_t> probne_dane(std::size_t n) {
  std::vector<std::uint8_t> dane(n);
  for (std::size_t i = 0; i < n; ++i) dane[i] = static_cast<std::uint8_t>(i * 131 + i / 7);
  return dane;
}

TEST(PlikGz, FormatINumerZeroRozpakowujaSieDoOsmiuBajtow) {
  katalog_tymczasowy katalog;
  pisarz_rekordow s;
  s.int32(1412);
  s.int32(0);
  zapisz_gz(katalog.plik("a.vxm"), s.dane());
  const std::vector<std::uint8_t> oczekiwane = {0x84, 0x05, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(rozpakuj_gz(katalog.plik("a.vxm")), oczekiwane);
  EXPECT_EQ(wczytaj_gz(katalog.plik("a.vxm")), oczekiwane);
}

TEST(PlikGz, DuzaZawartoscWracaCala) {
  katalog_tymczasowy katalog;
  const auto dane = probne_dane(3u << 20);  // more than one read chunk
  zapisz_gz(katalog.plik("duzy.gz"), dane);
  EXPECT_EQ(wczytaj_gz(katalog.plik("duzy.gz")), dane);
}

TEST(PlikGz, UszkodzonyLubUcietyPlikJestOdrzucony) {
  katalog_tymczasowy katalog;
  zapisz_gz_bajty(katalog.plik("dobry.gz"), probne_dane(700));
  const auto spakowane = bajty_pliku(katalog.plik("dobry.gz"));

  // Cut anywhere after the header, the stream is incomplete.
  for (std::size_t dlugosc = 10; dlugosc < spakowane.size(); ++dlugosc) {
    zapisz_bajty(katalog.plik("uciety.gz"), {spakowane.begin(), spakowane.begin() + static_cast<long>(dlugosc)});
    EXPECT_THROW(wczytaj_gz(katalog.plik("uciety.gz")), blad_pliku) << dlugosc;
  }
  // A changed byte of the data fails the check sum.
  auto zmieniony = spakowane;
  zmieniony[spakowane.size() - 6] ^= 0x40;
  zapisz_bajty(katalog.plik("zmieniony.gz"), zmieniony);
  try {
    wczytaj_gz(katalog.plik("zmieniony.gz"));
    FAIL();
  } catch (const blad_pliku& b) {
    EXPECT_NE(std::string(b.what()).find(katalog.plik("zmieniony.gz")), std::string::npos) << b.what();
  }
}

TEST(PlikGz, PlikNieGzipCzytaSieTakJakJest) {
  katalog_tymczasowy katalog;
  const std::vector<std::uint8_t> dane = {'a', 'b', 0, 1, 2};
  zapisz_bajty(katalog.plik("zwykly"), dane);
  EXPECT_EQ(wczytaj_gz(katalog.plik("zwykly")), dane);
}

TEST(PlikGz, BrakPlikuToBladOtwarcia) {
  katalog_tymczasowy katalog;
  EXPECT_THROW(wczytaj_gz(katalog.plik("nie_ma.vxm")), blad_otwarcia);
  EXPECT_THROW(wczytaj_plik(katalog.plik("nie_ma.txt")), blad_otwarcia);
  EXPECT_THROW(zapisz_gz(katalog.plik("nie_ma/a.vxm"), probne_dane(4)), blad_otwarcia);
  EXPECT_THROW(zapisz_plik(katalog.plik("nie_ma/a.txt"), "x"), blad_otwarcia);
}

TEST(PlikGz, NieudanyZapisZostawiaStaryPlikINieZostawiaSmieci) {
  katalog_tymczasowy katalog;
  // A folder in the way of the target: everything is written, the final rename fails.
  std::filesystem::create_directory(katalog.plik("cel"));
  std::filesystem::create_directory(katalog.plik("cel/w_srodku"));
  EXPECT_THROW(zapisz_gz(katalog.plik("cel"), probne_dane(100)), blad_pliku);
  EXPECT_THROW(zapisz_plik(katalog.plik("cel"), "tekst"), blad_pliku);
  EXPECT_TRUE(std::filesystem::is_directory(katalog.plik("cel/w_srodku")));
  std::size_t plikow = 0;
  for ([[maybe_unused]] const auto& wpis : std::filesystem::directory_iterator(katalog.plik(""))) ++plikow;
  EXPECT_EQ(plikow, 1u);
}

TEST(PlikGz, ZapisZastepujePlikIZachowujeJegoPrawa) {
  katalog_tymczasowy katalog;
  const std::string sciezka = katalog.plik("p.txt");
  zapisz_plik(sciezka, "stary");
  ::chmod(sciezka.c_str(), 0640);
  zapisz_plik(sciezka, "nowy");
  EXPECT_EQ(wczytaj_plik(sciezka), "nowy");
  struct stat st;
  ASSERT_EQ(::stat(sciezka.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);

  // A new file gets the mode a plain create gives.
  const mode_t maska = ::umask(022);
  zapisz_gz(katalog.plik("nowy.gz"), probne_dane(10));
  ::umask(maska);
  ASSERT_EQ(::stat(katalog.plik("nowy.gz").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0644u);
}

}  // namespace
