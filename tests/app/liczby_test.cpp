// Number to text and text to number, as the panels' boxes use them.
#include <gtest/gtest.h>

#include <cmath>

#include "app/liczby.h"
#include "support/log_tymczasowy.h"

namespace {

TEST(LiczbaNaTekst, StalePrzecinkoweMiejsca) {
  EXPECT_EQ(liczba_na_tekst(3.14159, 2), "3.14");
  EXPECT_EQ(liczba_na_tekst(-0.004, 2), "-0.00");
  EXPECT_EQ(liczba_na_tekst(2.5, 0), "2");  // halves to even, as printf
  EXPECT_EQ(liczba_na_tekst(1234567.0, 0), "1234567");
  EXPECT_EQ(liczba_na_tekst(1e20, 1), "100000000000000000000.0");
  EXPECT_EQ(liczba_na_tekst(0.125, 3), "0.125");
  EXPECT_LE(liczba_na_tekst(1e300, 2).size(), 255u);
}

TEST(TekstNaLiczbe, CzytaPoczatekTekstu) {
  log_tymczasowy log;
  EXPECT_EQ(tekst_na_liczbe("12,5"), 12);
  EXPECT_EQ(tekst_na_liczbe("0.1"), 0.1);
  EXPECT_EQ(tekst_na_liczbe("  -3.5e2x"), -350);
  EXPECT_EQ(tekst_na_liczbe("+7"), 7);
  EXPECT_EQ(tekst_na_liczbe(".5"), 0.5);
  EXPECT_EQ(tekst_na_liczbe("1e999"), HUGE_VAL);
  EXPECT_EQ(tekst_na_liczbe("-1e999"), -HUGE_VAL);
  EXPECT_EQ(tekst_na_liczbe("1e-999"), 0);
  EXPECT_EQ(log.tresc(), "");
}

TEST(TekstNaLiczbe, BezLiczbyZapisujeBlad) {
  log_tymczasowy log;
  for (const char* tekst : {"", "abc", ",5", "--5", "- 5", "+-5"}) {
    EXPECT_EQ(tekst_na_liczbe(tekst), 0) << tekst;
  }
  std::string oczekiwany;
  for (int i = 0; i < 6; ++i) oczekiwany += "!!! string to double error\n";
  EXPECT_EQ(log.tresc(), oczekiwany);
}

}  // namespace
