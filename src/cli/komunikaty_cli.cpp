#include "cli/komunikaty_cli.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "app/komunikaty.h"

namespace {
int wypisane = 0;
}

void komunikaty_na_stderr() {
  ustaw_odbiorce_komunikatow([](unsigned, const std::string& tekst) {
    if (tekst.empty()) return;
    std::cerr << tekst << '\n';
    ++wypisane;
  });
}

int liczba_wypisanych_komunikatow() { return wypisane; }

void zglos_blad(const std::string& tekst) {
  std::cerr << "vialtor-cli: " << tekst << '\n';
  ++wypisane;
}

bool wyjscie_zapisane() {
  std::cout.flush();
  if (std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
  zglos_blad(std::string("nie można zapisać wyniku na standardowe wyjście (") +
             (errno ? std::strerror(errno) : "błąd zapisu") + ")");
  return false;
}
