#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/stan.h"
#include "support/katalog_tymczasowy.h"
#include "track/siec.h"
#include "track/tor.h"

// Running the built vialtor-cli in a separate process, and loading the same files in this one.

struct wynik_cli {
  int kod = -1;  // exit code
  std::string wyjscie;
  std::string bledy;
};

// Runs the tool with `argumenty` in the working directory `katalog`; its stdout and stderr are
// caught in files under `katalog_wynikow`.
wynik_cli uruchom_cli(const std::vector<std::string>& argumenty, const std::string& katalog,
                      const std::string& katalog_wynikow);

// Each test gets its own working directory for the tool and a place for what it prints.
class test_cli : public testing::Test {
 protected:
  wynik_cli uruchom(const std::vector<std::string>& argumenty) {
    return uruchom_cli(argumenty, roboczy.plik(""), wyniki.plik(""));
  }
  katalog_tymczasowy roboczy;
  katalog_tymczasowy wyniki;
  katalog_tymczasowy pliki;  // files the tests make
};

// The committed samples and the bundled template library.
std::string probka(const std::string& nazwa);
std::string biblioteka_szablonow();

std::string czytaj_plik(const std::string& sciezka);

// A file loaded in this process as the tool loads it: templates first, then by extension.
struct model_w_tescie {
  tor_uklad tor;
  siec_uklad siec;
  trasa_info trasa;
};
void wczytaj_w_tescie(const std::string& sciezka, model_w_tescie& model);

// Saves a project whose geometry test fails: a sharp bend with a radius far too large for its
// lines. Returns the path.
std::string zapisz_bledny_projekt(const std::string& sciezka);
