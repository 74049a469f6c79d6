#include "mapy/raster_obrazka.h"

#include <cpl_conv.h>
#include <gdal_utils.h>
#include <ogr_srs_api.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "mapy/gdal.h"

std::optional<obraz> wczytaj_raster(const std::string& sciezka, int maks_bok) {
  std::string powod;
  zbior_gdal z = otworz_raster(sciezka, powod);
  if (!z) return std::nullopt;
  const int szer = GDALGetRasterXSize(z.get()), wys = GDALGetRasterYSize(z.get());
  const int pasma = GDALGetRasterCount(z.get());
  if (szer <= 0 || wys <= 0 || pasma == 0) return std::nullopt;
  const double skala = maks_bok > 0 ? std::min(1.0, static_cast<double>(maks_bok) / std::max(szer, wys)) : 1.0;
  obraz o;
  o.szerokosc = std::max(1, static_cast<int>(szer * skala));
  o.wysokosc = std::max(1, static_cast<int>(wys * skala));
  o.glebia = 3;
  if (static_cast<std::uint64_t>(o.szerokosc) * static_cast<std::uint64_t>(o.wysokosc) > MAKS_PIKSELI_OBRAZU)
    return std::nullopt;
  o.piksele.resize(static_cast<std::size_t>(o.szerokosc) * static_cast<std::size_t>(o.wysokosc) * 3);

  // A palette is looked up band by band; grey goes into all three.
  zbior_gdal rozwiniety;
  GDALDatasetH wejscie = z.get();
  int mapa[3] = {1, 1, 1};
  if (GDALGetRasterColorTable(GDALGetRasterBand(z.get(), 1)) != nullptr) {
    const char* o_rgb[] = {"-of", "VRT", "-expand", "rgb", nullptr};
    GDALTranslateOptions* opcje = GDALTranslateOptionsNew(const_cast<char**>(o_rgb), nullptr);
    rozwiniety.reset(GDALTranslate("", z.get(), opcje, nullptr));
    GDALTranslateOptionsFree(opcje);
    if (!rozwiniety) return std::nullopt;
    wejscie = rozwiniety.get();
    mapa[1] = 2, mapa[2] = 3;
  } else if (pasma >= 3) {
    mapa[1] = 2, mapa[2] = 3;
  }
  // Bottom row first: the buffer is filled from its last row upwards.
  const GSpacing wiersz = static_cast<GSpacing>(o.szerokosc) * 3;
  GDALRasterIOExtraArg arg;
  INIT_RASTERIO_EXTRA_ARG(arg);
  arg.eResampleAlg = GRIORA_Average;
  std::uint8_t* ostatni = o.piksele.data() + (o.wysokosc - 1) * wiersz;
  if (GDALDatasetRasterIOEx(wejscie, GF_Read, 0, 0, szer, wys, ostatni, o.szerokosc, o.wysokosc, GDT_Byte, 3, mapa,
                            3, -wiersz, 1, &arg) != CE_None)
    return std::nullopt;
  return o;
}

std::optional<polozenie_obrazka> polozenie_rastra(const std::string& sciezka, const georeferencja& plan) {
  std::string powod;
  zbior_gdal z = otworz_raster(sciezka, powod);
  if (!z) return std::nullopt;
  double gt[6];
  if (GDALGetGeoTransform(z.get(), gt) != CE_None) return std::nullopt;
  std::string crs = plan.crs;
  if (const OGRSpatialReferenceH srs = GDALGetSpatialRef(z.get())) {
    char* wkt = nullptr;
    if (OSRExportToWkt(srs, &wkt) != OGRERR_NONE) {
      CPLFree(wkt);
      return std::nullopt;
    }
    crs = wkt;
    CPLFree(wkt);
  }
  auto przeliczenie = przeliczenie_crs::utworz(crs, plan.crs);
  if (!std::holds_alternative<przeliczenie_crs>(przeliczenie)) return std::nullopt;
  const przeliczenie_crs& p = std::get<przeliczenie_crs>(przeliczenie);

  const double szer = GDALGetRasterXSize(z.get()), wys = GDALGetRasterYSize(z.get());
  // Bottom left, bottom right, top right, top left of the image, in pixel and line.
  const std::array<std::array<double, 2>, 4> narozniki{{{0, wys}, {szer, wys}, {szer, 0}, {0, 0}}};
  std::array<punkt_planu, 4> n;
  for (std::size_t i = 0; i < 4; ++i) {
    const double k = narozniki[i][0], w = narozniki[i][1];
    const std::optional<punkt_mapy> m = p.przelicz(gt[0] + k * gt[1] + w * gt[2], gt[3] + k * gt[4] + w * gt[5]);
    if (!m) return std::nullopt;
    n[i] = plan.na_plan(*m);
  }
  // The rectangle nearest the four corners: its sides the mean of the opposite edges.
  const double ux = (n[1].x - n[0].x + n[2].x - n[3].x) / 2, uy = (n[1].y - n[0].y + n[2].y - n[3].y) / 2;
  const double vx = (n[3].x - n[0].x + n[2].x - n[1].x) / 2, vy = (n[3].y - n[0].y + n[2].y - n[1].y) / 2;
  const double cx = (n[0].x + n[1].x + n[2].x + n[3].x) / 4, cy = (n[0].y + n[1].y + n[2].y + n[3].y) / 4;
  const double szerokosc = std::hypot(ux, uy), wysokosc = std::hypot(vx, vy);
  if (!(szerokosc > 0) || !(wysokosc > 0)) return std::nullopt;
  // Up turned clockwise from the bottom edge: the map shows the image mirrored.
  const bool odbity = ux * vy - uy * vx < 0;
  polozenie_obrazka o;
  o.x1 = cx - szerokosc / 2, o.x2 = cx + szerokosc / 2;
  o.y1 = cy - wysokosc / 2, o.y2 = cy + wysokosc / 2;
  if (odbity) std::swap(o.y1, o.y2);
  o.rotacja = std::atan2(uy, ux) * 180 / std::numbers::pi;
  return o;
}
