#pragma once

#include <string>

// The commands of vialtor-cli. Each returns the exit code: 0 done, 1 a refusal the file
// itself causes (faulty geometry, a foreign format), 2 a file that cannot be read or written.
inline constexpr int WYJSCIE_OK = 0;
inline constexpr int WYJSCIE_ODMOWA = 1;
inline constexpr int WYJSCIE_BLAD = 2;

class dokument;

// Loads a file into a fresh model; on failure reports it and gives the exit code.
int wczytaj_do_polecenia(const std::string& plik, const std::string& katalog_danych, dokument& model);

// A layout's output file must be a project (.vxm) or a text form (.txt): false, reported, when not.
bool przyjmij_plik_ukladu(const std::string& wyjscie);
// Writes the layout in the form the output's extension names; on failure reports it and gives
// the exit code.
int zapisz_do_polecenia(const std::string& wyjscie, const dokument& model);

int polecenie_info(const std::string& plik, const std::string& katalog_danych);
int polecenie_dump(const std::string& plik, const std::string& katalog_danych);
int polecenie_check(const std::string& plik, const std::string& katalog_danych);
int polecenie_convert(const std::string& wejscie, const std::string& wyjscie, const std::string& katalog_danych);
int polecenie_export(const std::string& wejscie, const std::string& wyjscie, const std::string& katalog_danych);
int polecenie_decode(const std::string& wejscie, const std::string& wyjscie);
