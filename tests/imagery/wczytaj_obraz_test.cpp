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
