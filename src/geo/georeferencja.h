#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>

// Where the plan lies on the map. Orthophoto tile column c and row r are hectometres of the map
// grid (the tile covers easting 100 c … 100 c + 100 and northing 100 r … 100 r + 100), so the tile
// grid's origin is the plan's georeference: plan point (x, y) is map point
// (100 · origin column + x, 100 · origin row + y) in the plan's coordinate system.

inline constexpr const char* CRS_DOMYSLNY = "EPSG:2180";  // the Polish national grid
inline constexpr double HEKTOMETR = 100.0;

struct punkt_mapy {
  double e = 0;  // easting, metres
  double n = 0;  // northing, metres
};

struct punkt_planu {
  double x = 0;
  double y = 0;
};

struct georeferencja {
  std::int32_t kolumna = 0;  // tile column of plan x = 0
  std::int32_t wiersz = 0;   // tile row of plan y = 0
  std::string crs = CRS_DOMYSLNY;

  punkt_mapy na_mape(punkt_planu p) const;
  punkt_planu na_plan(punkt_mapy m) const;
};

// Nothing when PROJ knows the system ("EPSG:2180", a PROJ string, WKT), else PROJ's reason.
std::optional<std::string> blad_crs(const std::string& crs);

// Converts coordinates of another system into the plan's system through PROJ. Geographic
// systems take (longitude, latitude) in degrees, whatever order their definition gives.
// Not shared between threads: each thread makes its own.
class przeliczenie_crs {
 public:
  // Refused, with PROJ's reason, when either system is unknown or no conversion joins them.
  static std::variant<przeliczenie_crs, std::string> utworz(const std::string& z, const std::string& do_);

  przeliczenie_crs(przeliczenie_crs&&) noexcept;
  przeliczenie_crs& operator=(przeliczenie_crs&&) noexcept;
  ~przeliczenie_crs();

  // Nothing where PROJ cannot convert the point (outside the system's area, not finite).
  std::optional<punkt_mapy> przelicz(double a, double b) const;

 private:
  struct stan;
  explicit przeliczenie_crs(std::unique_ptr<stan> s);
  std::unique_ptr<stan> stan_;
};
