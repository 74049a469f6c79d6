#include "cli/polecenia.h"

#include <iostream>

#include "app/komunikaty.h"
#include "cli/komunikaty_cli.h"
#include "cli/opis_ukladu.h"
#include "dokument/wczytywanie.h"
#include "cli/zrzut_json.h"
#include "io/blad_pliku.h"
#include "io/eksport.h"
#include "io/gz_plik.h"
#include "io/import_txt.h"
#include "io/projekt.h"
#include "io/zapisywacz.h"

int wczytaj_do_polecenia(const std::string& plik, const std::string& katalog_danych, dokument& model) {
  const int przed = liczba_wypisanych_komunikatow();
  const wynik_odczytu wynik = wczytaj_model(plik, katalog_danych, model);
  if (wynik.ok) return WYJSCIE_OK;
  if (liczba_wypisanych_komunikatow() == przed)
    zglos_blad(wynik.blad.empty() ? "nie można wczytać pliku " + plik : wynik.blad);
  return wynik.nieznany_format ? WYJSCIE_ODMOWA : WYJSCIE_BLAD;
}

int polecenie_info(const std::string& plik, const std::string& katalog_danych) {
  dokument model;
  if (const int kod = wczytaj_do_polecenia(plik, katalog_danych, model)) return kod;
  std::cout << informacje(model);
  return WYJSCIE_OK;
}

int polecenie_dump(const std::string& plik, const std::string& katalog_danych) {
  dokument model;
  if (const int kod = wczytaj_do_polecenia(plik, katalog_danych, model)) return kod;
  std::cout << zrzut_modelu(model).dump() << '\n';
  return WYJSCIE_OK;
}

int polecenie_check(const std::string& plik, const std::string& katalog_danych) {
  dokument model;
  if (const int kod = wczytaj_do_polecenia(plik, katalog_danych, model)) return kod;
  std::cout << opis_geometrii(model.tor) << '\n';
  return model.tor.sprawdz_geometrie() ? WYJSCIE_OK : WYJSCIE_ODMOWA;
}

bool przyjmij_plik_ukladu(const std::string& wyjscie) {
  const rodzaj_pliku rodzaj = rodzaj_po_rozszerzeniu(wyjscie);
  if (rodzaj == rodzaj_pliku::projekt || rodzaj == rodzaj_pliku::tekst) return true;
  zglos_blad("plik wynikowy " + wyjscie + " musi mieć rozszerzenie .vxm lub .txt");
  return false;
}

int zapisz_do_polecenia(const std::string& wyjscie, const dokument& model) {
  const int przed = liczba_wypisanych_komunikatow();
  const bool zapisano = rodzaj_po_rozszerzeniu(wyjscie) == rodzaj_pliku::projekt
                            ? zapisz_projekt(wyjscie, model.tor, model.trasa)
                            : zapisz_txt(wyjscie, model.tor);
  if (zapisano) return WYJSCIE_OK;
  if (liczba_wypisanych_komunikatow() == przed) zglos_blad("zapis pliku " + wyjscie + " nie powiódł się");
  return WYJSCIE_BLAD;
}

int polecenie_convert(const std::string& wejscie, const std::string& wyjscie, const std::string& katalog_danych) {
  if (!przyjmij_plik_ukladu(wyjscie)) return WYJSCIE_BLAD;
  dokument model;
  if (const int kod = wczytaj_do_polecenia(wejscie, katalog_danych, model)) return kod;
  return zapisz_do_polecenia(wyjscie, model);
}

int polecenie_export(const std::string& wejscie, const std::string& wyjscie, const std::string& katalog_danych) {
  // The simulator file must not take the place of a project or a text form by mistake.
  if (!ma_rozszerzenie(wyjscie, ".layout")) {
    zglos_blad("plik wynikowy " + wyjscie + " musi mieć rozszerzenie .layout");
    return WYJSCIE_BLAD;
  }
  dokument model;
  if (const int kod = wczytaj_do_polecenia(wejscie, katalog_danych, model)) return kod;
  const int przed = liczba_wypisanych_komunikatow();
  switch (eksportuj(wyjscie, model.tor, model.trasa)) {
    case wynik_eksportu::zapisano: return WYJSCIE_OK;
    case wynik_eksportu::blad_geometrii:
      if (liczba_wypisanych_komunikatow() == przed) zglos_blad(tekst_komunikatu(KOM_BLAD_GEOMETRII_EKSPORT));
      return WYJSCIE_ODMOWA;
    case wynik_eksportu::blad_zapisu: break;
  }
  if (liczba_wypisanych_komunikatow() == przed) zglos_blad("zapis pliku " + wyjscie + " nie powiódł się");
  return WYJSCIE_BLAD;
}

int polecenie_decode(const std::string& wejscie, const std::string& wyjscie) {
  try {
    const std::vector<std::uint8_t> dane = odczytaj_bufor(wejscie);
    zapisz_plik(wyjscie, std::string_view(reinterpret_cast<const char*>(dane.data()), dane.size()));
  } catch (const blad_pliku& b) {
    zglos_blad(b.what());
    return WYJSCIE_BLAD;
  }
  return WYJSCIE_OK;
}
