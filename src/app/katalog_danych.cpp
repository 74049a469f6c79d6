#include "app/katalog_danych.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool ma_szablony(const fs::path& katalog) {
  std::error_code blad;
  return fs::is_regular_file(katalog / PLIK_SZABLONOW, blad);
}

}  // namespace

std::string znajdz_katalog_danych() {
  std::error_code blad;
  const fs::path program = fs::read_symlink("/proc/self/exe", blad);
  if (!blad) {
    for (fs::path katalog = program.parent_path(); !katalog.empty(); katalog = katalog.parent_path()) {
      if (ma_szablony(katalog / "data")) return (katalog / "data").string();
      if (katalog == katalog.root_path()) break;
    }
  }
  if (ma_szablony("data")) return "data";
  return "";
}
