// decode: every file it refuses is named in the message, and nothing is written for it.
#include <filesystem>

#include "cli/uruchom_cli.h"
#include "io/pliki_testowe.h"
#include "io/strumien_rekordow.h"

namespace {

std::vector<std::uint8_t> naglowek(std::uint8_t forma, std::int32_t n) {
  pisarz_rekordow s;
  s.u8(forma);
  s.int32(n);
  return s.dane();
}

}  // namespace

TEST_F(test_cli, DecodeNazywaKazdyOdrzuconyPlik) {
  const std::string wyjscie = pliki.plik("wynik.bin");
  struct przypadek {
    const char* nazwa;
    std::vector<std::uint8_t> zawartosc;
    bool spakowany;
  };
  std::vector<std::uint8_t> jawny_za_dlugi = naglowek('3', 4);
  jawny_za_dlugi.insert(jawny_za_dlugi.end(), {1, 2, 3, 4, 5});
  const std::vector<std::uint8_t> spakowany = bajty_pliku(probka("elblag_petla.vxm"));
  const przypadek przypadki[] = {
      {"pusty.layout", {}, false},
      {"pusty_gzip.layout", {}, true},
      {"jeden_bajt.layout", {'8'}, true},
      {"bez_rozmiaru.layout", {'8', 0, 0}, true},
      {"sam_naglowek.layout", naglowek('8', 4), true},
      {"obcy_znacznik.layout", naglowek('x', 4), true},
      {"ujemny_rozmiar.layout", naglowek('3', -4), true},
      {"za_dlugi.layout", jawny_za_dlugi, false},
      {"uciety_gzip.layout", {spakowany.begin(), spakowany.begin() + spakowany.size() / 2}, false},
  };
  for (const przypadek& p : przypadki) {
    const std::string wejscie = pliki.plik(p.nazwa);
    if (p.spakowany)
      zapisz_gz_bajty(wejscie, p.zawartosc);
    else
      zapisz_bajty(wejscie, p.zawartosc);
    const wynik_cli w = uruchom({"decode", wejscie, wyjscie});
    EXPECT_EQ(w.kod, 2) << p.nazwa;
    EXPECT_NE(w.bledy.find(wejscie), std::string::npos) << p.nazwa << ": " << w.bledy;
    EXPECT_EQ(w.wyjscie, "") << p.nazwa;
    EXPECT_FALSE(std::filesystem::exists(wyjscie)) << p.nazwa;
  }

  std::filesystem::create_directory(pliki.plik("katalog.layout"));
  for (const std::string& wejscie : {pliki.plik("nie_ma.layout"), pliki.plik("katalog.layout")}) {
    const wynik_cli w = uruchom({"decode", wejscie, wyjscie});
    EXPECT_EQ(w.kod, 2) << wejscie;
    EXPECT_NE(w.bledy.find(wejscie), std::string::npos) << w.bledy;
    EXPECT_FALSE(std::filesystem::exists(wyjscie));
  }
}

TEST_F(test_cli, DecodeNazywaPlikWynikowyKtoregoNieMoznaZapisac) {
  const std::string layout = pliki.plik("trasa.layout");
  ASSERT_EQ(uruchom({"export", probka("elblag_petla.vxm"), layout}).kod, 0);
  const std::string wyjscie = pliki.plik("brak/wynik.bin");
  const wynik_cli w = uruchom({"decode", layout, wyjscie});
  EXPECT_EQ(w.kod, 2);
  EXPECT_NE(w.bledy.find(wyjscie), std::string::npos) << w.bledy;

  // The smallest file the reader takes: the plain form of four bytes.
  std::vector<std::uint8_t> najmniejszy = naglowek('3', 4);
  najmniejszy.insert(najmniejszy.end(), {'a', 'b', 'c', 'd'});
  zapisz_gz_bajty(pliki.plik("maly.layout"), najmniejszy);
  const wynik_cli maly = uruchom({"decode", pliki.plik("maly.layout"), pliki.plik("maly.bin")});
  EXPECT_EQ(maly.kod, 0) << maly.bledy;
  EXPECT_EQ(czytaj_plik(pliki.plik("maly.bin")), "abcd");
}
