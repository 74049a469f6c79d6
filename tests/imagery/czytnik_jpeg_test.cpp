// The JPEG reader: colour kinds, row order, scaling, and damaged files that must not end the program.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "imagery/czytnik_jpeg.h"
#include "imagery/zapis_obrazu.h"
#include "obrazy_testowe.h"
#include "support/katalog_tymczasowy.h"
#include "support/log_tymczasowy.h"

namespace {

// 16 x 16: red on top, blue below, a green column at the left.
obraz wzor_rgb() {
  return obraz_z(16, 16, [](int x, int y) {
    if (x < 4) return std::vector<std::uint8_t>{0, 200, 0};
    return y >= 8 ? std::vector<std::uint8_t>{220, 0, 0} : std::vector<std::uint8_t>{0, 0, 220};
  });
}

std::optional<obraz> dekoduj(const std::vector<std::uint8_t>& dane, int maks_bok = 0) {
  return dekoduj_jpeg(dane.data(), dane.size(), "t.jpg", maks_bok);
}

void blisko(const std::vector<int>& jest, const std::vector<int>& ma_byc, int tolerancja = 12) {
  ASSERT_EQ(jest.size(), ma_byc.size());
  for (std::size_t i = 0; i < jest.size(); ++i)
    EXPECT_NEAR(jest[i], ma_byc[i], tolerancja) << "składowa " << i;
}

// The first row libjpeg itself decodes from the file: the image's top row.
std::vector<std::uint8_t> gorny_wiersz_pliku(const std::vector<std::uint8_t>& dane) {
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr bledy;
  cinfo.err = jpeg_std_error(&bledy);
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, dane.data(), static_cast<unsigned long>(dane.size()));
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  std::vector<std::uint8_t> wiersz(cinfo.output_width * 3);
  JSAMPROW w = wiersz.data();
  jpeg_read_scanlines(&cinfo, &w, 1);
  jpeg_abort_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return wiersz;
}

TEST(CzytnikJpeg, GornyWierszPlikuJestOstatnim) {
  const std::vector<std::uint8_t> plik = koduj_jpeg(wzor_rgb(), 95);
  const std::optional<obraz> o = dekoduj(plik);
  ASSERT_TRUE(o);
  ASSERT_EQ(o->szerokosc, 16);
  ASSERT_EQ(o->wysokosc, 16);
  EXPECT_EQ(o->glebia, 3);
  const std::vector<std::uint8_t> gora = gorny_wiersz_pliku(plik);
  EXPECT_TRUE(std::equal(gora.begin(), gora.end(), o->piksele.end() - 16 * 3));
  blisko(piksel(*o, 10, 15), {220, 0, 0});
  blisko(piksel(*o, 10, 0), {0, 0, 220});
  blisko(piksel(*o, 1, 0), {0, 200, 0});
}

TEST(CzytnikJpeg, SzaryRozwinietyDoRgb) {
  std::vector<std::uint8_t> szary(8 * 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) szary[y * 8 + x] = y < 4 ? 40 : 210;  // dark at the bottom
  const std::optional<obraz> o = dekoduj(koduj_jpeg(szary.data(), 8, 8, 1, 95));
  ASSERT_TRUE(o);
  EXPECT_EQ(o->glebia, 1);
  ASSERT_EQ(o->piksele.size(), 8u * 8 * 3);
  for (int y : {0, 7}) {
    const std::vector<int> p = piksel(*o, 3, y);
    EXPECT_EQ(p[0], p[1]);
    EXPECT_EQ(p[1], p[2]);
    EXPECT_NEAR(p[0], y < 4 ? 40 : 210, 12);
  }
}

TEST(CzytnikJpeg, CmykAdobePrzeliczonyNaRgb) {
  // Adobe's inverted CMYK: 255 = no ink. Full cyan, then full magenta + half black.
  std::vector<std::uint8_t> cmyk(8 * 8 * 4);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      std::uint8_t* p = &cmyk[(y * 8 + x) * 4];
      if (y < 4) {
        p[0] = 0, p[1] = 255, p[2] = 255, p[3] = 255;
      } else {
        p[0] = 255, p[1] = 0, p[2] = 255, p[3] = 128;
      }
    }
  const std::optional<obraz> o = dekoduj(koduj_jpeg(cmyk.data(), 8, 8, 4, 95));
  ASSERT_TRUE(o);
  EXPECT_EQ(o->glebia, 4);
  blisko(piksel(*o, 3, 1), {0, 255, 255});
  blisko(piksel(*o, 3, 6), {128, 0, 128});
}

// SOF0 holds the height and width at 5 and 7 bytes past its marker.
void wpisz_wymiary(std::vector<std::uint8_t>& plik, std::uint16_t szerokosc, std::uint16_t wysokosc) {
  for (std::size_t i = 0; i + 9 < plik.size(); ++i)
    if (plik[i] == 0xff && plik[i + 1] == 0xc0) {
      plik[i + 5] = wysokosc >> 8, plik[i + 6] = wysokosc & 0xff;
      plik[i + 7] = szerokosc >> 8, plik[i + 8] = szerokosc & 0xff;
      return;
    }
  FAIL() << "brak znacznika SOF0";
}

TEST(CzytnikJpeg, ZmniejszonyDoMaksymalnegoBoku) {
  const obraz duzy = obraz_z(300, 200, [](int x, int) {
    return std::vector<std::uint8_t>{static_cast<std::uint8_t>(x < 150 ? 250 : 0), 0, 0};
  });
  const std::vector<std::uint8_t> plik = koduj_jpeg(duzy, 90);
  const std::optional<obraz> o = dekoduj(plik, 100);
  ASSERT_TRUE(o);
  EXPECT_EQ(o->szerokosc, 75);
  EXPECT_EQ(o->wysokosc, 50);
  blisko(piksel(*o, 10, 25), {250, 0, 0});
  blisko(piksel(*o, 60, 25), {0, 0, 0});
  const std::optional<obraz> pelny = dekoduj(plik, 300);
  ASSERT_TRUE(pelny);
  EXPECT_EQ(pelny->szerokosc, 300);

  // 8200 x 8200 is over the pixel cap, its quarter is not: the cap is on what is decoded. (The
  // scan is that of a small image: libjpeg warns and fills the rest.)
  std::vector<std::uint8_t> ponad_limit = koduj_jpeg(wzor_rgb(), 90);
  wpisz_wymiary(ponad_limit, 8200, 8200);
  log_tymczasowy log;
  const std::optional<obraz> czwarta = dekoduj(ponad_limit, 2050);
  ASSERT_TRUE(czwarta) << log.tresc();
  EXPECT_EQ(czwarta->szerokosc, 2050);
  EXPECT_EQ(czwarta->wysokosc, 2050);
}

TEST(CzytnikJpeg, UszkodzonePlikiZwracajaNicZJednymWpisem) {
  const std::vector<std::uint8_t> dobry = koduj_jpeg(wzor_rgb(), 90);
  std::vector<std::uint8_t> ogromny = dobry;
  wpisz_wymiary(ogromny, 65000, 65000);
  std::vector<std::uint8_t> smieci(500);
  for (std::size_t i = 0; i < smieci.size(); ++i) smieci[i] = static_cast<std::uint8_t>(i * 37 + 11);
  const struct {
    const char* nazwa;
    std::vector<std::uint8_t> dane;
  } przypadki[] = {
      {"pusty", {}},
      {"smieci", smieci},
      {"sam poczatek", {dobry.begin(), dobry.begin() + 2}},
      {"uciety w naglowku", {dobry.begin(), dobry.begin() + 100}},
      {"wymiary ponad limit", ogromny},
      {"bez obrazu", {0xff, 0xd8, 0xff, 0xd9}},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    log_tymczasowy log;
    EXPECT_FALSE(dekoduj(p.dane));
    const std::string tresc = log.tresc();
    EXPECT_NE(tresc.find("Error: Unable to load t.jpg"), std::string::npos) << tresc;
    EXPECT_EQ(std::count(tresc.begin(), tresc.end(), '\n'), 1) << tresc;
  }
}

// Damage libjpeg can read past gives an image and one warning line.
TEST(CzytnikJpeg, UcietyDajeToCoZdekodowano) {
  // Noise, so that the scan and not the tables fills the file.
  std::uint32_t los = 12345;
  const obraz wzor = obraz_z(64, 64, [&](int, int) {
    los = los * 1103515245u + 12345u;
    return std::vector<std::uint8_t>{static_cast<std::uint8_t>(los >> 24), static_cast<std::uint8_t>(los >> 16), 30};
  });
  const std::vector<std::uint8_t> plik = koduj_jpeg(wzor, 90);
  const std::optional<obraz> pelny = dekoduj(plik);
  ASSERT_TRUE(pelny);
  std::vector<std::uint8_t> uszkodzony = plik;
  uszkodzony.resize(plik.size() * 2 / 3);
  std::vector<std::uint8_t> zly_znacznik = plik;
  zly_znacznik[3] = 0x01;  // the first marker after SOI is no marker
  for (const auto* dane : {&uszkodzony, &zly_znacznik}) {
    log_tymczasowy log;
    const std::optional<obraz> o = dekoduj(*dane);
    ASSERT_TRUE(o);
    EXPECT_EQ(o->szerokosc, 64);
    EXPECT_EQ(o->wysokosc, 64);
    // The top rows come before the cut.
    EXPECT_TRUE(std::equal(o->piksele.end() - 8 * 64 * 3, o->piksele.end(), pelny->piksele.end() - 8 * 64 * 3));
    const std::string tresc = log.tresc();
    EXPECT_EQ(tresc.rfind("JPEG t.jpg: ", 0), 0u) << tresc;
    EXPECT_EQ(std::count(tresc.begin(), tresc.end(), '\n'), 1) << tresc;
  }
}

TEST(CzytnikJpeg, BrakPlikuBezKomunikatu) {
  katalog_tymczasowy katalog;
  log_tymczasowy log;
  testing::internal::CaptureStdout();
  EXPECT_FALSE(wczytaj_jpeg(katalog.plik("nie_ma.jpg"), 0));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(log.tresc(), "");
}

}  // namespace
