#pragma once

#include <string>

#include "geo/georeferencja.h"

class lista_obrazkow;
class uslugi_map;

// Pictures with a georeference of their own or a world file: the texture of any raster GDAL
// reads, and the place the map gives them.

// BMP and JPEG through the editor's readers, other rasters through GDAL; reduced to the GL
// texture limit. 0 when it cannot be read (or the map module that reads the others cannot be
// loaded), with the reason in `powod`. Needs the current GL context.
unsigned laduj_teksture_zdjecia(const std::string& sciezka, std::string* powod = nullptr);

// The picture just added (the head of the list) moved where the raster's georeference puts it on
// the plan; false, leaving it as it is, for a raster without one.
bool poloz_wedlug_mapy(const uslugi_map& mapy, lista_obrazkow& zdjecia, const std::string& sciezka,
                       const georeferencja& plan);
