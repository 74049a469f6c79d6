#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "geo/georeferencja.h"
#include "imagery/plik_cor.h"

// Orthophotos cut into the tile grid: every 100 m tile of the plan's system that holds image
// data of the rasters becomes "sat/CCCCRRRR.jpg" under the output folder, north up, pixels
// aligned across tiles; a tile already there keeps what the new rasters leave uncovered.
// Rasters in another system are reprojected by GDAL's warper (bilinear). Each tile is written
// beside its place and renamed over it, so a tile is whole or absent, and every raster is
// checked before anything is written.

struct ustawienia_ciecia {
  std::string crs = CRS_DOMYSLNY;  // the plan's system
  int px = 512;                    // pixels a side of a tile
  int jakosc = 85;                 // JPEG quality
};

struct postep_ciecia {
  std::size_t zrobione = 0;    // tiles of the grid looked at
  std::size_t wszystkie = 0;   // tiles the rasters' extents touch
  std::size_t zapisane = 0;    // tiles written
};
// Told after every tile looked at; false stops the work there (what is written stays).
using sledzenie_ciecia = std::function<bool(const postep_ciecia&)>;

enum class koniec_ciecia {
  zrobione,
  przerwane,
  odmowa,       // a raster without a georeference, an unknown system: nothing written
  blad_odczytu  // a raster that cannot be read, a tile that cannot be written
};

struct wynik_ciecia {
  koniec_ciecia koniec = koniec_ciecia::zrobione;
  std::string komunikat;  // the refusal or failure, naming the file
  std::size_t zapisane = 0;
  // When done with tiles written: sat_coords/<first raster's name>.cor, its origin the south-west
  // tile written and its camera on the middle of what was written.
  std::string plik_cor;
  wspolrzedne_satek wspolrzedne;
};

wynik_ciecia tnij_na_satki(const std::vector<std::string>& rastry, const std::string& katalog,
                           const ustawienia_ciecia& ustawienia, const sledzenie_ciecia& sledzenie = {});

// The camera of a tile-coordinates file over the tiles from (0, 0) to (kolumny, wiersze) of
// its origin: centred, the whole in view, but never zoomed out past where tiles are drawn.
wspolrzedne_satek kadr_satek(std::int32_t kolumna, std::int32_t wiersz, int kolumny, int wiersze);
