// BMP pictures, through the decoder that the picture and texture loading call on a file's bytes.
#include "imagery/czytnik_bmp.h"
#include "obraz_z_pliku.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  sprawdz_obraz(dekoduj_bmp(dane, rozmiar, "fuzz.bmp"));
  return 0;
}
