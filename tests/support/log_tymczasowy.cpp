#include "support/log_tymczasowy.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/log.h"

log_tymczasowy::log_tymczasowy() {
  std::string wzor = testing::TempDir() + "vialtor_log_XXXXXX";
  const int uchwyt = mkstemp(wzor.data());
  EXPECT_GE(uchwyt, 0) << wzor;
  if (uchwyt >= 0) close(uchwyt);
  sciezka = wzor;
  EXPECT_TRUE(log_otworz(sciezka.c_str())) << sciezka;
}

log_tymczasowy::~log_tymczasowy() {
  log_zamknij();
  std::remove(sciezka.c_str());
}

std::string log_tymczasowy::tresc() const {
  std::ifstream plik(sciezka, std::ios::binary);
  std::ostringstream s;
  s << plik.rdbuf();
  return s.str();
}
