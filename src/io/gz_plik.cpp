#include "io/gz_plik.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "io/blad_pliku.h"

namespace {

constexpr unsigned KAWALEK = 1u << 16;

std::string opis_errno() { return std::strerror(errno); }

// The mode a plain save would give the file: the old file's, or the default one under umask
// (mkstemp makes the temporary file private).
mode_t tryb_pliku(const std::string& sciezka) {
  struct stat st;
  if (::stat(sciezka.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  const mode_t maska = ::umask(0);
  ::umask(maska);
  return 0666 & ~maska;
}

// Creates a unique temporary file beside the target.
std::string plik_tymczasowy(const std::string& sciezka, int& deskryptor) {
  std::string wzor = sciezka + ".tmp-XXXXXX";
  deskryptor = mkstemp(wzor.data());
  if (deskryptor < 0)
    throw blad_otwarcia("nie można utworzyć pliku tymczasowego obok " + sciezka + " (" + opis_errno() + ")");
  ::fchmod(deskryptor, tryb_pliku(sciezka));
  return wzor;
}

// Flushes the temporary file to disk and renames it over the target.
void podmien(const std::string& tymczasowy, const std::string& sciezka) {
  int d = ::open(tymczasowy.c_str(), O_RDONLY);
  if (d < 0 || ::fsync(d) != 0) {
    const std::string blad = opis_errno();
    if (d >= 0) ::close(d);
    std::remove(tymczasowy.c_str());
    throw blad_pliku("zapis pliku " + sciezka + " na dysk nie powiódł się (" + blad + ")");
  }
  ::close(d);
  if (std::rename(tymczasowy.c_str(), sciezka.c_str()) != 0) {
    const std::string blad = opis_errno();
    std::remove(tymczasowy.c_str());
    throw blad_pliku("nie można zastąpić pliku " + sciezka + " (" + blad + ")");
  }
}

}  // namespace

namespace {

// The decompressed size a gzip file names in its trailer, as a hint for one allocation; bounded
// by what deflate can reach from the file's size, so a forged trailer cannot ask for more.
std::size_t przewidywany_rozmiar(const std::string& sciezka) {
  std::FILE* plik = std::fopen(sciezka.c_str(), "rb");
  if (!plik) return 0;
  std::uint8_t naglowek[2] = {}, stopka[4] = {};
  long rozmiar_pliku = 0;
  const bool jest = std::fread(naglowek, 1, 2, plik) == 2 && std::fseek(plik, 0, SEEK_END) == 0 &&
                    (rozmiar_pliku = std::ftell(plik)) >= 18 && std::fseek(plik, -4, SEEK_END) == 0 &&
                    std::fread(stopka, 1, 4, plik) == 4;
  std::fclose(plik);
  if (!jest) return 0;
  // A file that is not gzip is read as it is.
  if (naglowek[0] != 0x1f || naglowek[1] != 0x8b) return static_cast<std::size_t>(rozmiar_pliku);
  const std::size_t rozmiar = stopka[0] | stopka[1] << 8 | stopka[2] << 16 | std::size_t{stopka[3]} << 24;
  return std::min(rozmiar, static_cast<std::size_t>(rozmiar_pliku) * 1032);
}

}  // namespace

std::vector<std::uint8_t> wczytaj_gz(const std::string& sciezka) {
  gzFile plik = gzopen(sciezka.c_str(), "rb");
  if (!plik) throw blad_otwarcia("nie można otworzyć pliku " + sciezka + " (" + opis_errno() + ")");
  gzbuffer(plik, 1u << 17);
  std::vector<std::uint8_t> dane;
  dane.reserve(przewidywany_rozmiar(sciezka) + KAWALEK);
  std::vector<std::uint8_t> kawalek;
  int n;
  do {
    const std::size_t przed = dane.size();
    const std::size_t wolne = dane.capacity() - przed;
    if (wolne >= KAWALEK) {
      // Decompress straight into the room the trailer promised, a slice at a time, so that a
      // forged trailer costs address space only, never zero-filled memory.
      const unsigned ile = static_cast<unsigned>(std::min<std::size_t>(wolne, 8u << 20));
      dane.resize(przed + ile);
      n = gzread(plik, dane.data() + przed, ile);
      dane.resize(przed + (n > 0 ? static_cast<std::size_t>(n) : 0));
    } else {
      kawalek.resize(KAWALEK);
      n = gzread(plik, kawalek.data(), KAWALEK);
      if (n > 0) dane.insert(dane.end(), kawalek.begin(), kawalek.begin() + n);
    }
  } while (n > 0);
  if (n < 0) {
    int kod = 0;
    const std::string blad = gzerror(plik, &kod);
    gzclose(plik);
    throw blad_pliku("plik " + sciezka + " jest uszkodzony (gzip: " + blad + ")");
  }
  // A stream cut short reads to its end without an error from gzread; gzclose reports it.
  if (gzclose(plik) != Z_OK) throw blad_pliku("plik " + sciezka + " jest ucięty lub uszkodzony (gzip)");
  return dane;
}

void zapisz_gz(const std::string& sciezka, const std::uint8_t* dane, std::size_t rozmiar) {
  int deskryptor = -1;
  const std::string tymczasowy = plik_tymczasowy(sciezka, deskryptor);
  gzFile plik = gzdopen(deskryptor, "wb");
  if (!plik) {
    ::close(deskryptor);
    std::remove(tymczasowy.c_str());
    throw blad_otwarcia("nie można zapisać pliku " + sciezka);
  }
  bool dobrze = true;
  for (std::size_t zapisane = 0; zapisane < rozmiar && dobrze;) {
    const unsigned n = static_cast<unsigned>(std::min<std::size_t>(KAWALEK, rozmiar - zapisane));
    dobrze = gzwrite(plik, dane + zapisane, n) == static_cast<int>(n);
    zapisane += n;
  }
  if (gzclose(plik) != Z_OK) dobrze = false;
  if (!dobrze) {
    std::remove(tymczasowy.c_str());
    throw blad_pliku("zapis pliku " + sciezka + " nie powiódł się");
  }
  podmien(tymczasowy, sciezka);
}

std::string wczytaj_plik(const std::string& sciezka) {
  std::FILE* plik = std::fopen(sciezka.c_str(), "rb");
  if (!plik) throw blad_otwarcia("nie można otworzyć pliku " + sciezka + " (" + opis_errno() + ")");
  std::string dane;
  char bufor[1 << 16];
  std::size_t n;
  while ((n = std::fread(bufor, 1, sizeof bufor, plik)) > 0) dane.append(bufor, n);
  const bool blad = std::ferror(plik);
  std::fclose(plik);
  if (blad) throw blad_pliku("błąd odczytu pliku " + sciezka);
  return dane;
}

void zapisz_plik(const std::string& sciezka, std::string_view dane) {
  int deskryptor = -1;
  const std::string tymczasowy = plik_tymczasowy(sciezka, deskryptor);
  std::FILE* plik = fdopen(deskryptor, "wb");
  if (!plik) {
    ::close(deskryptor);
    std::remove(tymczasowy.c_str());
    throw blad_otwarcia("nie można zapisać pliku " + sciezka);
  }
  bool dobrze = std::fwrite(dane.data(), 1, dane.size(), plik) == dane.size();
  if (std::fclose(plik) != 0) dobrze = false;
  if (!dobrze) {
    std::remove(tymczasowy.c_str());
    throw blad_pliku("zapis pliku " + sciezka + " nie powiódł się");
  }
  podmien(tymczasowy, sciezka);
}
