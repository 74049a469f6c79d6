#pragma once

#include <gdal.h>

#include <memory>
#include <string>

// GDAL set up once for the program: every driver, the block cache bounded (rasters far larger
// than memory are read by blocks), no side files of GDAL's own written beside outputs.
void przygotuj_gdal();

// Block cache of GDAL, bytes.
inline constexpr long long PAMIEC_BLOKOW_GDAL = 128LL << 20;

struct zamknij_gdal {
  void operator()(GDALDatasetH d) const { GDALClose(d); }
};
using zbior_gdal = std::unique_ptr<std::remove_pointer_t<GDALDatasetH>, zamknij_gdal>;

// Opens a raster for reading; nothing (and GDAL's reason in `powod`) when GDAL cannot.
zbior_gdal otworz_raster(const std::string& sciezka, std::string& powod);

// GDAL's last error text, or `domyslny` when it gave none.
std::string ostatni_blad_gdal(const char* domyslny);
