#include "io/gz_plik.h"

#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <sys/file.h>
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

// The file a save replaces: through a symbolic link its target, so the link stays a link.
std::string plik_docelowy(const std::string& sciezka) {
  std::error_code blad;
  if (!std::filesystem::is_symlink(sciezka, blad)) return sciezka;
  const std::filesystem::path cel = std::filesystem::weakly_canonical(sciezka, blad);
  return blad ? sciezka : cel.string();
}

// The rename would replace a write-protected file: refused. A file without any write bit is
// read-only for everyone, root included (root passes every access check, so the bits decide
// for it); otherwise the real user must be allowed to write it.
void sprawdz_zapisywalnosc(const std::string& cel, const std::string& sciezka) {
  struct stat st;
  if (::stat(cel.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
  if ((st.st_mode & 0222) == 0 || ::access(cel.c_str(), W_OK) != 0)
    throw blad_pliku("plik " + sciezka + " jest tylko do odczytu");
}

constexpr const char* PRZYROSTEK_TYMCZASOWEGO = ".tmp-XXXXXX";
constexpr std::size_t ZNAKI_MKSTEMP = 6;

// Temporary files of this target that a killed save left: named by mkstemp's pattern and not
// locked by a save under way (each save holds a lock on its own until the rename).
void usun_porzucone_tymczasowe(const std::string& cel) {
  namespace fs = std::filesystem;
  const fs::path sciezka(cel);
  const std::string przedrostek = sciezka.filename().string() + ".tmp-";
  std::error_code blad;
  fs::directory_iterator it(sciezka.has_parent_path() ? sciezka.parent_path() : fs::path("."), blad);
  for (; !blad && it != fs::directory_iterator(); it.increment(blad)) {
    const std::string nazwa = it->path().filename().string();
    if (nazwa.size() != przedrostek.size() + ZNAKI_MKSTEMP || nazwa.compare(0, przedrostek.size(), przedrostek) != 0 ||
        !std::all_of(nazwa.end() - ZNAKI_MKSTEMP, nazwa.end(), [](unsigned char c) { return std::isalnum(c); }))
      continue;
    const int d = ::open(it->path().c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (d < 0) continue;
    struct stat st;
    if (::fstat(d, &st) == 0 && S_ISREG(st.st_mode) && ::flock(d, LOCK_EX | LOCK_NB) == 0)
      ::unlink(it->path().c_str());
    ::close(d);
  }
}

// A save under way: a unique temporary file beside the target, locked against the clean-up of
// other saves for as long as `blokada` is open.
struct zapis_tymczasowy {
  std::string cel;         // the file that is replaced
  std::string sciezka;     // the temporary file
  int deskryptor = -1;     // for writing; the writer closes it
  int blokada = -1;        // the same open file, holding the lock until the rename
};

zapis_tymczasowy plik_tymczasowy(const std::string& sciezka) {
  zapis_tymczasowy z;
  z.cel = plik_docelowy(sciezka);
  sprawdz_zapisywalnosc(z.cel, sciezka);
  usun_porzucone_tymczasowe(z.cel);
  z.sciezka = z.cel + PRZYROSTEK_TYMCZASOWEGO;
  z.deskryptor = mkstemp(z.sciezka.data());
  if (z.deskryptor < 0)
    throw blad_otwarcia("nie można zapisać pliku " + sciezka + " (" + opis_errno() + ")");
  ::flock(z.deskryptor, LOCK_EX);
  z.blokada = ::dup(z.deskryptor);
  ::fchmod(z.deskryptor, tryb_pliku(z.cel));
  return z;
}

// A write that failed: the temporary file goes.
void porzuc(const zapis_tymczasowy& z) {
  std::remove(z.sciezka.c_str());
  if (z.blokada >= 0) ::close(z.blokada);
}

// Flushes the temporary file to disk and renames it over the target.
void podmien(const zapis_tymczasowy& z, const std::string& sciezka) {
  if (z.blokada < 0 || ::fsync(z.blokada) != 0) {
    const std::string blad = opis_errno();
    porzuc(z);
    throw blad_pliku("zapis pliku " + sciezka + " na dysk nie powiódł się (" + blad + ")");
  }
  if (std::rename(z.sciezka.c_str(), z.cel.c_str()) != 0) {
    const std::string blad = opis_errno();
    porzuc(z);
    throw blad_pliku("nie można zastąpić pliku " + sciezka + " (" + blad + ")");
  }
  ::close(z.blokada);
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
  const zapis_tymczasowy z = plik_tymczasowy(sciezka);
  gzFile plik = gzdopen(z.deskryptor, "wb");
  if (!plik) {
    ::close(z.deskryptor);
    porzuc(z);
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
    porzuc(z);
    throw blad_pliku("zapis pliku " + sciezka + " nie powiódł się");
  }
  podmien(z, sciezka);
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
  const zapis_tymczasowy z = plik_tymczasowy(sciezka);
  std::FILE* plik = fdopen(z.deskryptor, "wb");
  if (!plik) {
    ::close(z.deskryptor);
    porzuc(z);
    throw blad_otwarcia("nie można zapisać pliku " + sciezka);
  }
  bool dobrze = std::fwrite(dane.data(), 1, dane.size(), plik) == dane.size();
  if (std::fclose(plik) != 0) dobrze = false;
  if (!dobrze) {
    porzuc(z);
    throw blad_pliku("zapis pliku " + sciezka + " nie powiódł się");
  }
  podmien(z, sciezka);
}
