#include "io/zapisywacz.h"

#include <bit>
#include <limits>
#include <random>

#include "app/log.h"
#include "io/blad_pliku.h"
#include "io/gz_plik.h"
#include "io/strumien_rekordow.h"

namespace {

constexpr std::size_t DLUGOSC_BLOKU = 129;
constexpr std::size_t NAJWIEKSZY_BUFOR = std::numeric_limits<std::int32_t>::max();

std::uint8_t losowy_klucz() {
  static std::mt19937 generator{std::random_device{}()};
  return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 255)(generator));
}

}  // namespace

std::size_t pozycja_klucza(std::size_t n) {
  std::size_t s = 31415927 % n;
  if (s == 0) s = 1;
  if (s > n - 3) s = n - 3;
  return s;
}

void zaciemnij(std::vector<std::uint8_t>& bufor, std::uint8_t klucz) {
  for (std::size_t i = 0; i < bufor.size(); ++i) {
    const auto b = static_cast<std::uint8_t>(bufor[i] + i / DLUGOSC_BLOKU + klucz);
    bufor[i] = std::rotl(b, 5);
  }
}

void odtworz(std::vector<std::uint8_t>& bufor, std::uint8_t klucz) {
  for (std::size_t i = 0; i < bufor.size(); ++i)
    bufor[i] = static_cast<std::uint8_t>(std::rotl(bufor[i], 3) - i / DLUGOSC_BLOKU - klucz);
}

bool zapisz_bufor(std::vector<std::uint8_t>& bufor, const std::string& sciezka, std::string* blad) {
  return zapisz_bufor(bufor, sciezka, losowy_klucz(), blad);
}

bool zapisz_bufor(std::vector<std::uint8_t>& bufor, const std::string& sciezka, std::uint8_t klucz,
                  std::string* blad) {
  const std::size_t n = bufor.size();
  // The key position needs n >= 4 and the size field is a signed 32-bit integer.
  if (n < NAJMNIEJSZY_BUFOR || n > NAJWIEKSZY_BUFOR) {
    log_pisz("! Nieprawidłowy rozmiar bufora zapisywacza (%zu B) [%s]\n", n, sciezka.c_str());
    return false;
  }
  const std::size_t s = pozycja_klucza(n);
  zaciemnij(bufor, klucz);

  pisarz_rekordow zawartosc;
  zawartosc.dane().reserve(n + 6);
  zawartosc.u8(FORMA_ZACIEMNIONA);
  zawartosc.int32(static_cast<std::int32_t>(n));
  zawartosc.bajty(bufor.data(), s);
  zawartosc.u8(klucz);
  zawartosc.bajty(bufor.data() + s, n - s);
  try {
    zapisz_gz(sciezka, zawartosc.dane());
  } catch (const blad_pliku& e) {
    log_pisz("! Błąd otwarcia pliku zapisywacza [%s]\n", sciezka.c_str());
    log_pisz("! %s\n", e.what());
    if (blad) *blad = e.what();
    return false;
  }
  return true;
}

std::vector<std::uint8_t> odczytaj_bufor(const std::string& sciezka) {
  const std::vector<std::uint8_t> zawartosc = wczytaj_gz(sciezka);
  // The tag and the size first: a shorter file is refused by name, like every other fault here.
  if (zawartosc.size() < 1 + sizeof(std::int32_t))
    throw blad_pliku("plik " + sciezka + " jest za krótki na plik bufora (" + std::to_string(zawartosc.size()) +
                     " B)");
  czytnik_rekordow czytnik(zawartosc);
  const std::uint8_t forma = czytnik.u8();
  if (forma != FORMA_ZACIEMNIONA && forma != FORMA_JAWNA)
    throw blad_pliku("plik " + sciezka + " nie jest plikiem bufora (znacznik " + std::to_string(forma) + ")");
  const std::int32_t n = czytnik.int32();
  const std::size_t klucz_bajtow = forma == FORMA_ZACIEMNIONA ? 1 : 0;
  if (n < static_cast<std::int32_t>(NAJMNIEJSZY_BUFOR) ||
      czytnik.pozostalo() != static_cast<std::size_t>(n) + klucz_bajtow)
    throw blad_pliku("plik " + sciezka + ": rozmiar bufora " + std::to_string(n) + " nie zgadza się z " +
                     std::to_string(czytnik.pozostalo()) + " B zawartości");

  const std::uint8_t* dane = zawartosc.data() + czytnik.pozycja();
  if (forma == FORMA_JAWNA) return {dane, dane + n};

  const std::size_t s = pozycja_klucza(static_cast<std::size_t>(n));
  std::vector<std::uint8_t> bufor(dane, dane + s);
  const std::uint8_t klucz = dane[s];
  bufor.insert(bufor.end(), dane + s + 1, dane + n + 1);
  odtworz(bufor, klucz);
  return bufor;
}
