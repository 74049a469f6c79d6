#pragma once

#include <optional>
#include <string>

#include "geo/georeferencja.h"
#include "imagery/obraz.h"

// Pictures read through GDAL: any raster it opens (PNG, TIFF, JPEG 2000 ... besides BMP and
// JPEG), and where its georeference puts it on the plan.

// The raster as RGB, reduced so that no side exceeds `maks_bok` (0: as it is); nothing when
// GDAL cannot read it.
std::optional<obraz> wczytaj_raster(const std::string& sciezka, int maks_bok);

// A picture's rectangle on the plan: corners (x1, y1) at the image's bottom left and (x2, y2)
// at its top right before the rotation about the centre (degrees, counter-clockwise); a
// mirrored georeference gives y1 above y2.
struct polozenie_obrazka {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  double rotacja = 0;
};

// Where the raster's georeference (its own, or a world file beside it) puts it on the plan;
// coordinates without a system are taken as the plan's. Nothing when the raster has none or
// its system does not convert into the plan's.
std::optional<polozenie_obrazka> polozenie_rastra(const std::string& sciezka, const georeferencja& plan);
