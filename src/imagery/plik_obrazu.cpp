#include "imagery/plik_obrazu.h"

#include <cstdio>
#include <memory>

#include "imagery/obraz.h"

plik_obrazu wczytaj_plik_obrazu(const std::string& sciezka) {
  plik_obrazu wynik;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> plik(std::fopen(sciezka.c_str(), "rb"), &std::fclose);
  if (!plik) return wynik;
  wynik.stan = odczyt_obrazu::blad_odczytu;
  if (std::fseek(plik.get(), 0, SEEK_END) != 0) return wynik;
  const long rozmiar = std::ftell(plik.get());
  if (rozmiar < 0 || std::fseek(plik.get(), 0, SEEK_SET) != 0) return wynik;
  if (static_cast<std::uint64_t>(rozmiar) > MAKS_ROZMIAR_PLIKU_OBRAZU) {
    wynik.stan = odczyt_obrazu::za_duzy;
    return wynik;
  }
  wynik.dane.resize(static_cast<std::size_t>(rozmiar));
  if (std::fread(wynik.dane.data(), 1, wynik.dane.size(), plik.get()) != wynik.dane.size()) {
    wynik.dane.clear();
    return wynik;
  }
  wynik.stan = odczyt_obrazu::dobrze;
  return wynik;
}
