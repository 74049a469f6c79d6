#include "imagery/plik_pcr.h"

#include <cmath>

#include "app/komunikaty.h"
#include "app/log.h"
#include "io/blad_pliku.h"
#include "io/gz_plik.h"
#include "io/strumien_rekordow.h"

namespace {

// Four corners and the rotation, three flags, the path's length, the opacity.
constexpr std::size_t REKORD_BEZ_SCIEZKI = 5 * 8 + 3 + 4 + 8;

double skonczona(czytnik_rekordow& s, const char* co) {
  const double v = s.f64();
  if (!std::isfinite(v)) throw blad_pliku(std::string(co) + " obrazka nie jest liczbą skończoną");
  return v;
}

obrazek czytaj_obrazek(czytnik_rekordow& s, bool stary_format) {
  obrazek o;
  o.x1 = skonczona(s, "współrzędna");
  o.y1 = skonczona(s, "współrzędna");
  o.x2 = skonczona(s, "współrzędna");
  o.y2 = skonczona(s, "współrzędna");
  o.rotacja = skonczona(s, "obrót");
  o.zamien_xy = s.u8() != 0;
  o.widoczny = s.u8() != 0;
  if (!stary_format) o.zablokowany = s.u8() != 0;
  const std::size_t pozycja = s.pozycja();
  const std::int32_t dlugosc = s.int32();
  if (dlugosc < 0 || static_cast<std::size_t>(dlugosc) > s.pozostalo())
    throw blad_pliku("długość ścieżki " + std::to_string(dlugosc) + " na pozycji " + std::to_string(pozycja) +
                     " nie mieści się w pliku");
  o.sciezka.resize(static_cast<std::size_t>(dlugosc));
  for (char& c : o.sciezka) c = static_cast<char>(s.u8());
  o.przezroczystosc = skonczona(s, "przezroczystość");
  return o;
}

}  // namespace

std::vector<std::uint8_t> koduj_pcr(const std::vector<obrazek>& obrazki) {
  pisarz_rekordow p;
  p.int32(0);
  p.int32(FORMAT_PCR);
  p.int32(static_cast<std::int32_t>(obrazki.size()));
  for (const obrazek& o : obrazki) {
    p.f64(o.x1);
    p.f64(o.y1);
    p.f64(o.x2);
    p.f64(o.y2);
    p.f64(o.rotacja);
    p.u8(o.zamien_xy);
    p.u8(o.widoczny);
    p.u8(o.zablokowany);
    p.int32(static_cast<std::int32_t>(o.sciezka.size()));
    p.bajty(o.sciezka.data(), o.sciezka.size());
    p.f64(o.przezroczystosc);
  }
  return std::move(p.dane());
}

std::vector<obrazek> dekoduj_pcr(const std::vector<std::uint8_t>& dane, bool& stary_format) {
  czytnik_rekordow s(dane);
  std::int32_t licznik = s.int32();
  stary_format = licznik >= 1;
  if (!stary_format) {
    if (licznik != 0) throw blad_pliku("nieznany początek pliku " + std::to_string(licznik));
    const std::int32_t format = s.int32();
    if (format != FORMAT_PCR) throw nieznany_format(format);
    const std::size_t pozycja = s.pozycja();
    licznik = s.int32();
    if (licznik < 0) throw blad_pliku("ujemna liczba obrazków " + std::to_string(licznik));
    s.sprawdz_licznik(licznik, REKORD_BEZ_SCIEZKI, "obrazków", pozycja);
  } else {
    s.sprawdz_licznik(licznik, REKORD_BEZ_SCIEZKI - 1, "obrazków", 0);
  }
  std::vector<obrazek> obrazki;
  obrazki.reserve(static_cast<std::size_t>(licznik));
  for (std::int32_t i = 0; i < licznik; ++i) obrazki.push_back(czytaj_obrazek(s, stary_format));
  return obrazki;
}

bool wczytaj_pcr(lista_obrazkow& lista, const std::string& sciezka) {
  std::vector<obrazek> nowe;
  bool stary_format = false;
  try {
    nowe = dekoduj_pcr(wczytaj_gz(sciezka), stary_format);
  } catch (const blad_otwarcia& b) {
    log_pisz("pic-coords load: Błąd odczytu pliku!\n");
    pokaz_tekst(b.what());
    return false;
  } catch (const blad_pliku& b) {
    log_pisz("pic-coords load: Błąd odczytu pliku!\n");
    pokaz_tekst("plik " + sciezka + " jest uszkodzony i nie został wczytany: " + b.what());
    return false;
  }
  if (stary_format)
    log_pisz("} wczytywanie starego formatu - %d tektur(y)\n", static_cast<int>(nowe.size()));
  else
    log_pisz("} wczytywanie %d tektur(y)\n", static_cast<int>(nowe.size()));
  for (std::size_t i = 0; i < nowe.size(); ++i)
    log_pisz("} tekstura %d: [%s]\n", static_cast<int>(i), nowe[i].sciezka.c_str());
  lista.zastap(std::move(nowe));
  return true;
}

bool zapisz_pcr(const lista_obrazkow& lista, const std::string& sciezka) {
  try {
    zapisz_gz(sciezka, koduj_pcr(lista.obrazki()));
    return true;
  } catch (const blad_pliku& b) {
    log_pisz("pic-coords save: Błąd zapisu pliku!\n");
    pokaz_tekst(std::string(b.what()) + "; plik na dysku pozostał bez zmian");
  }
  return false;
}
