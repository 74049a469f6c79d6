#include "ui/pola_liczbowe.h"

#include <QLineEdit>
#include <charconv>
#include <cmath>
#include <string_view>
#include <type_traits>

#include "app/log.h"

namespace {

std::string_view bez_odstepow(const std::string& tekst) {
  constexpr std::string_view ODSTEPY = " \t\r\n\v\f";
  std::string_view t(tekst);
  const auto poczatek = t.find_first_not_of(ODSTEPY);
  if (poczatek == std::string_view::npos) return {};
  t.remove_prefix(poczatek);
  t.remove_suffix(t.size() - 1 - t.find_last_not_of(ODSTEPY));
  // from_chars takes a minus but no plus.
  if (t.size() > 1 && t.front() == '+' && t[1] != '-' && t[1] != '+') t.remove_prefix(1);
  return t;
}

template <class T>
std::optional<T> odczytaj(const std::string& tekst) {
  const std::string_view t = bez_odstepow(tekst);
  T wartosc{};
  const auto [koniec, blad] = std::from_chars(t.data(), t.data() + t.size(), wartosc);
  bool dobra = !t.empty() && blad == std::errc() && koniec == t.data() + t.size();
  if constexpr (std::is_floating_point_v<T>) dobra = dobra && std::isfinite(wartosc);
  if (!dobra) {
    log_pisz("!!! string to double error\n");
    return std::nullopt;
  }
  return wartosc;
}

}  // namespace

std::optional<double> liczba_z_tekstu(const std::string& tekst) { return odczytaj<double>(tekst); }
std::optional<int> calkowita_z_tekstu(const std::string& tekst) { return odczytaj<int>(tekst); }

std::optional<double> liczba_z_pola(const QLineEdit& pole) { return liczba_z_tekstu(pole.text().toStdString()); }
std::optional<int> calkowita_z_pola(const QLineEdit& pole) { return calkowita_z_tekstu(pole.text().toStdString()); }
