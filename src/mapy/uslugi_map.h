#pragma once

#include <optional>
#include <string>
#include <vector>

#include "mapy/ciecie_satek.h"
#include "mapy/raster_obrazka.h"
#include "osm/import_osm.h"

// What the editor asks of the map libraries (GDAL, PROJ, libosmium). They come as a module the
// editor loads the first time a map feature is used, so an editor that never touches a map does
// not carry them; the CLI and the tests call the functions behind this directly.
class uslugi_map {
 public:
  virtual ~uslugi_map() = default;

  virtual wynik_ciecia tnij_na_satki(const std::vector<std::string>& rastry, const std::string& katalog,
                                     const ustawienia_ciecia& ustawienia,
                                     const sledzenie_ciecia& sledzenie) const = 0;
  virtual std::optional<obraz> wczytaj_raster(const std::string& sciezka, int maks_bok) const = 0;
  virtual std::optional<polozenie_obrazka> polozenie_rastra(const std::string& sciezka,
                                                             const georeferencja& plan) const = 0;
  virtual std::optional<std::string> blad_crs(const std::string& crs) const = 0;
  virtual wynik_importu_osm importuj_osm(const std::string& sciezka, const opcje_importu_osm& opcje,
                                         tor_uklad& tor, trasa_info& trasa,
                                         const postep_importu& postep) const = 0;
  virtual std::string tekst_raportu(const raport_importu_osm& raport) const = 0;
};

// The module's one exported function; its name carries the version of the class above, so that
// a module of another build is refused rather than called with another layout.
inline constexpr const char* WEJSCIE_MODULU_MAP = "vialtor_uslugi_map_1";
using wejscie_modulu_map = const uslugi_map* (*)();
