#include "po_wczytaniu.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "analiza/problemy.h"
#include "analiza/profil.h"
#include "analiza/rysunek_profilu.h"
#include "app/katalog_danych.h"
#include "app/komunikaty.h"
#include "io/blad_pliku.h"
#include "io/eksport.h"
#include "io/strumien_rekordow.h"
#include "io/trasa.h"
#include "support/malarz_pusty.h"

namespace {

const std::string biblioteka = std::string(VIALTOR_DANE) + "/" + PLIK_SZABLONOW;

std::vector<szablon>& szablony_wspolne() {
  static std::vector<szablon> szablony = [] {
    tor_uklad tor;
    tor.wczytaj_szablony(biblioteka);
    return std::move(tor.szablony);
  }();
  return szablony;
}

// A project the program has saved must read back whole: same points, same lines.
void zapis_wraca(const dokument& d) {
  pisarz_rekordow zapis;
  d.tor.zapisz(zapis);
  zapisz_trase(zapis, d.trasa);
  czytnik_rekordow czytnik(zapis.dane());
  tor_uklad odczytany;
  trasa_info trasa;
  try {
    odczytany.wczytaj(czytnik);
    wczytaj_trase(czytnik, trasa);
  } catch (const blad_pliku& b) {
    std::fprintf(stderr, "%s\n", b.what());
    zlamana_obietnica("zapisany projekt nie wczytuje się");
  }
  if (odczytany.pmax() != d.tor.pmax() || odczytany.lmax() != d.tor.lmax())
    zlamana_obietnica("zapisany projekt wczytuje się z inną liczbą punktów lub linii");
}

std::int32_t int32_w(const std::vector<std::uint8_t>& dane, std::size_t pozycja) {
  std::int32_t v;
  std::memcpy(&v, dane.data() + pozycja, sizeof v);
  return v;
}

// The simulator file's header states its own size and record count.
void eksport(dokument& d) {
  if (!d.tor.sprawdz_geometrie()) return;
  przygotuj_eksport(d.tor, "fuzz.layout");
  const std::vector<std::uint8_t> rekordy = rekordy_eksportu(d.tor, d.trasa);
  if (rekordy.size() < 10 || static_cast<std::size_t>(int32_w(rekordy, 2)) != rekordy.size())
    zlamana_obietnica("rozmiar w nagłówku pliku symulatora nie zgadza się z zawartością");
  if (int32_w(rekordy, 6) != d.tor.pmax() + d.tor.lmax())
    zlamana_obietnica("liczba rekordów w nagłówku pliku symulatora nie zgadza się z układem");
}

void edycja(tor_uklad& tor) {
  if (tor.pmax() == 0) return;
  const w_punkt* pierwszy = tor.p.front();
  tor.wskaz(pierwszy->GET_X(), pierwszy->GET_Y(), 1, true, false);
  tor.przesun_zaznaczone(1.5, -2, 3);
  tor.obroc_zaznaczone(0, 0, 30);
  tor.odwroc_zaznaczenie();
  tor.usun_zaznaczone();
}

}  // namespace

void przygotuj_fuzz() {
  ustaw_odbiorce_komunikatow({});
  if (szablony_wspolne().empty()) {
    std::fprintf(stderr, "biblioteka szablonów %s nie istnieje lub jest pusta\n", biblioteka.c_str());
    std::exit(1);
  }
}

biblioteka_szablonow::biblioteka_szablonow(tor_uklad& tor) : tor_(tor) { tor_.szablony = std::move(szablony_wspolne()); }

biblioteka_szablonow::~biblioteka_szablonow() { szablony_wspolne() = std::move(tor_.szablony); }

void uzyj_ukladu(dokument& d) {
  malarz_pusty m;
  d.tor.rysuj_uklad(m, true);
  d.siec.rysuj_uklad(m, false);
  d.tor.pokaz_wszystko();
  d.tor.dlugosc_trasy();
  double x = 0, y = 0;
  if (!d.tor.sprawdz_geometrie()) d.tor.znajdz_blad(x, y);
  // The problems list and the profiles as the editor's windows take them, after an edit too.
  lista_problemow problemy;
  problemy.przelicz(d.tor);
  if (d.tor.pmax() > 0) profil_svg(narysuj_profil(profil(d.tor, poczatek_profilu::punkt, 0), 800, 300, 60));
  if (d.tor.lmax() > 0) profil_csv(profil(d.tor, poczatek_profilu::linia, d.tor.lmax() - 1));
  zapis_wraca(d);
  eksport(d);
  edycja(d.tor);
  problemy.aktualizuj(d.tor);
  d.tor.rysuj_uklad(m, true);
  zapis_wraca(d);
}

void zlamana_obietnica(const char* co) {
  std::fprintf(stderr, "!!! %s\n", co);
  std::abort();
}
