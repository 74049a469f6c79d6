#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The whole-buffer file: one buffer of n >= 4 bytes in a gzip file, behind a form tag. The
// scrambled form "8" holds n, the first s scrambled bytes, the key byte and the rest; the
// plain form "3" holds n and the bytes as they are.

inline constexpr std::uint8_t FORMA_ZACIEMNIONA = '8';
inline constexpr std::uint8_t FORMA_JAWNA = '3';
inline constexpr std::size_t NAJMNIEJSZY_BUFOR = 4;

// Where the key byte goes: 31415927 mod n, 0 taken as 1, anything above n - 3 as n - 3.
std::size_t pozycja_klucza(std::size_t n);

// Byte i gets (i div 129) and the key added, then is rotated left by 5 bits; and back.
void zaciemnij(std::vector<std::uint8_t>& bufor, std::uint8_t klucz);
void odtworz(std::vector<std::uint8_t>& bufor, std::uint8_t klucz);

// Writes the buffer in the scrambled form with a fresh random key; scrambles it in place
// (whether or not the write succeeds). False (and the log line
// "! Błąd otwarcia pliku zapisywacza [%s]\n") when the file cannot be written; a file that was
// there before stays as it was; `blad`, when given, then gets the fault naming the file.
bool zapisz_bufor(std::vector<std::uint8_t>& bufor, const std::string& sciezka, std::string* blad = nullptr);
// The same with a given key.
bool zapisz_bufor(std::vector<std::uint8_t>& bufor, const std::string& sciezka, std::uint8_t klucz,
                  std::string* blad = nullptr);

// Reads a whole-buffer file in either form and returns the n original bytes; throws
// blad_pliku on anything malformed.
std::vector<std::uint8_t> odczytaj_bufor(const std::string& sciezka);
