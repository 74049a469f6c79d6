#include "raster_miasta.h"

#include <gdal.h>
#include <ogr_srs_api.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "mapy/gdal.h"

// Written by strips so that making it costs little memory.
bool zrob_raster_miasta(const std::string& sciezka, const double gt[6], const char* crs) {
  const char* opcje[] = {"TILED=YES", "COMPRESS=JPEG", "PHOTOMETRIC=YCBCR", "JPEG_QUALITY=85", nullptr};
  GDALDatasetH z = GDALCreate(GDALGetDriverByName("GTiff"), sciezka.c_str(), BOK_RASTRA, BOK_RASTRA, 3, GDT_Byte,
                              const_cast<char**>(opcje));
  if (z == nullptr) return false;
  GDALSetGeoTransform(z, const_cast<double*>(gt));
  OGRSpatialReferenceH srs = OSRNewSpatialReference(nullptr);
  OSRSetFromUserInput(srs, crs);
  GDALSetSpatialRef(z, srs);
  OSRDestroySpatialReference(srs);
  constexpr int PAS = 256;
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(BOK_RASTRA) * PAS * 3);
  int mapa[3] = {1, 2, 3};
  bool dobrze = true;
  for (int y0 = 0; y0 < BOK_RASTRA && dobrze; y0 += PAS) {
    for (int y = 0; y < PAS; ++y)
      for (int x = 0; x < BOK_RASTRA; ++x) {
        const int yy = y0 + y;
        std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * BOK_RASTRA + x) * 3];
        const bool ulica = (x % 400) < 40 || (yy % 400) < 40;
        p[0] = ulica ? 180 : static_cast<std::uint8_t>(60 + (x * 7 + yy * 3) % 90);
        p[1] = ulica ? 180 : static_cast<std::uint8_t>(90 + ((x / 13) ^ (yy / 11)) % 80);
        p[2] = ulica ? 170 : static_cast<std::uint8_t>(50 + (x + yy) % 60);
      }
    const int wiersze = std::min(PAS, BOK_RASTRA - y0);
    dobrze = GDALDatasetRasterIO(z, GF_Write, 0, y0, BOK_RASTRA, wiersze, rgb.data(), BOK_RASTRA, wiersze, GDT_Byte, 3, mapa, 3,
                                 BOK_RASTRA * 3, 1) == CE_None;
  }
  GDALClose(z);
  return dobrze;
}

bool raster_miasta_2180(const std::string& sciezka) {
  przygotuj_gdal();
  if (std::filesystem::exists(sciezka)) return true;
  const double gt[6] = {E0_RASTRA, PIKSEL_RASTRA, 0, N0_RASTRA, 0, -PIKSEL_RASTRA};
  if (zrob_raster_miasta(sciezka, gt, "EPSG:2180")) return true;
  std::fprintf(stderr, "%s: %s\n", sciezka.c_str(), ostatni_blad_gdal("nie można zapisać").c_str());
  std::filesystem::remove(sciezka);
  return false;
}
