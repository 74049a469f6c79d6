#include "obrazy_testowe.h"

#include <fstream>

std::vector<int> piksel(const obraz& o, int x, int y) {
  const std::size_t i = (static_cast<std::size_t>(y) * o.szerokosc + x) * 3;
  return {o.piksele.at(i), o.piksele.at(i + 1), o.piksele.at(i + 2)};
}

void wpisz_u16(std::vector<std::uint8_t>& v, std::size_t gdzie, std::uint16_t x) {
  v.at(gdzie) = static_cast<std::uint8_t>(x);
  v.at(gdzie + 1) = static_cast<std::uint8_t>(x >> 8);
}

void wpisz_u32(std::vector<std::uint8_t>& v, std::size_t gdzie, std::uint32_t x) {
  wpisz_u16(v, gdzie, static_cast<std::uint16_t>(x));
  wpisz_u16(v, gdzie + 2, static_cast<std::uint16_t>(x >> 16));
}

std::vector<std::uint8_t> bmp_z_paleta(int szerokosc, int wysokosc, int glebia,
                                       const std::vector<std::uint8_t>& paleta,
                                       const std::vector<std::vector<std::uint8_t>>& indeksy) {
  const std::size_t wiersz = (static_cast<std::size_t>(szerokosc) * glebia + 31) / 32 * 4;
  const std::size_t przesuniecie = 54 + paleta.size();
  std::vector<std::uint8_t> v(przesuniecie + wiersz * indeksy.size(), 0);
  v[0] = 'B';
  v[1] = 'M';
  wpisz_u32(v, 2, static_cast<std::uint32_t>(v.size()));
  wpisz_u32(v, 10, static_cast<std::uint32_t>(przesuniecie));
  wpisz_u32(v, 14, 40);
  wpisz_u32(v, 18, static_cast<std::uint32_t>(szerokosc));
  wpisz_u32(v, 22, static_cast<std::uint32_t>(wysokosc));
  wpisz_u16(v, 26, 1);
  wpisz_u16(v, 28, static_cast<std::uint16_t>(glebia));
  wpisz_u32(v, 46, static_cast<std::uint32_t>(paleta.size() / 4));
  std::copy(paleta.begin(), paleta.end(), v.begin() + 54);
  for (std::size_t r = 0; r < indeksy.size(); ++r) {
    std::uint8_t* cel = v.data() + przesuniecie + r * wiersz;
    for (std::size_t x = 0; x < indeksy[r].size(); ++x) {
      if (glebia == 8)
        cel[x] = indeksy[r][x];
      else
        cel[x / 2] |= static_cast<std::uint8_t>(indeksy[r][x] << (x % 2 ? 0 : 4));
    }
  }
  return v;
}

void zapisz_bajty(const std::string& sciezka, const std::vector<std::uint8_t>& dane) {
  std::ofstream plik(sciezka, std::ios::binary);
  plik.write(reinterpret_cast<const char*>(dane.data()), static_cast<std::streamsize>(dane.size()));
}
