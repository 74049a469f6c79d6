#pragma once

#include <optional>
#include <string>

class QLineEdit;

// Numbers typed into the panels' edit boxes. The whole text (blanks around it allowed) must be
// one finite number: "12abc", "nan" and "inf" are refused rather than read in part. A refusal
// logs "!!! string to double error".
std::optional<double> liczba_z_tekstu(const std::string& tekst);
// A whole number that fits an int ("2024", "-3"); "2024.5" is refused the same way.
std::optional<int> calkowita_z_tekstu(const std::string& tekst);

std::optional<double> liczba_z_pola(const QLineEdit& pole);
std::optional<int> calkowita_z_pola(const QLineEdit& pole);
