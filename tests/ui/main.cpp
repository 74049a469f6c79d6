#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

#include "ui/uruchomienie.h"

// The window tests share one application, made as the editor makes it.
int main(int argc, char** argv) {
  ustaw_format_gl();
  QApplication aplikacja(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  // Closing a tested window must not end anything.
  QApplication::setQuitOnLastWindowClosed(false);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
