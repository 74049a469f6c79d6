#pragma once

// Gauges: index 0-4 into a fixed table.
inline constexpr int LICZBA_PRZESWITOW = 5;
inline constexpr double PRZESWIT[LICZBA_PRZESWITOW] = {1.435, 1.000, 0.900, 0.785, 1.525};
inline constexpr double POLOWA_PRZESWITU[LICZBA_PRZESWITOW] = {0.7175, 0.5, 0.45, 0.3925, 0.7625};
inline constexpr const char* NAZWA_PRZESWITU[LICZBA_PRZESWITOW] = {"1,435 m", "1,000 m", "0,900 m",
                                                                   "0,785 m", "1,525 m"};

// Half gauge of an index; an index outside the table (from a foreign file) draws as 1.435 m.
inline double polowa_przeswitu(int przeswit) {
  return przeswit >= 0 && przeswit < LICZBA_PRZESWITOW ? POLOWA_PRZESWITU[przeswit] : POLOWA_PRZESWITU[0];
}

// The default-radius list "Domyślny promień łuku:".
inline constexpr int LICZBA_PROMIENI_DOMYSLNYCH = 6;
inline constexpr double PROMIEN_DOMYSLNY[LICZBA_PROMIENI_DOMYSLNYCH] = {25, 30, 50, 100, 150, 215};

// The radius slider: positions 18-90 are metres, 91-100 the listed larger radii.
inline constexpr int SUWAK_MIN = 18;
inline constexpr int SUWAK_MAX = 100;
double promien_suwaka(int pozycja);
// Slider position of a radius (truncated to whole metres), or -1 when outside the slider.
int pozycja_suwaka(double promien);
