#include "io/import_vxp.h"

#include "app/komunikaty.h"
#include "app/log.h"
#include "io/blad_pliku.h"
#include "io/strumien_rekordow.h"
#include "track/siec.h"
#include "track/tor.h"

namespace {

// Record sizes in bytes, for checking counts against what the rest of the file can hold.
constexpr std::size_t REKORD_PUNKTU_SIECI = 20;
constexpr std::size_t REKORD_PRZESLA = 20;
constexpr std::size_t NAJMNIEJSZY_PUNKT_TORU = 36;            // no events
constexpr std::size_t NAJMNIEJSZY_PUNKT_TORU_WERSJI = 36 + 8;  // with second elevation and parameter 2
constexpr std::size_t NAJMNIEJSZA_LINIA_TORU = 24;
constexpr std::size_t STARE_ZDARZENIE = 13;
constexpr std::size_t POMIJANE_W_REKORDZIE_SIECI = 8;  // two integers of unknown meaning

double wspolrzedna(czytnik_rekordow& s) { return s.f32(); }
double milimetry(czytnik_rekordow& s) { return s.int32() / 1000.0; }

void pomin_stare_zdarzenia(czytnik_rekordow& s) {
  const std::size_t n = s.licznik(STARE_ZDARZENIE, "zdarzeń");
  s.pomin(n * STARE_ZDARZENIE);
}

[[noreturn]] void odrzuc(const char* co, int nr, const std::string& tekst) {
  throw blad_pliku(std::string(co) + " " + std::to_string(nr) + ": " + tekst);
}

void sprawdz_indeks(const char* co, int nr, int indeks, int liczba_punktow) {
  if (indeks < 0 || indeks >= liczba_punktow)
    odrzuc(co, nr,
           "indeks punktu " + std::to_string(indeks) + " poza zakresem 0.." +
               std::to_string(liczba_punktow - 1));
}

// The catenary section into an empty catenary layout: points joined to nothing, the last one
// selected, then the spans (a span listed again is made once).
void czytaj_siec(czytnik_rekordow& s, siec_uklad& siec) {
  const int n = s.licznik(REKORD_PUNKTU_SIECI, "punktów sieci trakcyjnej");
  for (int i = 0; i < n; ++i) {
    const double x = wspolrzedna(s);
    const double y = wspolrzedna(s);
    const double z = wspolrzedna(s);
    s.pomin(POMIJANE_W_REKORDZIE_SIECI);
    siec.dodaj_do_p(siec.utworz_punkt(x, y, z));
  }
  if (n > 0) siec.p.back()->ustaw_zaznaczony(true);

  const int m = s.licznik(REKORD_PRZESLA, "przęseł sieci trakcyjnej");
  for (int i = 0; i < m; ++i) {
    const int a = s.int32();
    const int b = s.int32();
    const std::int32_t typ = s.int32();
    s.pomin(POMIJANE_W_REKORDZIE_SIECI);
    sprawdz_indeks("przęsło", i, a, n);
    sprawdz_indeks("przęsło", i, b, n);
    siec.polacz_przewodem(siec.p[a], siec.p[b], typ);
  }
}

// The track section into an empty track layout: every point selected, the events and element
// references of the old version skipped.
void czytaj_tory(czytnik_rekordow& s, tor_uklad& tor) {
  const std::size_t pozycja = s.pozycja();
  const std::int32_t pierwsza = s.int32();
  std::int32_t wersja = 0;
  int n = 0;
  if (pierwsza == 0) {
    wersja = s.int32();
    log_pisz("wczytywanie formatu %d\n", wersja);
    n = s.licznik(wersja ? NAJMNIEJSZY_PUNKT_TORU_WERSJI : NAJMNIEJSZY_PUNKT_TORU, "punktów toru");
  } else {
    log_pisz("wczytywanie starego formatu\n");
    n = s.sprawdz_licznik(pierwsza, NAJMNIEJSZY_PUNKT_TORU, "punktów toru", pozycja);
  }

  for (int i = 0; i < n; ++i) {
    const double x = wspolrzedna(s);
    const double y = wspolrzedna(s);
    const double z = wspolrzedna(s);
    const double wysokosc2 = wersja ? wspolrzedna(s) : 0;
    const double promien = wspolrzedna(s);
    const std::int32_t przeswit = s.int32();
    const double parametr1 = milimetry(s);
    const double parametr2 = wersja ? milimetry(s) : 0;
    const std::int32_t obiekt = s.int32();
    pomin_stare_zdarzenia(s);
    s.int32();  // element reference: the old turnouts do not become elements

    auto* t = static_cast<tor_punkt*>(tor.utworz_punkt(x, y, z));
    t->wysokosc2 = wysokosc2;
    t->promien = promien;
    t->przeswit = przeswit;
    t->parametr1 = parametr1;
    t->parametr2 = parametr2;
    t->obiekt = obiekt;
    t->ustaw_zaznaczony(true);
    tor.dodaj_do_p(t);
  }

  const int m = s.licznik(NAJMNIEJSZA_LINIA_TORU, "linii toru");
  for (int i = 0; i < m; ++i) {
    const int a = s.int32();
    const int b = s.int32();
    sprawdz_indeks("linia", i, a, n);
    sprawdz_indeks("linia", i, b, n);
    if (a == b) odrzuc("linia", i, "łączy punkt " + std::to_string(a) + " z nim samym");
    // A pair listed again names the line made before, which takes this record's values.
    auto* linia = static_cast<tor_linia*>(tor.polacz(tor.p[a], tor.p[b]));
    linia->przeswit = s.int32();
    pomin_stare_zdarzenia(s);
    linia->obiekt = s.int32();
    s.int32();
  }
  log_pisz("$$$ wczytany\n");
  tor.przelicz_wszystko();
}

}  // namespace

wynik_odczytu importuj_vxp(const std::string& sciezka, tor_uklad& tor, siec_uklad& siec) {
  const wynik_odczytu wynik =
      odczytaj_plik(sciezka, postac_pliku::zwykly, [&](std::span<const std::uint8_t> dane) {
        czytnik_rekordow s(dane.data(), dane.size());
        siec_uklad nowa_siec;
        czytaj_siec(s, nowa_siec);
        tor_uklad nowy_tor;
        ustaw_domyslne_jak(nowy_tor, tor);
        czytaj_tory(s, nowy_tor);

        for (w_punkt* punkt : siec.p) punkt->ZAZNACZ(false);
        if (nowa_siec.pmax() > 0) siec.punkt_kursor = siec.linia_kursor = siec.ostatni_punkt = -1;
        dolacz_zawartosc(siec, nowa_siec);
        const int punkty_toru = nowy_tor.pmax();
        zastap_zawartosc(tor, nowy_tor);
        // The last point added stays the last clicked one, as adding it point by point leaves it.
        tor.ostatni_punkt = punkty_toru - 1;
      });
  if (wynik.ok) pokaz_komunikat(KOM_WYMIEN_ROZJAZDY);
  return wynik;
}
