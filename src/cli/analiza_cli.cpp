#include "cli/analiza_cli.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "analiza/problemy.h"
#include "analiza/profil.h"
#include "analiza/rysunek_profilu.h"
#include "app/liczby.h"
#include "cli/komunikaty_cli.h"
#include "cli/polecenia.h"
#include "dokument/wczytywanie.h"
#include "io/blad_pliku.h"
#include "io/gz_plik.h"

namespace {
constexpr double SZEROKOSC_PROFILU = 1000;
constexpr double WYSOKOSC_PROFILU = 400;
}  // namespace

int polecenie_check_wszystko(const std::string& plik, const std::string& katalog_danych, bool json) {
  dokument model;
  if (const int kod = wczytaj_do_polecenia(plik, katalog_danych, model)) return kod;
  lista_problemow lista;
  lista.przelicz(model.tor);
  const std::vector<problem> problemy = lista.problemy();
  if (json) {
    nlohmann::json tablica = nlohmann::json::array();
    for (const problem& p : problemy)
      tablica.push_back({{"waga", nazwa_wagi(waga(p.rodzaj))},
                         {"rodzaj", klucz_rodzaju(p.rodzaj)},
                         {"x", p.x},
                         {"y", p.y},
                         {"przedmiot", opis_przedmiotu(p)},
                         {"opis", opis_wartosci(p)}});
    std::cout << tablica.dump(1) << '\n';
  } else {
    for (const problem& p : problemy)
      std::cout << nazwa_wagi(waga(p.rodzaj)) << '\t' << klucz_rodzaju(p.rodzaj) << '\t' << liczba_na_tekst(p.x, 3)
                << '\t' << liczba_na_tekst(p.y, 3) << '\t' << opis_przedmiotu(p) << '\t' << opis_wartosci(p) << '\n';
  }
  return lista.ile(waga_problemu::blad) == 0 ? WYJSCIE_OK : WYJSCIE_ODMOWA;
}

int polecenie_profile(const std::string& plik, double x, double y, const std::string& wyjscie,
                      const std::string& katalog_danych) {
  const bool svg = ma_rozszerzenie(wyjscie, ".svg");
  if (!svg && !ma_rozszerzenie(wyjscie, ".csv")) {
    zglos_blad("plik wynikowy " + wyjscie + " musi mieć rozszerzenie .svg lub .csv");
    return WYJSCIE_BLAD;
  }
  dokument model;
  if (const int kod = wczytaj_do_polecenia(plik, katalog_danych, model)) return kod;
  const std::optional<przedmiot_toru> od = najblizszy_przedmiot(model.tor, x, y);
  if (!od) {
    zglos_blad("układ nie ma torów");
    return WYJSCIE_ODMOWA;
  }
  const profil_trasy p = profil(model.tor, od->rodzaj, od->nr);
  const std::string tresc =
      svg ? profil_svg(narysuj_profil(p, SZEROKOSC_PROFILU, WYSOKOSC_PROFILU, ustawienia_problemow{}.nachylenie_max))
          : profil_csv(p);
  try {
    zapisz_plik(wyjscie, tresc);
  } catch (const blad_pliku& b) {
    zglos_blad(b.what());
    return WYJSCIE_BLAD;
  }
  return WYJSCIE_OK;
}
