// The BMP reader on sound files of every depth it decodes and on damaged or hostile ones.
#include <gtest/gtest.h>

#include <functional>

#include "imagery/czytnik_bmp.h"
#include "imagery/zapis_obrazu.h"
#include "obrazy_testowe.h"
#include "support/katalog_tymczasowy.h"

namespace {

struct wynik_odczytu {
  std::optional<obraz> o;
  std::string wyjscie;  // what the reader printed
};

wynik_odczytu dekoduj(const std::vector<std::uint8_t>& dane) {
  testing::internal::CaptureStdout();
  wynik_odczytu w;
  w.o = dekoduj_bmp(dane.data(), dane.size(), "t.bmp");
  w.wyjscie = testing::internal::GetCapturedStdout();
  return w;
}

// 5 x 3: a row of 15 bytes, padded to 16 in the file.
obraz tecza() {
  return obraz_z(5, 3, [](int x, int y) {
    return std::vector<std::uint8_t>{static_cast<std::uint8_t>(10 * x), static_cast<std::uint8_t>(100 + y),
                                     static_cast<std::uint8_t>(x + 7 * y)};
  });
}

TEST(CzytnikBmp, PikselPlikuWKolejnosciBgr) {
  std::vector<std::uint8_t> plik = koduj_bmp(obraz_z(4, 1, [](int, int) { return std::vector<std::uint8_t>{0, 0, 0}; }));
  plik[54] = 10;
  plik[55] = 20;
  plik[56] = 30;
  const wynik_odczytu w = dekoduj(plik);
  ASSERT_TRUE(w.o);
  EXPECT_EQ(piksel(*w.o, 0, 0), (std::vector<int>{30, 20, 10}));
  EXPECT_EQ(w.o->glebia, 24);
  EXPECT_EQ(w.wyjscie, "Load texture t.bmp 4x1x24 ok\n");
}

TEST(CzytnikBmp, NieparzystaSzerokoscBezPrzesuniecWierszy) {
  const obraz wzor = tecza();
  const wynik_odczytu w = dekoduj(koduj_bmp(wzor));
  ASSERT_TRUE(w.o);
  EXPECT_EQ(w.o->szerokosc, 5);
  EXPECT_EQ(w.o->wysokosc, 3);
  EXPECT_EQ(w.o->piksele, wzor.piksele);
}

TEST(CzytnikBmp, WierszeOdGoryPrzyUjemnejWysokosci) {
  const obraz wzor = tecza();
  std::vector<std::uint8_t> plik = koduj_bmp(wzor);
  // The same rows stored top first: reverse the three 16-byte rows and negate the height.
  std::vector<std::uint8_t> odwrocony(plik.begin(), plik.begin() + 54);
  for (int r = 2; r >= 0; --r) odwrocony.insert(odwrocony.end(), plik.begin() + 54 + 16 * r, plik.begin() + 70 + 16 * r);
  wpisz_u32(odwrocony, 22, static_cast<std::uint32_t>(-3));
  const wynik_odczytu w = dekoduj(odwrocony);
  ASSERT_TRUE(w.o);
  EXPECT_EQ(w.o->wysokosc, 3);
  EXPECT_EQ(w.o->piksele, wzor.piksele);
}

TEST(CzytnikBmp, PaletaOsmioIczterobitowa) {
  // Entries B, G, R, 0: 0 = red, 1 = green, 2 = blue.
  const std::vector<std::uint8_t> paleta = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};
  for (int glebia : {8, 4}) {
    SCOPED_TRACE(glebia);
    const wynik_odczytu w = dekoduj(bmp_z_paleta(3, 2, glebia, paleta, {{0, 1, 2}, {2, 2, 1}}));
    ASSERT_TRUE(w.o);
    EXPECT_EQ(w.o->glebia, glebia);
    EXPECT_EQ(piksel(*w.o, 0, 0), (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(piksel(*w.o, 1, 0), (std::vector<int>{0, 255, 0}));
    EXPECT_EQ(piksel(*w.o, 2, 0), (std::vector<int>{0, 0, 255}));
    EXPECT_EQ(piksel(*w.o, 0, 1), (std::vector<int>{0, 0, 255}));
    EXPECT_EQ(piksel(*w.o, 2, 1), (std::vector<int>{0, 255, 0}));
    EXPECT_NE(w.wyjscie.find("rgbTab dane ok"), std::string::npos) << w.wyjscie;
  }
}

TEST(CzytnikBmp, IndeksPozaKrotkaPaletaDajeCzern) {
  const std::vector<std::uint8_t> paleta = {255, 255, 255, 0};  // one entry: white
  const wynik_odczytu w = dekoduj(bmp_z_paleta(2, 1, 8, paleta, {{0, 200}}));
  ASSERT_TRUE(w.o);
  EXPECT_EQ(piksel(*w.o, 0, 0), (std::vector<int>{255, 255, 255}));
  EXPECT_EQ(piksel(*w.o, 1, 0), (std::vector<int>{0, 0, 0}));
}

TEST(CzytnikBmp, DluzszeNaglowkiInfo) {
  // A 124-byte header: the pixels move by 84 bytes.
  std::vector<std::uint8_t> plik = koduj_bmp(tecza());
  plik.insert(plik.begin() + 54, 84, 0);
  wpisz_u32(plik, 2, static_cast<std::uint32_t>(plik.size()));
  wpisz_u32(plik, 10, 54 + 84);
  wpisz_u32(plik, 14, 124);
  const wynik_odczytu w = dekoduj(plik);
  ASSERT_TRUE(w.o);
  EXPECT_EQ(w.o->piksele, tecza().piksele);
}

struct uszkodzenie {
  const char* nazwa;
  std::function<void(std::vector<std::uint8_t>&)> zmien;
  const char* komunikat;
};

// Each damaged file is refused with its message and nothing is read outside the data (the
// sanitizers watch the reads).
TEST(CzytnikBmp, UszkodzonePlikiOdrzucone) {
  const auto pole32 = [](std::size_t gdzie, std::uint32_t x) {
    return [=](std::vector<std::uint8_t>& v) { wpisz_u32(v, gdzie, x); };
  };
  const auto pole16 = [](std::size_t gdzie, std::uint16_t x) {
    return [=](std::vector<std::uint8_t>& v) { wpisz_u16(v, gdzie, x); };
  };
  const auto skroc = [](std::size_t n) { return [=](std::vector<std::uint8_t>& v) { v.resize(n); }; };
  const std::vector<uszkodzenie> przypadki = {
      {"pusty", skroc(0), "Error reading file!"},
      {"jeden bajt", skroc(1), "Error reading file!"},
      {"nie BM", pole16(0, 0x4d42 + 1), "Not a Bitmap-File!"},
      {"naglowek uciety", skroc(40), "Error reading file!"},
      {"dwie plaszczyzny", pole16(26, 2), "Error: number of Planes not 1!"},
      {"RLE8", pole32(30, 1), "Error: compressed Bitmap-File not supported!"},
      {"bitfields", pole32(30, 3), "Error: compressed Bitmap-File not supported!"},
      {"32 bity", pole16(28, 32), "Error: 32 bits per pixel not supported!"},
      {"16 bitow", pole16(28, 16), "Error: 16 bits per pixel not supported!"},
      {"1 bit", pole16(28, 1), "Error: 1 bits per pixel not supported!"},
      {"zero bitow", pole16(28, 0), "Error: 0 bits per pixel not supported!"},
      {"szerokosc 0", pole32(18, 0), "Error: wrong Bitmap-File dimensions!"},
      {"ujemna szerokosc", pole32(18, static_cast<std::uint32_t>(-5)), "Error: wrong Bitmap-File dimensions!"},
      {"wysokosc 0", pole32(22, 0), "Error: wrong Bitmap-File dimensions!"},
      {"wysokosc INT_MIN", pole32(22, 0x80000000u), "Error: wrong Bitmap-File dimensions!"},
      {"wymiary ponad limit", [](auto& v) { wpisz_u32(v, 18, 100000); wpisz_u32(v, 22, 100000); },
       "Error: Bitmap-File too large!"},
      {"wymiary przepelniajace 32 bity", [](auto& v) { wpisz_u32(v, 18, 0x7fffffff); wpisz_u32(v, 22, 0x7fffffff); },
       "Error: Bitmap-File too large!"},
      {"ujemna ogromna wysokosc", [](auto& v) { wpisz_u32(v, 18, 0x7fffffff); wpisz_u32(v, 22, 0x80000001u); },
       "Error: Bitmap-File too large!"},
      {"naglowek 12 bajtow", pole32(14, 12), "Error: Bitmap-File header not supported!"},
      {"naglowek dluzszy niz plik", pole32(14, 124), "Error: Bitmap-File header not supported!"},
      {"naglowek nieznany", pole32(14, 41), "Error: Bitmap-File header not supported!"},
      {"rozmiar pliku za duzy", pole32(2, 10000), "Error: Bitmap-File shorter than its header says!"},
      {"piksele za koncem", pole32(10, 100000), "Error loading file!"},
      {"przesuniecie przepelniajace", pole32(10, 0xfffffff0u), "Error loading file!"},
      {"piksele w naglowku", pole32(10, 20), "Error: Bitmap-File pixel data overlaps its header!"},
      {"brak ostatniego bajtu", [](auto& v) { v.pop_back(); wpisz_u32(v, 2, 0); }, "Error loading file!"},
      {"wiersze bez wyrownania", [](auto& v) { v.resize(54 + 15 * 3); wpisz_u32(v, 2, 0); }, "Error loading file!"},
      {"za duzo wierszy", pole32(22, 4), "Error loading file!"},
      {"za szeroki", pole32(18, 6), "Error loading file!"},
  };
  for (const uszkodzenie& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    std::vector<std::uint8_t> plik = koduj_bmp(tecza());
    p.zmien(plik);
    const wynik_odczytu w = dekoduj(plik);
    EXPECT_FALSE(w.o);
    EXPECT_NE(w.wyjscie.find(p.komunikat), std::string::npos) << w.wyjscie;
  }
}

TEST(CzytnikBmp, UszkodzonePaletyOdrzucone) {
  const std::vector<std::uint8_t> paleta(16 * 4, 0);
  std::vector<std::uint8_t> plik = bmp_z_paleta(3, 2, 4, paleta, {{0, 1, 2}, {3, 4, 5}});
  std::vector<std::uint8_t> za_duza = plik;
  wpisz_u32(za_duza, 46, 17);
  EXPECT_NE(dekoduj(za_duza).wyjscie.find("Error: Bitmap-File palette too large!"), std::string::npos);
  // All 256 entries of an 8-bit file, but the pixels start after 16 of them.
  std::vector<std::uint8_t> nie_miesci = plik;
  wpisz_u16(nie_miesci, 28, 8);
  wpisz_u32(nie_miesci, 46, 0);
  const wynik_odczytu w = dekoduj(nie_miesci);
  EXPECT_FALSE(w.o);
  EXPECT_NE(w.wyjscie.find("Error: Bitmap-File pixel data overlaps its header!"), std::string::npos) << w.wyjscie;
}

TEST(CzytnikBmp, BrakPliku) {
  katalog_tymczasowy katalog;
  const std::string sciezka = katalog.plik("nie_ma.bmp");
  testing::internal::CaptureStdout();
  EXPECT_FALSE(wczytaj_bmp(sciezka));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "File not found : " + sciezka + "\n");
}

TEST(CzytnikBmp, KatalogZamiastPliku) {
  katalog_tymczasowy katalog;
  const std::string sciezka = katalog.plik("katalog.bmp");
  std::filesystem::create_directory(sciezka);
  testing::internal::CaptureStdout();
  EXPECT_FALSE(wczytaj_bmp(sciezka));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error reading file!\n");
}

}  // namespace
