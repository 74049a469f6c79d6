#include "app/log.h"

#include <cstdarg>
#include <cstdio>

namespace {
std::FILE* plik_logu = nullptr;
}

bool log_otworz(const char* sciezka) {
  log_zamknij();
  plik_logu = std::fopen(sciezka, "w");
  if (!plik_logu) return false;
  std::setvbuf(plik_logu, nullptr, _IONBF, 0);
  return true;
}

void log_zamknij() {
  if (plik_logu) std::fclose(plik_logu);
  plik_logu = nullptr;
}

bool log_otwarty() { return plik_logu != nullptr; }

void log_pisz(const char* format, ...) {
  if (!plik_logu) return;
  va_list argumenty;
  va_start(argumenty, format);
  std::vfprintf(plik_logu, format, argumenty);
  va_end(argumenty);
}
