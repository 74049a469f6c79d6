#include "cli/png.h"

#include <png.h>

#include <stdexcept>

std::string koduj_png(const std::uint8_t* piksele, int szerokosc, int wysokosc, bool od_dolu) {
  if (szerokosc <= 0 || wysokosc <= 0) throw std::runtime_error("pusty obraz");
  png_image obraz{};
  obraz.version = PNG_IMAGE_VERSION;
  obraz.width = static_cast<png_uint_32>(szerokosc);
  obraz.height = static_cast<png_uint_32>(wysokosc);
  obraz.format = PNG_FORMAT_RGB;
  // A negative stride: the rows run from the bottom up.
  const png_int_32 krok = (od_dolu ? -1 : 1) * szerokosc * 3;
  png_alloc_size_t rozmiar = 0;
  if (!png_image_write_to_memory(&obraz, nullptr, &rozmiar, 0, piksele, krok, nullptr))
    throw std::runtime_error(obraz.message);
  std::string wynik(rozmiar, '\0');
  if (!png_image_write_to_memory(&obraz, wynik.data(), &rozmiar, 0, piksele, krok, nullptr))
    throw std::runtime_error(obraz.message);
  wynik.resize(rozmiar);
  return wynik;
}

std::string base64(const std::string& dane) {
  static const char znaki[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string t;
  t.reserve((dane.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 2 < dane.size(); i += 3) {
    const unsigned v = static_cast<unsigned char>(dane[i]) << 16 | static_cast<unsigned char>(dane[i + 1]) << 8 |
                       static_cast<unsigned char>(dane[i + 2]);
    t += {znaki[v >> 18], znaki[(v >> 12) & 63], znaki[(v >> 6) & 63], znaki[v & 63]};
  }
  if (i + 1 == dane.size()) {
    const unsigned v = static_cast<unsigned char>(dane[i]) << 16;
    t += {znaki[v >> 18], znaki[(v >> 12) & 63], '=', '='};
  } else if (i + 2 == dane.size()) {
    const unsigned v = static_cast<unsigned char>(dane[i]) << 16 | static_cast<unsigned char>(dane[i + 1]) << 8;
    t += {znaki[v >> 18], znaki[(v >> 12) & 63], znaki[(v >> 6) & 63], '='};
  }
  return t;
}
