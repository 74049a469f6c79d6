#include "dokument/wczytywanie.h"

#include <algorithm>
#include <cctype>

#include "app/katalog_danych.h"
#include "io/import_txt.h"
#include "io/import_vxp.h"

bool ma_rozszerzenie(const std::string& sciezka, const std::string& rozszerzenie) {
  if (sciezka.size() < rozszerzenie.size()) return false;
  return std::equal(rozszerzenie.begin(), rozszerzenie.end(), sciezka.end() - rozszerzenie.size(),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) ==
                                                std::tolower(static_cast<unsigned char>(b)); });
}

rodzaj_pliku rodzaj_po_rozszerzeniu(const std::string& sciezka) {
  if (ma_rozszerzenie(sciezka, ".vxm")) return rodzaj_pliku::projekt;
  if (ma_rozszerzenie(sciezka, ".vxp")) return rodzaj_pliku::stary_projekt;
  if (ma_rozszerzenie(sciezka, ".txt")) return rodzaj_pliku::tekst;
  return rodzaj_pliku::nieznany;
}

wynik_odczytu wczytaj_model(const std::string& sciezka, const std::string& katalog_danych, dokument& model) {
  if (!katalog_danych.empty()) model.tor.wczytaj_szablony(katalog_danych + "/" + PLIK_SZABLONOW);
  switch (rodzaj_po_rozszerzeniu(sciezka)) {
    case rodzaj_pliku::projekt: return wczytaj_projekt(sciezka, model.tor, model.trasa);
    case rodzaj_pliku::stary_projekt: return importuj_vxp(sciezka, model.tor, model.siec);
    case rodzaj_pliku::tekst: return importuj_txt(sciezka, model.tor);
    case rodzaj_pliku::nieznany: break;
  }
  wynik_odczytu wynik;
  wynik.ok = false;
  wynik.blad = "nieznany rodzaj pliku " + sciezka + " (oczekiwano .vxm, .vxp lub .txt)";
  return wynik;
}
