// Raw records and the text stream: exact encodings, and refusals of what a file cannot hold.
#include <gtest/gtest.h>

#include <bit>
#include <limits>

#include "io/blad_pliku.h"
#include "io/strumien_rekordow.h"
#include "io/strumien_tekstowy.h"

namespace {

TEST(StrumienRekordow, WartosciSaSurowymiBajtamiLittleEndianBezOdstepow) {
  pisarz_rekordow s;
  s.int32(-2);
  s.f64(1.5);
  s.u8(7);
  s.f32(0.25f);
  const std::vector<std::uint8_t> oczekiwane = {0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0,    0,   0,
                                                0,    0xF8, 0x3F, 7,    0, 0, 0x80, 0x3E};
  EXPECT_EQ(s.dane(), oczekiwane);

  czytnik_rekordow c(s.dane());
  EXPECT_EQ(c.int32(), -2);
  EXPECT_EQ(c.f64(), 1.5);
  EXPECT_EQ(c.u8(), 7);
  EXPECT_EQ(c.f32(), 0.25f);
  EXPECT_EQ(c.pozostalo(), 0u);
}

TEST(StrumienRekordow, OdczytZaKoncemOdrzucaINazywaMiejsce) {
  const std::vector<std::uint8_t> dane = {1, 0, 0, 0, 9, 9, 9};
  czytnik_rekordow c(dane);
  EXPECT_EQ(c.int32(), 1);
  try {
    c.f64();
    FAIL() << "odczyt 8 bajtów z 3 przeszedł";
  } catch (const blad_pliku& b) {
    EXPECT_STREQ(b.what(), "dane urywają się: potrzeba 8 B od bajtu 4, a jest ich 7");
  }
  // A refused read consumes nothing.
  EXPECT_EQ(c.pozycja(), 4u);
  EXPECT_THROW(c.pomin(4), blad_pliku);
  c.pomin(3);
  EXPECT_THROW(c.u8(), blad_pliku);
}

TEST(StrumienRekordow, LicznikUjemnyToZeroAZbytDuzyJestOdrzucony) {
  pisarz_rekordow s;
  s.int32(-5);
  s.int32(2);
  s.int32(0);
  s.int32(0);  // 8 bytes after the count of 2: enough for two records of 4, not of 5
  czytnik_rekordow c(s.dane());
  EXPECT_EQ(c.licznik(100, "punktów"), 0);
  EXPECT_EQ(c.licznik(4, "punktów"), 2);

  czytnik_rekordow d(s.dane());
  d.int32();
  try {
    d.licznik(5, "punktów");
    FAIL();
  } catch (const blad_pliku& b) {
    EXPECT_STREQ(b.what(), "liczba punktów (2, bajt 4) przekracza to, co mieści reszta pliku");
  }

  pisarz_rekordow ogromny;
  ogromny.int32(std::numeric_limits<std::int32_t>::max());
  czytnik_rekordow e(ogromny.dane());
  EXPECT_THROW(e.licznik(1, "zdarzeń"), blad_pliku);
}

TEST(StrumienTekstowy, CzytaLiczbyCalkowiteIRzeczywisteWKazdymZapisie) {
  czytnik_tekstu c("1410\r\n-3\n  +7\t2.5\n-1e-3\n1E2\n0.1\n");
  EXPECT_EQ(c.int32(), 1410);
  EXPECT_EQ(c.int32(), -3);
  EXPECT_EQ(c.int32(), 7);
  EXPECT_EQ(c.f64(), 2.5);
  EXPECT_EQ(c.f64(), -1e-3);
  EXPECT_EQ(c.f64(), 100.0);
  EXPECT_EQ(c.f64(), 0.1);
}

TEST(StrumienTekstowy, ZapisCzytaSieDoTegoSamegoBitu) {
  const double wartosci[] = {0.1, -0.0, 1e-300, 123456.789012345678, std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::denorm_min()};
  pisarz_tekstu s;
  for (double v : wartosci) s.f64(v);
  s.int32(std::numeric_limits<std::int32_t>::min());
  czytnik_tekstu c(s.tekst());
  for (double v : wartosci) EXPECT_EQ(std::bit_cast<std::uint64_t>(c.f64()), std::bit_cast<std::uint64_t>(v)) << v;
  EXPECT_EQ(c.int32(), std::numeric_limits<std::int32_t>::min());
}

TEST(StrumienTekstowy, WartoscNieLiczbowaLubBrakujacaOdrzucaINazywaWiersz) {
  {
    czytnik_tekstu c("1\n2\nabc\n");
    c.int32();
    c.int32();
    try {
      c.int32();
      FAIL();
    } catch (const blad_pliku& b) {
      EXPECT_STREQ(b.what(), "wiersz 3: \"abc\" nie jest liczbą całkowitą");
    }
  }
  for (const char* zly : {"1.5", "12abc", "99999999999", "-", ""}) {
    czytnik_tekstu c(zly);
    EXPECT_THROW(c.int32(), blad_pliku) << zly;
  }
  for (const char* zly : {"1,5", "nan", "inf", "1e999", "0x10", "--1"}) {
    czytnik_tekstu c(zly);
    EXPECT_THROW(c.f64(), blad_pliku) << zly;
  }
}

TEST(StrumienTekstowy, LicznikSprawdzanyZResztaTekstu) {
  czytnik_tekstu c("-4\n3\n1\n2\n3\n4\n5\n6\n");
  EXPECT_EQ(c.licznik(2, "linii"), 0);  // negative reads as zero
  EXPECT_EQ(c.licznik(2, "linii"), 3);  // six values follow
  czytnik_tekstu d("3\n1\n2\n3\n4\n5\n6\n");
  EXPECT_THROW(d.licznik(3, "linii"), blad_pliku);
  czytnik_tekstu e("2000000000\n0\n");
  EXPECT_THROW(e.licznik(1, "punktów"), blad_pliku);
}

}  // namespace
