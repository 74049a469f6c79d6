#include "imagery/plik_cor.h"

#include <cmath>

#include "app/komunikaty.h"
#include "app/log.h"
#include "io/blad_pliku.h"
#include "io/gz_plik.h"
#include "io/strumien_rekordow.h"
#include "view/widok.h"

std::vector<std::uint8_t> koduj_cor(const wspolrzedne_satek& w) {
  pisarz_rekordow p;
  p.int32(w.kolumna);
  p.int32(w.wiersz);
  p.f64(w.przes_x);
  p.f64(w.przes_y);
  p.f64(w.skala);
  return std::move(p.dane());
}

wspolrzedne_satek dekoduj_cor(const std::vector<std::uint8_t>& dane) {
  czytnik_rekordow s(dane);
  wspolrzedne_satek w;
  w.kolumna = s.int32();
  w.wiersz = s.int32();
  w.przes_x = s.f64();
  w.przes_y = s.f64();
  w.skala = s.f64();
  if (!std::isfinite(w.przes_x) || !std::isfinite(w.przes_y))
    throw blad_pliku("przesunięcie widoku nie jest liczbą skończoną");
  if (!(w.skala >= SKALA_NAJMNIEJSZA && w.skala <= SKALA_NAJWIEKSZA))
    throw blad_pliku("skala widoku poza zakresem");
  return w;
}

std::optional<wspolrzedne_satek> wczytaj_cor_po_cichu(const std::string& sciezka) {
  try {
    return dekoduj_cor(wczytaj_gz(sciezka));
  } catch (const blad_pliku&) {
    return std::nullopt;
  }
}

std::optional<wspolrzedne_satek> wczytaj_cor(const std::string& sciezka) {
  try {
    return dekoduj_cor(wczytaj_gz(sciezka));
  } catch (const blad_otwarcia& b) {
    log_pisz("sat-coords load: Błąd zapisu pliku!\n");
    pokaz_tekst(b.what());
  } catch (const blad_pliku& b) {
    log_pisz("sat-coords load: Błąd zapisu pliku!\n");
    pokaz_tekst("plik " + sciezka + " nie został wczytany: " + b.what());
  }
  return std::nullopt;
}

bool zapisz_cor(const std::string& sciezka, const wspolrzedne_satek& w) {
  try {
    zapisz_gz(sciezka, koduj_cor(w));
    return true;
  } catch (const blad_pliku& b) {
    log_pisz("sat-coords save: Błąd zapisu pliku!\n");
    pokaz_tekst(std::string(b.what()) + "; plik na dysku pozostał bez zmian");
    return false;
  }
}
