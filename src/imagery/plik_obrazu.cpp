#include "imagery/plik_obrazu.h"

#include <sys/stat.h>

#include <cstdio>
#include <memory>

#include "imagery/obraz.h"

plik_obrazu wczytaj_plik_obrazu(const std::string& sciezka) {
  plik_obrazu wynik;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> plik(std::fopen(sciezka.c_str(), "rb"), &std::fclose);
  if (!plik) return wynik;
  wynik.stan = odczyt_obrazu::blad_odczytu;
  // A folder opens for reading too; only a regular file has a size to trust.
  struct stat st;
  if (::fstat(fileno(plik.get()), &st) != 0 || !S_ISREG(st.st_mode)) return wynik;
  const auto rozmiar = static_cast<std::uint64_t>(st.st_size);
  if (rozmiar > MAKS_ROZMIAR_PLIKU_OBRAZU) {
    wynik.stan = odczyt_obrazu::za_duzy;
    return wynik;
  }
  wynik.dane.resize(static_cast<std::size_t>(rozmiar));
  // A file that shrank meanwhile reads short and is refused.
  if (std::fread(wynik.dane.data(), 1, wynik.dane.size(), plik.get()) != wynik.dane.size()) {
    wynik.dane.clear();
    return wynik;
  }
  wynik.stan = odczyt_obrazu::dobrze;
  return wynik;
}
