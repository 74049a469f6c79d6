// JPEG pictures and orthophoto tiles, through the decoder that loading calls on a file's bytes.
#include <cstdint>

#include "imagery/bledy_jpeg.h"
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

// Everything libjpeg may jump over lives outside the frame that calls it.
struct naglowek {
  jpeg_decompress_struct cinfo{};
  bledy_jpeg bledy{};
};

// The size the header declares, as libjpeg reads it; 0 when it cannot be read.
std::uint64_t deklarowane_piksele(naglowek& n, const std::uint8_t* dane, std::size_t rozmiar) {
  if (setjmp(n.bledy.powrot)) return 0;
  jpeg_create_decompress(&n.cinfo);
  jpeg_mem_src(&n.cinfo, dane, static_cast<unsigned long>(rozmiar));
  if (jpeg_read_header(&n.cinfo, TRUE) != JPEG_HEADER_OK) return 0;
  return std::uint64_t{n.cinfo.image_width} * n.cinfo.image_height;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  naglowek n;
  podlacz_bledy_jpeg(reinterpret_cast<jpeg_common_struct&>(n.cinfo), n.bledy);
  const std::uint64_t piksele = deklarowane_piksele(n, dane, rozmiar);
  jpeg_destroy_decompress(&n.cinfo);
  if (piksele > NAJWIECEJ_PIKSELI) return 0;
  sprawdz_obraz(dekoduj_jpeg(dane, rozmiar, "fuzz.jpg", MAKS_BOK));
  return 0;
}
