#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Tile-coordinate files (".cor"): the tile origin and the camera, 32 bytes in a gzip stream.
struct wspolrzedne_satek {
  std::int32_t kolumna = 0;
  std::int32_t wiersz = 0;
  double przes_x = 0;
  double przes_y = 0;
  double skala = 0;
};

inline constexpr std::size_t ROZMIAR_COR = 32;

std::vector<std::uint8_t> koduj_cor(const wspolrzedne_satek& w);
// Throws blad_pliku for fewer than 32 bytes, a pan or zoom that is not finite, or a zoom
// outside the camera's limits (0 and below among them).
wspolrzedne_satek dekoduj_cor(const std::vector<std::uint8_t>& dane);

// "Wczytaj" of the orthophoto panel: nothing for a file that does not open or is refused, after
// the log line and a message naming the file and the fault.
std::optional<wspolrzedne_satek> wczytaj_cor(const std::string& sciezka);
// The default file at start-up: nothing, silently, for a missing or refused file.
std::optional<wspolrzedne_satek> wczytaj_cor_po_cichu(const std::string& sciezka);
// "Zapisz": written beside the file and renamed over it; a failure is logged and shown and
// leaves the old file.
bool zapisz_cor(const std::string& sciezka, const wspolrzedne_satek& w);

// The default file at start-up, relative to the program folder.
inline constexpr const char* DOMYSLNY_PLIK_COR = "data/sat_coords/elblag/Elblag-zajezdnia.cor";
