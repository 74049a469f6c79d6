#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>
#include <optional>

#include "support/wycieki_gl.h"
#include "ui/uruchomienie.h"

// One application for all the drawing tests, with the editor's GL format; listing the tests (at
// build time) needs no display.
int main(int argc, char** argv) {
  ustaw_format_gl();
  testing::InitGoogleTest(&argc, argv);
  std::optional<QApplication> aplikacja;
  if (!GTEST_FLAG_GET(list_tests)) {
    aplikacja.emplace(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
  }
  const int wynik = RUN_ALL_TESTS();
  sprawdz_wycieki_przy_sterowniku();
  return wynik;
}
