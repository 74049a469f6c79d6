#include "cli/uruchom_cli.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "io/import_txt.h"
#include "io/import_vxp.h"
#include "io/projekt.h"

namespace {

std::string w_apostrofach(const std::string& tekst) {
  std::string wynik = "'";
  for (char c : tekst) {
    if (c == '\'')
      wynik += "'\\''";
    else
      wynik += c;
  }
  return wynik + "'";
}

}  // namespace

wynik_cli uruchom_cli(const std::vector<std::string>& argumenty, const std::string& katalog,
                      const std::string& katalog_wynikow) {
  const std::string wyjscie = katalog_wynikow + "/stdout.txt";
  const std::string bledy = katalog_wynikow + "/stderr.txt";
  std::string polecenie = "cd " + w_apostrofach(katalog) + " && " + w_apostrofach(VIALTOR_CLI);
  for (const std::string& a : argumenty) polecenie += " " + w_apostrofach(a);
  polecenie += " >" + w_apostrofach(wyjscie) + " 2>" + w_apostrofach(bledy) + " </dev/null";
  const int stan = std::system(polecenie.c_str());
  wynik_cli wynik;
  if (stan != -1 && WIFEXITED(stan)) wynik.kod = WEXITSTATUS(stan);
  wynik.wyjscie = czytaj_plik(wyjscie);
  wynik.bledy = czytaj_plik(bledy);
  return wynik;
}

std::string probka(const std::string& nazwa) { return std::string(VIALTOR_ZRODLA) + "/data/projects/" + nazwa; }

std::string biblioteka_szablonow() { return std::string(VIALTOR_ZRODLA) + "/data/dataeditor/sb.txt"; }

std::string czytaj_plik(const std::string& sciezka) {
  std::ifstream plik(sciezka, std::ios::binary);
  std::stringstream tresc;
  tresc << plik.rdbuf();
  return tresc.str();
}

void wczytaj_w_tescie(const std::string& sciezka, model_w_tescie& model) {
  model.tor.wczytaj_szablony(biblioteka_szablonow());
  wynik_odczytu wynik;
  const std::string rozszerzenie = std::filesystem::path(sciezka).extension().string();
  if (rozszerzenie == ".vxm")
    wynik = wczytaj_projekt(sciezka, model.tor, model.trasa);
  else if (rozszerzenie == ".vxp")
    wynik = importuj_vxp(sciezka, model.tor, model.siec);
  else
    wynik = importuj_txt(sciezka, model.tor);
  ASSERT_TRUE(wynik.ok) << sciezka << ": " << wynik.blad;
}

std::string zapisz_bledny_projekt(const std::string& sciezka) {
  tor_uklad tor;
  tor.ustaw_promien_domyslny(200);
  tor.dodaj_punkt(10, 20, 0);
  tor.dodaj_punkt(10, 30, 0);
  tor.dodaj_punkt(20, 20, 0);
  EXPECT_FALSE(tor.sprawdz_geometrie());
  EXPECT_TRUE(zapisz_projekt(sciezka, tor, trasa_info{}));
  return sciezka;
}
