// The reader is chosen by the last three letters of the path, in any case.
#include <gtest/gtest.h>

#include "imagery/wczytaj_obraz.h"
#include "imagery/zapis_obrazu.h"
#include "obrazy_testowe.h"
#include "support/katalog_tymczasowy.h"

namespace {

TEST(WczytajObraz, WyborPoKoncowce) {
  katalog_tymczasowy katalog;
  const obraz o = obraz_z(4, 2, [](int x, int) { return std::vector<std::uint8_t>{static_cast<std::uint8_t>(x * 60), 0, 0}; });
  const std::vector<std::uint8_t> bmp = koduj_bmp(o), jpg = koduj_jpeg(o, 90);
  const struct {
    const char* nazwa;
    const std::vector<std::uint8_t>* dane;
    int glebia;  // 0: not read
  } przypadki[] = {
      {"a.bmp", &bmp, 24}, {"b.BMP", &bmp, 24}, {"c.Bmp", &bmp, 24}, {"d.jpg", &jpg, 3}, {"e.JPG", &jpg, 3},
      {"f.jpeg", &jpg, 0}, {"g.png", &bmp, 0},  {"h.bmpx", &bmp, 0}, {"jpg", &jpg, 3},  {"bm", &bmp, 0},
      // The content does not choose: a BMP named .jpg is a broken JPEG.
      {"i.jpg", &bmp, 0},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    const std::string sciezka = katalog.plik(p.nazwa);
    zapisz_bajty(sciezka, *p.dane);
    testing::internal::CaptureStdout();
    const std::optional<obraz> wynik = wczytaj_obraz(sciezka, 0);
    const std::string wyjscie = testing::internal::GetCapturedStdout();
    EXPECT_EQ(wynik.has_value(), p.glebia != 0);
    if (wynik) {
      EXPECT_EQ(wynik->glebia, p.glebia);
    } else {
      EXPECT_EQ(wyjscie, "");
    }
  }
}

}  // namespace

// A picture the user adds is refused with the reason: nothing to read, the reader's own fault,
// the size limit, a kind the program does not read.
TEST(WczytajObraz, PowodOdmowy) {
  katalog_tymczasowy katalog;
  const obraz o = obraz_z(8, 8, [](int, int) { return std::vector<std::uint8_t>{10, 20, 30}; });
  std::vector<std::uint8_t> ogromny_bmp = koduj_bmp(o), ogromny_jpg = koduj_jpeg(o, 90);
  for (int i : {18, 22}) ogromny_bmp[i + 2] = 0x01;  // 65536 + 8 pixels a side
  for (std::size_t i = 0; i + 8 < ogromny_jpg.size(); ++i)
    if (ogromny_jpg[i] == 0xFF && (ogromny_jpg[i + 1] == 0xC0 || ogromny_jpg[i + 1] == 0xC2)) {
      for (std::size_t b : {i + 5, i + 7}) ogromny_jpg[b] = 0x23, ogromny_jpg[b + 1] = 0x28;  // 9000
      break;
    }
  const std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0, 0, 0, 13};
  const struct {
    const char* nazwa;
    std::vector<std::uint8_t> dane;
    std::string powod;
  } przypadki[] = {
      {"pusty.jpg", {}, "plik jest pusty"},
      {"pusty.bmp", {}, "plik jest pusty"},
      {"ogromny.bmp", ogromny_bmp, "Error: Bitmap-File too large!"},
      {"ogromny.jpg", ogromny_jpg, "image of 9000x9000 too large"},
      {"png.jpg", png, "Not a JPEG file: starts with 0x89 0x50"},
      {"obraz.png", png, "program czyta tylko obrazy .bmp i .jpg"},
  };
  testing::internal::CaptureStdout();
  for (const auto& p : przypadki) {
    const std::string sciezka = katalog.plik(p.nazwa);
    zapisz_bajty(sciezka, p.dane);
    const obraz_lub_powod w = odczytaj_obraz(sciezka, 16384);
    EXPECT_FALSE(w.obraz) << p.nazwa;
    EXPECT_EQ(w.powod, p.powod) << p.nazwa;
  }
  EXPECT_EQ(odczytaj_obraz(katalog.plik("nie_ma.bmp"), 0).powod, "nie można otworzyć pliku (No such file or directory)");
  testing::internal::GetCapturedStdout();
}
