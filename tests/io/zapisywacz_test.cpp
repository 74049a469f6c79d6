#include "io/zapisywacz.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <random>

#include "io/blad_pliku.h"
#include "io/gz_plik.h"
#include "support/katalog_tymczasowy.h"
#include "support/log_tymczasowy.h"

namespace {

std::vector<std::uint8_t> losowe_bajty(std::size_t n, unsigned ziarno) {
  std::mt19937 g(ziarno);
  std::vector<std::uint8_t> v(n);
  for (auto& b : v) b = static_cast<std::uint8_t>(g());
  return v;
}

std::int32_t int32_w(const std::vector<std::uint8_t>& v, std::size_t pozycja) {
  std::int32_t x;
  std::memcpy(&x, v.data() + pozycja, 4);
  return x;
}

// A plain-form file ("3", n, the bytes), as another writer of the format would make it.
void zapisz_jawnie(const std::string& sciezka, const std::vector<std::uint8_t>& bufor, std::int32_t n) {
  std::vector<std::uint8_t> z{FORMA_JAWNA, 0, 0, 0, 0};
  std::memcpy(z.data() + 1, &n, 4);
  z.insert(z.end(), bufor.begin(), bufor.end());
  zapisz_gz(sciezka, z);
}

TEST(Zaciemnianie, PrzesuniecieRosnieCo129Bajtow) {
  std::vector<std::uint8_t> zera(300, 0);
  zaciemnij(zera, 0);
  EXPECT_EQ(zera[0], 0);
  EXPECT_EQ(zera[128], 0);
  EXPECT_EQ(zera[129], 0x20);  // offset 1, rotated left by 5
  EXPECT_EQ(zera[257], 0x20);
  EXPECT_EQ(zera[258], 0x40);
  EXPECT_EQ(zera[299], 0x40);
}

TEST(Zaciemnianie, DodajeKluczModulo256IObraca) {
  std::vector<std::uint8_t> v{0x01, 0x08, 0xFF, 0x80};
  zaciemnij(v, 1);
  EXPECT_EQ(v[0], 0x40);  // 0x02 << 5
  EXPECT_EQ(v[1], 0x21);  // 0x09: 0x20 | 0x01 (bit 3 wraps round)
  EXPECT_EQ(v[2], 0x00);  // 0xFF + 1 wraps to 0
  EXPECT_EQ(v[3], 0x30);  // 0x81: 0x20 | 0x10
}

TEST(Zaciemnianie, OdtworzenieOdwracaDlaKazdegoKlucza) {
  const std::vector<std::uint8_t> oryginal = losowe_bajty(1000, 7);
  for (int klucz = 0; klucz < 256; ++klucz) {
    std::vector<std::uint8_t> v = oryginal;
    zaciemnij(v, static_cast<std::uint8_t>(klucz));
    ASSERT_NE(v, oryginal) << "klucz " << klucz;
    odtworz(v, static_cast<std::uint8_t>(klucz));
    ASSERT_EQ(v, oryginal) << "klucz " << klucz;
  }
}

TEST(PozycjaKlucza, ResztaZDzieleniaZPoprawkami) {
  EXPECT_EQ(pozycja_klucza(1000), 927u);
  EXPECT_EQ(pozycja_klucza(100000000), 31415927u);
  EXPECT_EQ(pozycja_klucza(31415927), 1u);         // remainder 0
  EXPECT_EQ(pozycja_klucza(4), 1u);                // remainder 3 > n - 3
  EXPECT_EQ(pozycja_klucza(31415928), 31415925u);  // remainder n - 1 > n - 3
  EXPECT_EQ(pozycja_klucza(31415930), 31415927u);  // remainder n - 3 stays
}

TEST(ZapisBufora, PlikTrzymaZnacznikRozmiarICzesciWokolKlucza) {
  katalog_tymczasowy k;
  const std::string sciezka = k.plik("a.layout");
  const std::vector<std::uint8_t> oryginal = losowe_bajty(1000, 3);
  std::vector<std::uint8_t> bufor = oryginal;
  ASSERT_TRUE(zapisz_bufor(bufor, sciezka, 0xA5));

  std::vector<std::uint8_t> zaciemniony = oryginal;
  zaciemnij(zaciemniony, 0xA5);
  EXPECT_EQ(bufor, zaciemniony);  // scrambled in place

  const std::vector<std::uint8_t> z = wczytaj_gz(sciezka);
  ASSERT_EQ(z.size(), 1000u + 6);
  EXPECT_EQ(z[0], '8');
  EXPECT_EQ(int32_w(z, 1), 1000);
  const std::size_t s = 927;
  EXPECT_TRUE(std::equal(zaciemniony.begin(), zaciemniony.begin() + s, z.begin() + 5));
  EXPECT_EQ(z[5 + s], 0xA5);
  EXPECT_TRUE(std::equal(zaciemniony.begin() + s, zaciemniony.end(), z.begin() + 6 + s));
}

TEST(ZapisBufora, OdczytZwracaOryginalDlaObuPostaci) {
  katalog_tymczasowy k;
  for (std::size_t n : {4u, 5u, 129u, 1000u, 5000u}) {
    const std::vector<std::uint8_t> oryginal = losowe_bajty(n, static_cast<unsigned>(n));
    std::vector<std::uint8_t> bufor = oryginal;
    ASSERT_TRUE(zapisz_bufor(bufor, k.plik("z.layout")));  // a random key
    EXPECT_EQ(odczytaj_bufor(k.plik("z.layout")), oryginal) << n;

    zapisz_jawnie(k.plik("j.layout"), oryginal, static_cast<std::int32_t>(n));
    EXPECT_EQ(odczytaj_bufor(k.plik("j.layout")), oryginal) << n;
  }
}

TEST(ZapisBufora, NieudanyZapisZwracaFalszIZapisujeLog) {
  katalog_tymczasowy k;
  log_tymczasowy log;
  const std::string sciezka = k.plik("brak/a.layout");
  std::vector<std::uint8_t> bufor(100, 1);
  EXPECT_FALSE(zapisz_bufor(bufor, sciezka));
  EXPECT_NE(log.tresc().find("! Błąd otwarcia pliku zapisywacza [" + sciezka + "]\n"), std::string::npos);
}

TEST(ZapisBufora, ZaKrotkiBuforNieJestZapisywany) {
  katalog_tymczasowy k;
  std::vector<std::uint8_t> bufor{1, 2, 3};
  EXPECT_FALSE(zapisz_bufor(bufor, k.plik("a.layout"), 9));
  EXPECT_FALSE(std::filesystem::exists(k.plik("a.layout")));
  EXPECT_EQ(bufor, (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(OdczytBufora, OdrzucaUszkodzonePliki) {
  katalog_tymczasowy k;
  const std::string dobry = k.plik("dobry.layout");
  std::vector<std::uint8_t> bufor = losowe_bajty(3000, 11);
  ASSERT_TRUE(zapisz_bufor(bufor, dobry, 1));
  const std::vector<std::uint8_t> zawartosc = wczytaj_gz(dobry);

  // The gzip stream cut short.
  const std::string surowy = wczytaj_plik(dobry);
  zapisz_plik(k.plik("uciety.layout"), std::string_view(surowy).substr(0, surowy.size() / 2));
  EXPECT_THROW(odczytaj_bufor(k.plik("uciety.layout")), blad_pliku);

  // Content shorter or longer than its size field says.
  zapisz_gz(k.plik("krotki.layout"), zawartosc.data(), zawartosc.size() - 1);
  EXPECT_THROW(odczytaj_bufor(k.plik("krotki.layout")), blad_pliku);
  std::vector<std::uint8_t> dluzszy = zawartosc;
  dluzszy.push_back(0);
  zapisz_gz(k.plik("dluzszy.layout"), dluzszy);
  EXPECT_THROW(odczytaj_bufor(k.plik("dluzszy.layout")), blad_pliku);

  // Another tag, a header alone, a size below 4 or negative.
  std::vector<std::uint8_t> znacznik = zawartosc;
  znacznik[0] = 'x';
  zapisz_gz(k.plik("znacznik.layout"), znacznik);
  EXPECT_THROW(odczytaj_bufor(k.plik("znacznik.layout")), blad_pliku);
  zapisz_gz(k.plik("naglowek.layout"), zawartosc.data(), 3);
  EXPECT_THROW(odczytaj_bufor(k.plik("naglowek.layout")), blad_pliku);
  zapisz_jawnie(k.plik("maly.layout"), {1, 2, 3}, 3);
  EXPECT_THROW(odczytaj_bufor(k.plik("maly.layout")), blad_pliku);
  zapisz_jawnie(k.plik("ujemny.layout"), {1, 2, 3, 4}, -4);
  EXPECT_THROW(odczytaj_bufor(k.plik("ujemny.layout")), blad_pliku);

  // Text that is no gzip at all, and no file.
  zapisz_plik(k.plik("tekst.layout"), "to nie jest plik symulatora\n");
  EXPECT_THROW(odczytaj_bufor(k.plik("tekst.layout")), blad_pliku);
  EXPECT_THROW(odczytaj_bufor(k.plik("nie_ma.layout")), blad_pliku);
}

}  // namespace
