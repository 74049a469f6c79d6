#include "cli/komunikaty_cli.h"

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
