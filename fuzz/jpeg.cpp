// JPEG pictures and orthophoto tiles, through the decoder that loading calls on a file's bytes.
#include "imagery/czytnik_jpeg.h"
#include "obraz_z_pliku.h"

namespace {
// The smallest texture size limit the editor meets on common GL drivers: larger images are
// decoded at a fraction of their size, as the editor would.
constexpr int MAKS_BOK = 2048;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  sprawdz_obraz(dekoduj_jpeg(dane, rozmiar, "fuzz.jpg", MAKS_BOK));
  return 0;
}
