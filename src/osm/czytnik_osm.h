#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// What the track import needs of an OpenStreetMap file: every node's place, the railway ways
// with the tags that choose and describe them, and the tagged nodes that become events.

struct wezel_osm {
  std::int64_t id = 0;
  double lon = 0, lat = 0;
};

enum class rodzaj_obiektu_osm : std::uint8_t { przystanek, sygnalizator };

struct obiekt_osm {
  std::int64_t id = 0;
  double lon = 0, lat = 0;
  rodzaj_obiektu_osm rodzaj = rodzaj_obiektu_osm::przystanek;
  // From the `direction` or `railway:signal:direction` tag: +1 forward, -1 backward, 0 both.
  int kierunek = 0;
  bool przy_torze = false;  // a platform: mapped beside the track, never on it
};

struct droga_osm {
  std::int64_t id = 0;
  std::vector<std::int64_t> wezly;
  std::string railway, service, gauge;
  bool area = false;
  bool nieczynna = false;  // disused=yes, abandoned=yes
};

struct dane_osm {
  std::vector<wezel_osm> wezly;  // sorted by id
  std::vector<obiekt_osm> obiekty;
  std::vector<droga_osm> drogi;  // ways with a railway tag

  // Index into wezly, or -1.
  std::ptrdiff_t znajdz_wezel(std::int64_t id) const;
};

// libosmium's refusal of a file, in its words.
struct blad_osm : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// An .osm, .osm.pbf or .osm.bz2 file (by its name), or XML held in memory.
dane_osm czytaj_osm(const std::string& sciezka);
dane_osm czytaj_osm_z_pamieci(const char* dane, std::size_t rozmiar, const std::string& format);
