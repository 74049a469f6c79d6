#include "app/liczby.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "app/log.h"

std::string liczba_na_tekst(double wartosc, int miejsca) {
  char bufor[512];
  if (miejsca < 0) miejsca = 0;
  if (!std::isfinite(wartosc)) {
    return std::isnan(wartosc) ? "nan" : (wartosc < 0 ? "-inf" : "inf");
  }
  auto [koniec, blad] =
      std::to_chars(bufor, bufor + sizeof bufor, wartosc, std::chars_format::fixed, miejsca);
  if (blad != std::errc()) return {};
  std::string tekst(bufor, koniec);
  if (tekst.size() > 255) tekst.resize(255);
  return tekst;
}

double tekst_na_liczbe(const std::string& tekst) {
  const char* poczatek = tekst.c_str();
  const char* koniec = poczatek + tekst.size();
  while (poczatek < koniec && (*poczatek == ' ' || *poczatek == '\t' || *poczatek == '\n' ||
                               *poczatek == '\r' || *poczatek == '\v' || *poczatek == '\f'))
    ++poczatek;
  bool ujemna = false;
  if (poczatek < koniec && (*poczatek == '+' || *poczatek == '-')) {
    ujemna = *poczatek == '-';
    ++poczatek;
  }
  double wartosc = 0;
  auto [reszta, blad] = std::from_chars(poczatek, koniec, wartosc, std::chars_format::general);
  if (blad == std::errc::result_out_of_range) {
    // Too large reads as infinity, too small as zero, as the C scanner does.
    const std::string_view liczba(poczatek, reszta - poczatek);
    const auto wykladnik = liczba.find_first_of("eE");
    const bool mala = wykladnik != std::string_view::npos && wykladnik + 1 < liczba.size() &&
                      liczba[wykladnik + 1] == '-';
    wartosc = mala ? 0.0 : HUGE_VAL;
  } else if (blad != std::errc() || (poczatek < koniec && (*poczatek == '-' || *poczatek == '+'))) {
    log_pisz("!!! string to double error\n");
    return 0;
  }
  return ujemna ? -wartosc : wartosc;
}
