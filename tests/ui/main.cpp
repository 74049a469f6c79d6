#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <clocale>

#include "ui/uruchomienie.h"
#include "support/wycieki_gl.h"
#include "ui/ustawienia.h"

// The window tests share one application, made as the editor makes it.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Listing the tests happens at build time, where there may be no display.
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  ustaw_format_gl();
  QApplication aplikacja(argc, argv);
  // Settings of the tests apart from the user's.
  QStandardPaths::setTestModeEnabled(true);
  nazwij_ustawienia();
  std::setlocale(LC_NUMERIC, "C");
  // Closing a tested window must not end anything.
  QApplication::setQuitOnLastWindowClosed(false);
  const int wynik = RUN_ALL_TESTS();
  sprawdz_wycieki_przy_sterowniku();
  return wynik;
}
