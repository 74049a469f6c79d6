#include "imagery/czytnik_bmp.h"

#include <array>
#include <cstdio>
#include <string>

#include "imagery/plik_obrazu.h"

namespace {

constexpr std::size_t NAGLOWEK_PLIKU = 14;
constexpr std::uint16_t ZNAK_BM = 19778;  // "BM"
constexpr std::uint32_t BEZ_KOMPRESJI = 0;

std::uint16_t u16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
std::uint32_t u32(const std::uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// The info headers of Windows 3 and later; all start with the same 40 bytes.
bool znany_naglowek(std::uint32_t rozmiar) {
  return rozmiar == 40 || rozmiar == 52 || rozmiar == 56 || rozmiar == 108 || rozmiar == 124;
}

bool odmowa(std::string* powod, const std::string& tekst) {
  std::printf("%s\n", tekst.c_str());
  if (powod) *powod = tekst;
  return false;
}

struct naglowek_bmp {
  std::uint32_t przesuniecie_pikseli;
  std::uint32_t rozmiar_naglowka;
  std::int32_t szerokosc;
  std::int32_t wysokosc;  // negative: rows stored top first
  std::uint16_t glebia;
  std::uint64_t wiersze;
  std::uint64_t dlugosc_wiersza;  // in the file, padded to 4 bytes
  std::uint32_t kolory;           // palette entries in the file
};

// The fixed fields, in the order of the messages a reader of this format has always printed.
bool czytaj_naglowek(const std::uint8_t* dane, std::size_t rozmiar, naglowek_bmp& n, std::string* powod) {
  if (rozmiar < 2) return odmowa(powod, "Error reading file!");
  if (u16(dane) != ZNAK_BM) return odmowa(powod, "Not a Bitmap-File!");
  if (rozmiar < NAGLOWEK_PLIKU + 40) return odmowa(powod, "Error reading file!");
  const std::uint32_t rozmiar_w_pliku = u32(dane + 2);
  n.przesuniecie_pikseli = u32(dane + 10);
  n.rozmiar_naglowka = u32(dane + 14);
  n.szerokosc = static_cast<std::int32_t>(u32(dane + 18));
  n.wysokosc = static_cast<std::int32_t>(u32(dane + 22));
  if (u16(dane + 26) != 1) return odmowa(powod, "Error: number of Planes not 1!");
  n.glebia = u16(dane + 28);
  const std::uint32_t kompresja = u32(dane + 30);
  const std::uint32_t kolory_uzyte = u32(dane + 46);

  // Writers often leave the size 0; a larger one than the file means the file was cut.
  if (rozmiar_w_pliku > rozmiar) return odmowa(powod, "Error: Bitmap-File shorter than its header says!");
  if (!znany_naglowek(n.rozmiar_naglowka) || NAGLOWEK_PLIKU + n.rozmiar_naglowka > rozmiar)
    return odmowa(powod, "Error: Bitmap-File header not supported!");
  if (kompresja != BEZ_KOMPRESJI) return odmowa(powod, "Error: compressed Bitmap-File not supported!");
  if (n.glebia != 24 && n.glebia != 8 && n.glebia != 4)
    return odmowa(powod, "Error: " + std::to_string(n.glebia) + " bits per pixel not supported!");
  if (n.szerokosc <= 0 || n.wysokosc == 0 || n.wysokosc == INT32_MIN)
    return odmowa(powod, "Error: wrong Bitmap-File dimensions!");
  n.wiersze = static_cast<std::uint64_t>(n.wysokosc < 0 ? -static_cast<std::int64_t>(n.wysokosc) : n.wysokosc);
  if (static_cast<std::uint64_t>(n.szerokosc) * n.wiersze > MAKS_PIKSELI_OBRAZU)
    return odmowa(powod, "Error: Bitmap-File too large!");
  n.dlugosc_wiersza = (static_cast<std::uint64_t>(n.szerokosc) * n.glebia + 31) / 32 * 4;

  const std::uint64_t koniec_naglowka = NAGLOWEK_PLIKU + n.rozmiar_naglowka;
  n.kolory = 0;
  if (n.glebia <= 8) {
    const std::uint32_t pelna = 1u << n.glebia;
    if (kolory_uzyte > pelna) return odmowa(powod, "Error: Bitmap-File palette too large!");
    n.kolory = kolory_uzyte ? kolory_uzyte : pelna;
  }
  if (n.przesuniecie_pikseli < koniec_naglowka + 4ull * n.kolory)
    return odmowa(powod, "Error: Bitmap-File pixel data overlaps its header!");
  return true;
}

// Index rows of 8 or 4 bits through the palette; indices past its end give black.
void rozwin_indeksy(const std::uint8_t* wiersz, const naglowek_bmp& n,
                    const std::array<std::uint8_t, 3 * 256>& paleta, std::uint8_t* cel) {
  for (std::int32_t x = 0; x < n.szerokosc; ++x) {
    const unsigned indeks = n.glebia == 4 ? (wiersz[x / 2] >> (x % 2 ? 0 : 4)) & 0x0fu : wiersz[x];
    const std::uint8_t* kolor = &paleta[3 * indeks];
    cel[3 * x] = kolor[0];
    cel[3 * x + 1] = kolor[1];
    cel[3 * x + 2] = kolor[2];
  }
}

}  // namespace

std::optional<obraz> dekoduj_bmp(const std::uint8_t* dane, std::size_t rozmiar, const std::string& nazwa,
                                 std::string* powod) {
  naglowek_bmp n;
  if (!czytaj_naglowek(dane, rozmiar, n, powod)) return std::nullopt;

  std::printf("Load texture %s %ix%ix%i ", nazwa.c_str(), n.szerokosc, static_cast<int>(n.wiersze),
              static_cast<int>(n.glebia));
  if (n.przesuniecie_pikseli + n.dlugosc_wiersza * n.wiersze > rozmiar) {
    odmowa(powod, "Error loading file!");
    return std::nullopt;
  }

  // The palette in RGB order; entries the file does not hold stay black.
  std::array<std::uint8_t, 3 * 256> paleta{};
  if (n.glebia <= 8) {
    const std::uint8_t* wpis = dane + NAGLOWEK_PLIKU + n.rozmiar_naglowka;
    for (std::uint32_t i = 0; i < n.kolory; ++i, wpis += 4) {
      paleta[3 * i] = wpis[2];
      paleta[3 * i + 1] = wpis[1];
      paleta[3 * i + 2] = wpis[0];
    }
    std::printf("rgbTab dane ");
  }

  obraz wynik;
  wynik.szerokosc = n.szerokosc;
  wynik.wysokosc = static_cast<std::int32_t>(n.wiersze);
  wynik.glebia = static_cast<std::uint8_t>(n.glebia);
  const std::size_t szerokosc = static_cast<std::size_t>(n.szerokosc);
  wynik.piksele.resize(szerokosc * n.wiersze * 3);
  for (std::uint64_t w = 0; w < n.wiersze; ++w) {
    const std::uint8_t* wiersz = dane + n.przesuniecie_pikseli + w * n.dlugosc_wiersza;
    // `obraz` keeps the bottom row first, as bottom-up files do.
    const std::uint64_t cel_w = n.wysokosc < 0 ? n.wiersze - 1 - w : w;
    std::uint8_t* cel = wynik.piksele.data() + cel_w * szerokosc * 3;
    if (n.glebia == 24) {
      for (std::size_t x = 0; x < szerokosc; ++x) {
        cel[3 * x] = wiersz[3 * x + 2];
        cel[3 * x + 1] = wiersz[3 * x + 1];
        cel[3 * x + 2] = wiersz[3 * x];
      }
    } else {
      rozwin_indeksy(wiersz, n, paleta, cel);
    }
  }
  std::printf("ok\n");
  return wynik;
}

std::optional<obraz> wczytaj_bmp(const std::string& sciezka, std::string* powod) {
  const plik_obrazu plik = wczytaj_plik_obrazu(sciezka);
  if (powod) *powod = powod_odczytu(plik);
  switch (plik.stan) {
    case odczyt_obrazu::dobrze:
      return dekoduj_bmp(plik.dane.data(), plik.dane.size(), sciezka, plik.dane.empty() ? nullptr : powod);
    case odczyt_obrazu::brak_pliku:
      std::printf("File not found : %s\n", sciezka.c_str());
      return std::nullopt;
    case odczyt_obrazu::za_duzy:
      std::printf("Error: Bitmap-File too large!\n");
      return std::nullopt;
    case odczyt_obrazu::blad_odczytu:
      break;
  }
  std::printf("Error reading file!\n");
  return std::nullopt;
}
