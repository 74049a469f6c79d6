// Textures built in a real (software) GL context: packed rows, ids, failures.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>

#include <GL/gl.h>
#include <GL/glext.h>

#include <optional>

#include "imagery/tekstura.h"
#include "imagery/zapis_obrazu.h"
#include "obrazy_testowe.h"
#include "support/katalog_tymczasowy.h"
#include "support/wycieki_gl.h"

namespace {

class Tekstura : public testing::Test {
 protected:
  void SetUp() override {
    powierzchnia.setFormat(QSurfaceFormat::defaultFormat());
    powierzchnia.create();
    kontekst.setFormat(QSurfaceFormat::defaultFormat());
    ASSERT_TRUE(kontekst.create());
    ASSERT_TRUE(kontekst.makeCurrent(&powierzchnia));
  }
  void TearDown() override { kontekst.doneCurrent(); }

  // Level 0 of the bound texture, packed RGB rows, bottom row first.
  static std::vector<std::uint8_t> poziom_zero(int szerokosc, int wysokosc) {
    std::vector<std::uint8_t> texele(static_cast<std::size_t>(szerokosc) * wysokosc * 3 + 16, 0xee);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texele.data());
    texele.resize(texele.size() - 16);
    return texele;
  }

  QOffscreenSurface powierzchnia;
  QOpenGLContext kontekst;
};

// Widths 1 and 2 make rows of 3 and 6 bytes, which GL's default alignment would pad to 4 and 8:
// the texture would then show rows shifted against each other.
TEST_F(Tekstura, WierszeBezWyrownaniaNiePrzesuniete) {
  for (int szerokosc : {1, 2}) {
    SCOPED_TRACE(szerokosc);
    const obraz o = obraz_z(szerokosc, 4, [](int x, int y) {
      return std::vector<std::uint8_t>{static_cast<std::uint8_t>(40 * y + 1), static_cast<std::uint8_t>(100 + x),
                                       static_cast<std::uint8_t>(250 - 30 * y)};
    });
    unsigned id = zbuduj_teksture(o);
    ASSERT_NE(id, 0u);
    glBindTexture(GL_TEXTURE_2D, id);
    GLint w = 0, h = 0, filtr = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    ASSERT_EQ(w, szerokosc);
    ASSERT_EQ(h, 4);
    EXPECT_EQ(poziom_zero(w, h), o.piksele);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filtr);
    EXPECT_EQ(filtr, GL_LINEAR_MIPMAP_NEAREST);
    GLint wyrownanie = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &wyrownanie);
    EXPECT_EQ(wyrownanie, 4);  // left as GL had it
    usun_teksture(id);
    EXPECT_EQ(id, 0u);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  }
}

// Tiles are kept as DXT1 (an eighth of the memory of four bytes a pixel) with every mipmap level;
// pictures keep every pixel exactly.
TEST_F(Tekstura, SkompresowanaTylkoNaZyczenie) {
  const obraz o = obraz_z(64, 32, [](int x, int y) {
    return std::vector<std::uint8_t>{static_cast<std::uint8_t>(4 * x), static_cast<std::uint8_t>(8 * y), 90};
  });
  const auto format = [](unsigned id, int poziom) {
    glBindTexture(GL_TEXTURE_2D, id);
    GLint f = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, poziom, GL_TEXTURE_INTERNAL_FORMAT, &f);
    return f;
  };
  unsigned pelna = zbuduj_teksture(o);
  unsigned skompresowana = zbuduj_teksture(o, zapis_tekstury::skompresowany);
  ASSERT_NE(pelna, 0u);
  ASSERT_NE(skompresowana, 0u);
  EXPECT_EQ(format(pelna, 0), GL_RGB);
  glBindTexture(GL_TEXTURE_2D, pelna);
  EXPECT_EQ(poziom_zero(64, 32), o.piksele);
  // Mesa's software renderer offers S3TC.
  for (int poziom : {0, 6}) EXPECT_EQ(format(skompresowana, poziom), GL_COMPRESSED_RGB_S3TC_DXT1_EXT) << poziom;
  usun_teksture(pelna);
  usun_teksture(skompresowana);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(Tekstura, PustyObrazBezTekstury) {
  EXPECT_EQ(zbuduj_teksture(obraz{}), 0u);
  obraz niespojny = obraz_z(2, 2, [](int, int) { return std::vector<std::uint8_t>{1, 2, 3}; });
  niespojny.piksele.pop_back();
  EXPECT_EQ(zbuduj_teksture(niespojny), 0u);
}

TEST_F(Tekstura, ZPlikuLubZero) {
  katalog_tymczasowy katalog;
  const std::string bmp = katalog.plik("a.bmp");
  zapisz_bajty(bmp, koduj_bmp(obraz_z(3, 3, [](int, int) { return std::vector<std::uint8_t>{9, 8, 7}; })));
  testing::internal::CaptureStdout();
  unsigned id = laduj_teksture(bmp);
  EXPECT_NE(id, 0u);
  usun_teksture(id);
  EXPECT_EQ(laduj_teksture(katalog.plik("brak.bmp")), 0u);
  EXPECT_EQ(laduj_teksture(katalog.plik("a.png")), 0u);
  testing::internal::GetCapturedStdout();
  EXPECT_GE(maks_rozmiar_tekstury(), 64);
}

}  // namespace

int main(int argc, char** argv) {
  QSurfaceFormat format;
  format.setVersion(2, 1);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  QSurfaceFormat::setDefaultFormat(format);
  testing::InitGoogleTest(&argc, argv);
  // Listing the tests (at build time) needs no display.
  std::optional<QGuiApplication> aplikacja;
  if (!GTEST_FLAG_GET(list_tests)) aplikacja.emplace(argc, argv);
  const int wynik = RUN_ALL_TESTS();
  sprawdz_wycieki_przy_sterowniku();
  return wynik;
}
