// JPEG pictures and orthophoto tiles, through the decoder that loading calls on a file's bytes.
#include <cstdint>

#include "imagery/czytnik_jpeg.h"
#include "obraz_z_pliku.h"

namespace {

// A texture size limit that small drivers have: every reduced decode (1/2 to 1/8) is reached by
// small headers.
constexpr int MAKS_BOK = 256;

// Larger images are skipped: decoding them (at 1/8, up to 8192 x 8192) only costs time, as
// libjpeg is not instrumented and the reader's own arithmetic is the same for every size; one
// such input takes seconds under the sanitizers.
constexpr std::uint64_t NAJWIECEJ_PIKSELI = std::uint64_t{1} << 22;

// The size the first frame header (SOF0 to SOF15, not DHT, JPG or DAC) declares, 0 when none.
std::uint64_t deklarowane_piksele(const std::uint8_t* dane, std::size_t rozmiar) {
  for (std::size_t i = 0; i + 9 <= rozmiar; ++i) {
    const std::uint8_t znacznik = dane[i + 1];
    if (dane[i] != 0xFF || znacznik < 0xC0 || znacznik > 0xCF || znacznik == 0xC4 || znacznik == 0xC8 ||
        znacznik == 0xCC)
      continue;
    const std::uint64_t wysokosc = dane[i + 5] << 8 | dane[i + 6];
    const std::uint64_t szerokosc = dane[i + 7] << 8 | dane[i + 8];
    return wysokosc * szerokosc;
  }
  return 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  if (deklarowane_piksele(dane, rozmiar) > NAJWIECEJ_PIKSELI) return 0;
  sprawdz_obraz(dekoduj_jpeg(dane, rozmiar, "fuzz.jpg", MAKS_BOK));
  return 0;
}
