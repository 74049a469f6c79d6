#include "rastry_testowe.h"

#include <gdal.h>
#include <ogr_srs_api.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>

#include "mapy/gdal.h"

void zapisz_raster(const std::string& sciezka, const opis_rastra& o) {
  przygotuj_gdal();
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(o.szerokosc) * o.wysokosc * 3);
  for (std::size_t i = 0; i < rgb.size(); i += 3)
    for (int k = 0; k < 3; ++k) rgb[i + k] = o.tlo[k];
  for (const plamka& p : o.plamki) {
    for (int y = 0; y < o.wysokosc; ++y)
      for (int x = 0; x < o.szerokosc; ++x)
        if (std::abs(x + 0.5 - p.kolumna) < p.bok / 2.0 && std::abs(y + 0.5 - p.wiersz) < p.bok / 2.0)
          for (int k = 0; k < 3; ++k) rgb[(static_cast<std::size_t>(y) * o.szerokosc + x) * 3 + k] = p.kolor[k];
  }
  GDALDatasetH mem = GDALCreate(GDALGetDriverByName("MEM"), "", o.szerokosc, o.wysokosc, 3, GDT_Byte, nullptr);
  ASSERT_NE(mem, nullptr);
  int mapa[3] = {1, 2, 3};
  ASSERT_EQ(GDALDatasetRasterIO(mem, GF_Write, 0, 0, o.szerokosc, o.wysokosc, rgb.data(), o.szerokosc, o.wysokosc,
                                GDT_Byte, 3, mapa, 3, o.szerokosc * 3, 1),
            CE_None);
  if (o.ma_transformacje) {
    double gt[6];
    std::copy(o.transformacja.begin(), o.transformacja.end(), gt);
    GDALSetGeoTransform(mem, gt);
  }
  if (!o.crs.empty()) {
    OGRSpatialReferenceH srs = OSRNewSpatialReference(nullptr);
    OSRSetFromUserInput(srs, o.crs.c_str());
    GDALSetSpatialRef(mem, srs);
    OSRDestroySpatialReference(srs);
  }
  const char* jakosc[] = {"QUALITY=95", nullptr};
  GDALDatasetH plik = GDALCreateCopy(GDALGetDriverByName(o.sterownik.c_str()), sciezka.c_str(), mem, FALSE,
                                     o.sterownik == "JPEG" ? const_cast<char**>(jakosc) : nullptr, nullptr, nullptr);
  ASSERT_NE(plik, nullptr) << sciezka;
  GDALClose(plik);
  GDALClose(mem);
}

void zapisz_plik_world(const std::string& sciezka, const std::array<double, 6>& gt) {
  std::ofstream f(sciezka);
  f.precision(17);
  f << gt[1] << '\n' << gt[4] << '\n' << gt[2] << '\n' << gt[5] << '\n'
    << gt[0] + gt[1] / 2 + gt[2] / 2 << '\n' << gt[3] + gt[4] / 2 + gt[5] / 2 << '\n';
}

std::array<std::uint8_t, 3> piksel(const std::string& sciezka, int x, int y) {
  std::string powod;
  zbior_gdal z = otworz_raster(sciezka, powod);
  std::array<std::uint8_t, 3> k{};
  if (!z) return k;
  int mapa[3] = {1, 2, 3};
  if (GDALDatasetRasterIO(z.get(), GF_Read, x, y, 1, 1, k.data(), 1, 1, GDT_Byte, 3, mapa, 3, 3, 1) != CE_None)
    ADD_FAILURE() << sciezka << " " << x << " " << y;
  return k;
}

std::array<int, 2> rozmiar(const std::string& sciezka) {
  std::string powod;
  zbior_gdal z = otworz_raster(sciezka, powod);
  if (!z) return {0, 0};
  return {GDALGetRasterXSize(z.get()), GDALGetRasterYSize(z.get())};
}

bool kolor_w_poblizu(const std::string& sciezka, int x, int y, std::array<std::uint8_t, 3> kolor, int tolerancja) {
  const std::array<int, 2> r = rozmiar(sciezka);
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      if (x + dx < 0 || y + dy < 0 || x + dx >= r[0] || y + dy >= r[1]) continue;
      const std::array<std::uint8_t, 3> k = piksel(sciezka, x + dx, y + dy);
      bool zgodny = true;
      for (int i = 0; i < 3; ++i) zgodny = zgodny && std::abs(k[i] - kolor[i]) <= tolerancja;
      if (zgodny) return true;
    }
  return false;
}

std::array<int, 4> zasieg_koloru(const std::string& sciezka, std::array<std::uint8_t, 3> kolor, int tolerancja) {
  std::string powod;
  zbior_gdal z = otworz_raster(sciezka, powod);
  std::array<int, 4> b{-1, -1, -1, -1};
  if (!z) return b;
  const int szer = GDALGetRasterXSize(z.get()), wys = GDALGetRasterYSize(z.get());
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(szer) * wys * 3);
  int mapa[3] = {1, 2, 3};
  if (GDALDatasetRasterIO(z.get(), GF_Read, 0, 0, szer, wys, rgb.data(), szer, wys, GDT_Byte, 3, mapa, 3, szer * 3,
                          1) != CE_None)
    return b;
  for (int y = 0; y < wys; ++y)
    for (int x = 0; x < szer; ++x) {
      const std::uint8_t* k = &rgb[(static_cast<std::size_t>(y) * szer + x) * 3];
      bool zgodny = true;
      for (int i = 0; i < 3; ++i) zgodny = zgodny && std::abs(k[i] - kolor[i]) <= tolerancja;
      if (!zgodny) continue;
      if (b[0] < 0) b = {x, y, x, y};
      b = {std::min(b[0], x), std::min(b[1], y), std::max(b[2], x), std::max(b[3], y)};
    }
  return b;
}
