// The turnout template library: reading, matching, stepping, placing and the preview.
#include <algorithm>
#include <cmath>

#include "app/komunikaty.h"
#include "app/log.h"
#include "io/blad_pliku.h"
#include "io/gz_plik.h"
#include "io/strumien_tekstowy.h"
#include "track/malarz.h"
#include "track/przeswity.h"
#include "track/tor.h"

namespace {

constexpr std::size_t NAJDLUZSZA_NAZWA = 999;

szablon czytaj_szablon(czytnik_tekstu& s) {
  szablon sz;
  // Each point takes five values and each line two.
  const int liczba_punktow = s.licznik(5, "punktów");
  const int liczba_linii = s.licznik(2, "linii");
  // Placed, it would leave an element that no point refers to.
  if (liczba_punktow == 0) throw blad_pliku("szablon bez punktów");
  for (int i = 0; i < liczba_punktow; ++i) {
    const double x = s.f64();
    const double y = s.f64();
    const double z = s.f64();
    const int g = s.int32();
    const double r = s.f64();
    if (g < 0 || g >= LICZBA_PRZESWITOW)
      throw blad_pliku("punkt " + std::to_string(i) + ": prześwit " + std::to_string(g) + " spoza tabeli");
    sz.punkty.push_back(std::make_unique<tor_punkt>(g, x, y, z, r, 0));
  }
  for (int i = 0; i < liczba_linii; ++i) {
    const int a = s.int32();
    const int b = s.int32();
    if (a < 0 || a >= liczba_punktow || b < 0 || b >= liczba_punktow)
      throw blad_pliku("linia " + std::to_string(i) + ": punkty " + std::to_string(a) + ", " + std::to_string(b) +
                       " spoza szablonu");
    if (a == b) throw blad_pliku("linia " + std::to_string(i) + " łączy punkt " + std::to_string(a) + " z nim samym");
    tor_punkt* pa = sz.punkty[a].get();
    tor_punkt* pb = sz.punkty[b].get();
    if (w_uklad::linia_miedzy(pa, pb))
      throw blad_pliku("linia " + std::to_string(i) + ": punkty " + std::to_string(a) + ", " + std::to_string(b) +
                       " są już połączone");
    sz.linie.push_back(std::make_unique<tor_linia>(pa, pb, pa->przeswit, pa->obiekt));
    sz.poczatki.push_back(a);
    sz.konce.push_back(b);
  }
  sz.nazwa = s.slowo();
  if (sz.nazwa.size() > NAJDLUZSZA_NAZWA) throw blad_pliku("nazwa dłuższa niż 999 znaków");
  std::replace(sz.nazwa.begin(), sz.nazwa.end(), '_', ' ');
  sz.rodzaj_transportu = s.int32();
  sz.rodzaj = s.int32();
  sz.przeswit = sz.punkty.back()->przeswit;
  for (auto& t : sz.punkty) t->przelicz();
  for (auto& t : sz.linie) t->przelicz();
  return sz;
}

// Steps `akt` by `krok` (+1 or -1) with wrap-around until a template matches, examining at most
// all of them and one more; a failed search leaves `akt` two steps on. A cursor outside the
// library re-enters at the end it wraps to.
bool szukaj_pasujacego(const std::vector<szablon>& szablony, int& akt, int krok, int transport, int przeswit,
                       int rodzaj) {
  const int ile = static_cast<int>(szablony.size());
  if (ile == 0) return false;
  for (int i = 0;; ++i) {
    akt = akt >= 0 && akt < ile ? (akt + krok + ile) % ile : (krok > 0 ? 0 : ile - 1);
    if (i > ile) return false;
    if (szablony[akt].pasuje(transport, przeswit, rodzaj)) return true;
  }
}

}  // namespace

void tor_uklad::wczytaj_szablony(const std::string& sciezka) {
  szablony.clear();
  std::string tekst;
  try {
    tekst = wczytaj_plik(sciezka);
  } catch (const blad_pliku&) {
    log_pisz("<>[] Txt błąd otwarcia pliku<%s>\n", sciezka.c_str());
    return;
  }
  czytnik_tekstu s(tekst);
  int liczba = 0;
  try {
    // A template takes at least five values (two counts, a name, two kinds).
    liczba = s.licznik(5, "szablonów");
  } catch (const blad_pliku& b) {
    log_pisz("!!! szablony <%s>: liczba szablonów nieczytelna (%s); brak szablonów\n", sciezka.c_str(), b.what());
    return;
  }
  for (int i = 0; i < liczba; ++i) {
    try {
      szablony.push_back(czytaj_szablon(s));
    } catch (const blad_pliku& b) {
      log_pisz("!!! szablony <%s>: szablon nr %d nieczytelny (%s); wczytano %d z %d\n", sciezka.c_str(), i, b.what(),
               szab_max(), liczba);
      return;
    }
  }
}

bool tor_uklad::istnieje_pasujacy(int transport, int przeswit, int rodzaj) const {
  return std::any_of(szablony.begin(), szablony.end(),
                     [&](const szablon& sz) { return sz.pasuje(transport, przeswit, rodzaj); });
}

bool tor_uklad::nastepny_pasujacy(int transport, int przeswit, int rodzaj) {
  return szukaj_pasujacego(szablony, szab_akt, 1, transport, przeswit, rodzaj);
}

bool tor_uklad::poprzedni_pasujacy(int transport, int przeswit, int rodzaj) {
  return szukaj_pasujacego(szablony, szab_akt, -1, transport, przeswit, rodzaj);
}

void tor_uklad::ustaw_szablon(int nr) {
  if (nr < 0 || nr >= szab_max()) {
    log_pisz("!!! Fatal error szakt=[%d] szmax=[%d]\n", nr, szab_max());
    return;
  }
  szab_akt = nr;
}

std::string tor_uklad::nazwa_szablonu() const {
  return szab_akt >= 0 && szab_akt < szab_max() ? szablony[szab_akt].nazwa : std::string();
}

void tor_uklad::wstaw_szablon(double x, double y) {
  if (szab_akt < 0 || szab_akt >= szab_max()) {
    log_pisz("!!!!!FATALNY BŁĄD - szab_akt <0 V > szab_max\n");
    return;
  }
  const szablon& sz = szablony[szab_akt];
  const double promien = promien_domyslny;
  const int przeswit = przeswit_akt;
  w_element* element = nowy_element(x, y, 0);
  wstawianie_bloku = 1;

  const int pierwszy = pmax();
  for (const auto& wzor : sz.punkty) {
    punkt_kursor = linia_kursor = ostatni_punkt = -1;
    promien_domyslny = wzor->promien;
    przeswit_akt = wzor->przeswit;
    dodaj_punkt(wzor->x, wzor->y, wzor->z);
    w_punkt* nowy = p.back();
    nowy->ustaw_element(element);
    nowy->ZAZNACZ(false);
  }
  for (std::size_t i = 0; i < sz.linie.size(); ++i)
    polacz(p[pierwszy + sz.poczatki[i]], p[pierwszy + sz.konce[i]]);

  promien_domyslny = promien;
  przeswit_akt = przeswit;
  przelicz_wszystko();
  wstawianie_bloku = 0;
}

void tor_uklad::rysuj_podglad(malarz& m) const {
  if (szab_akt < 0 || szab_akt >= szab_max()) return;
  const szablon& sz = szablony[szab_akt];
  m.zachowaj_macierz();
  m.macierz_jednostkowa();
  // The x extent of the template's own points; one point, or one x, is drawn at scale 1.
  double najmniejszy = sz.punkty.empty() ? 0 : sz.punkty.front()->x;
  double najwiekszy = najmniejszy;
  for (const auto& t : sz.punkty) {
    najmniejszy = std::min(najmniejszy, t->x);
    najwiekszy = std::max(najwiekszy, t->x);
  }
  const double szerokosc = std::fabs(najwiekszy - najmniejszy);
  const double skala = szerokosc >= 1e-9 ? 1 / szerokosc : 1;
  m.skaluj(skala, skala, skala);
  m.przesun(-(najwiekszy + najmniejszy) / 2, 0, 0);
  for (const auto& t : sz.punkty) t->rysuj(m, 0, KOLORYSTYKA_SZARA);
  for (const auto& t : sz.linie) t->rysuj(m, 0, KOLORYSTYKA_SZARA);
  m.przywroc_macierz();
}
