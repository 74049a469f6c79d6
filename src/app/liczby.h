#pragma once

#include <string>

// Conversions between numbers and the text of edit boxes and labels.
// Both ignore the process locale: the editor always shows and reads a decimal point.

// Fixed-point text with exactly `miejsca` decimals, no grouping, no exponent (at most 255 chars).
std::string liczba_na_tekst(double wartosc, int miejsca);

// Reads a leading decimal number (leading blanks allowed; the first character that cannot
// continue the number ends it, so "12,5" gives 12). Text with no leading number logs
// "!!! string to double error\n" and gives 0.
double tekst_na_liczbe(const std::string& tekst);
