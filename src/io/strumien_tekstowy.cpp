#include "io/strumien_tekstowy.h"

#include <charconv>
#include <cmath>

#include "io/blad_pliku.h"

void pisarz_tekstu::int32(std::int32_t v) {
  tekst_ += std::to_string(v);
  tekst_ += '\n';
}

void pisarz_tekstu::f64(double v) {
  char bufor[64];
  // The shortest text that reads back to the same double.
  auto [koniec, blad] = std::to_chars(bufor, bufor + sizeof bufor, v);
  (void)blad;
  tekst_.append(bufor, koniec);
  tekst_ += '\n';
}

static bool bialy(char c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

bool czytnik_tekstu::koniec() {
  while (pozycja_ < tekst_.size() && bialy(tekst_[pozycja_])) {
    if (tekst_[pozycja_] == '\n') ++wiersz_;
    ++pozycja_;
  }
  return pozycja_ == tekst_.size();
}

std::string_view czytnik_tekstu::nastepny(const char* co) {
  if (koniec()) throw blad_pliku(std::string("plik kończy się przed wartością: ") + co);
  const std::size_t start = pozycja_;
  while (pozycja_ < tekst_.size() && !bialy(tekst_[pozycja_])) ++pozycja_;
  return tekst_.substr(start, pozycja_ - start);
}

std::string czytnik_tekstu::slowo() { return std::string(nastepny("tekst")); }

std::int32_t czytnik_tekstu::int32() {
  const std::string_view slowo = nastepny("liczba całkowita");
  std::int32_t v = 0;
  const char* p = slowo.data();
  if (!slowo.empty() && *p == '+') ++p;
  auto [koniec, blad] = std::from_chars(p, slowo.data() + slowo.size(), v);
  if (blad != std::errc() || koniec != slowo.data() + slowo.size())
    throw blad_pliku("wiersz " + std::to_string(wiersz_) + ": \"" + std::string(slowo) +
                     "\" nie jest liczbą całkowitą");
  return v;
}

double czytnik_tekstu::f64() {
  const std::string_view slowo = nastepny("liczba");
  double v = 0;
  const char* p = slowo.data();
  if (!slowo.empty() && *p == '+') ++p;
  auto [koniec, blad] = std::from_chars(p, slowo.data() + slowo.size(), v);
  if (blad != std::errc() || koniec != slowo.data() + slowo.size() || !std::isfinite(v))
    throw blad_pliku("wiersz " + std::to_string(wiersz_) + ": \"" + std::string(slowo) +
                     "\" nie jest liczbą");
  return v;
}

std::int32_t czytnik_tekstu::licznik(std::size_t min_wartosci, const char* co) {
  const std::size_t wiersz = wiersz_;
  std::int32_t n = int32();
  if (n < 0) return 0;
  const std::size_t zostalo = (tekst_.size() - pozycja_) / 2 + 1;
  if (min_wartosci > 0 && static_cast<std::size_t>(n) > zostalo / min_wartosci)
    throw blad_pliku("wiersz " + std::to_string(wiersz) + ": liczba " + co + " (" +
                     std::to_string(n) + ") przekracza to, co mieści reszta pliku");
  return n;
}
