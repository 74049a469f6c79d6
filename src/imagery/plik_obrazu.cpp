#include "imagery/plik_obrazu.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "imagery/obraz.h"

plik_obrazu wczytaj_plik_obrazu(const std::string& sciezka) {
  plik_obrazu wynik;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> plik(std::fopen(sciezka.c_str(), "rb"), &std::fclose);
  if (!plik) {
    wynik.blad_systemu = errno;
    return wynik;
  }
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
    wynik.blad_systemu = std::ferror(plik.get()) ? errno : 0;
    wynik.dane.clear();
    return wynik;
  }
  wynik.stan = odczyt_obrazu::dobrze;
  return wynik;
}

std::string powod_odczytu(const plik_obrazu& plik) {
  const auto z_errno = [&](const char* tekst) {
    return plik.blad_systemu ? std::string(tekst) + " (" + std::strerror(plik.blad_systemu) + ")" : std::string(tekst);
  };
  switch (plik.stan) {
    case odczyt_obrazu::dobrze: return plik.dane.empty() ? "plik jest pusty" : "";
    case odczyt_obrazu::brak_pliku: return z_errno("nie można otworzyć pliku");
    case odczyt_obrazu::za_duzy:
      return "plik jest większy niż " + std::to_string(MAKS_ROZMIAR_PLIKU_OBRAZU >> 20) + " MB";
    case odczyt_obrazu::blad_odczytu: break;
  }
  return z_errno("plik nie daje się odczytać w całości");
}
