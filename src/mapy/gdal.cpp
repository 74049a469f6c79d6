#include "mapy/gdal.h"

#include <cpl_conv.h>
#include <cpl_error.h>

#include <mutex>

void przygotuj_gdal() {
  static std::once_flag raz;
  std::call_once(raz, [] {
    GDALAllRegister();
    GDALSetCacheMax64(PAMIEC_BLOKOW_GDAL);
    // No .aux.xml beside the tiles written or the rasters read.
    CPLSetConfigOption("GDAL_PAM_ENABLED", "NO");
    // GDAL's messages come back as our refusals, not on stderr.
    CPLSetErrorHandler(CPLQuietErrorHandler);
  });
}

zbior_gdal otworz_raster(const std::string& sciezka, std::string& powod) {
  przygotuj_gdal();
  CPLErrorReset();
  zbior_gdal z(GDALOpenEx(sciezka.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY, nullptr, nullptr, nullptr));
  if (!z) powod = ostatni_blad_gdal("GDAL nie rozpoznaje pliku");
  return z;
}

std::string ostatni_blad_gdal(const char* domyslny) {
  const char* tekst = CPLGetLastErrorMsg();
  return tekst != nullptr && *tekst != '\0' ? tekst : domyslny;
}
