#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>
#include <optional>

#include "ui/uruchomienie.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

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
#if defined(__SANITIZE_ADDRESS__)
  // Leaks are looked for now, while the GL driver is loaded: what it keeps until exit is then
  // named by its library and suppressed. At exit the display closes and unloads the driver, and
  // its blocks would show with no module to name them.
  __lsan_do_leak_check();
#endif
  return wynik;
}
