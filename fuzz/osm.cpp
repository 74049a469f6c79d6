// OpenStreetMap XML (".osm"), through the track import; a layout that imports is then used as
// the editor uses a layout.
#include "osm/import_osm.h"
#include "po_wczytaniu.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  przygotuj_fuzz();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  dane_osm osm;
  try {
    osm = czytaj_osm_z_pamieci(reinterpret_cast<const char*>(dane), rozmiar, "osm");
  } catch (const blad_osm&) {
    return 0;
  }
  dokument d;
  const biblioteka_szablonow biblioteka(d.tor);
  if (importuj_osm(osm, "fuzz.osm", {}, d.tor, d.trasa).ok) uzyj_ukladu(d);
  return 0;
}
