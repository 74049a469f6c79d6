#pragma once

#include <string>

// The benchmarks' orthophoto of a town: 3 km × 3 km of 12 000 × 12 000 pixels (0.25 m a pixel),
// a photo-like pattern with streets, as a tiled JPEG-compressed GeoTIFF.
inline constexpr int BOK_RASTRA = 12000;
inline constexpr double PIKSEL_RASTRA = 0.25;
inline constexpr double E0_RASTRA = 470000, N0_RASTRA = 613000;  // north-west corner

// Writes it with the geotransform `gt` in the system `crs`; false (GDAL's reason in
// ostatni_blad_gdal) when it cannot.
bool zrob_raster_miasta(const std::string& sciezka, const double gt[6], const char* crs);

// The raster in EPSG:2180 at `sciezka`, made unless it is there from an earlier run; false when
// it cannot be made, the reason printed.
bool raster_miasta_2180(const std::string& sciezka);
