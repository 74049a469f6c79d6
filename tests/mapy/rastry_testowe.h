#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Small rasters made through GDAL for the tests: grey, with squares of distinct colours at
// known pixels.

struct plamka {
  double kolumna, wiersz;  // centre, in pixels from the top left corner
  std::array<std::uint8_t, 3> kolor;
  int bok = 9;  // pixels
};

inline constexpr std::array<std::uint8_t, 3> TLO{100, 100, 100};

struct opis_rastra {
  std::string sterownik = "GTiff";  // "GTiff", "PNG", "JPEG"
  int szerokosc = 200, wysokosc = 200;
  // GDAL's geotransform; none when `ma_transformacje` is false.
  bool ma_transformacje = true;
  std::array<double, 6> transformacja{0, 1, 0, 0, 0, -1};
  std::string crs;  // empty: none written into the file
  std::vector<plamka> plamki;
  std::array<std::uint8_t, 3> tlo = TLO;
};

void zapisz_raster(const std::string& sciezka, const opis_rastra& opis);

// A world file beside a picture (six lines: pixel sizes and rotations, then the centre of the
// top left pixel) for GDAL's geotransform.
void zapisz_plik_world(const std::string& sciezka, const std::array<double, 6>& gt);

// RGB of a pixel (from the top left) of any raster GDAL reads.
std::array<std::uint8_t, 3> piksel(const std::string& sciezka, int x, int y);
// Width and height; {0, 0} when GDAL cannot open it.
std::array<int, 2> rozmiar(const std::string& sciezka);

// The colour is found within one pixel of (x, y).
bool kolor_w_poblizu(const std::string& sciezka, int x, int y, std::array<std::uint8_t, 3> kolor, int tolerancja);

// The smallest box holding every pixel of about the colour: {x0, y0, x1, y1}, ends included;
// {-1, -1, -1, -1} when none has it.
std::array<int, 4> zasieg_koloru(const std::string& sciezka, std::array<std::uint8_t, 3> kolor, int tolerancja);
