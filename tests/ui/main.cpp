#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <clocale>

#include "ui/uruchomienie.h"
#include "ui/ustawienia.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

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
#if defined(__SANITIZE_ADDRESS__)
  // Leaks are looked for while the GL driver is loaded and its threads wait idle: what the
  // driver keeps is then named by its library and suppressed. At exit the display closes, the
  // driver unloads and its threads end while the checker stops the world.
  __lsan_do_leak_check();
#endif
  return wynik;
}
