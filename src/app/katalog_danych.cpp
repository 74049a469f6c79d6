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
  return znajdz_katalog_danych(blad ? std::string() : program.string(), "");
}

std::string znajdz_katalog_danych(const std::string& program, const std::string& roboczy) {
  if (!program.empty()) {
    const fs::path folder = fs::path(program).parent_path();
    // Checked first: a prefix inside a source tree must not take the tree's data.
    const fs::path zainstalowany = folder.parent_path() / KATALOG_DANYCH_INSTALACJI;
    if (ma_szablony(zainstalowany)) return zainstalowany.string();
    for (fs::path katalog = folder; !katalog.empty(); katalog = katalog.parent_path()) {
      if (ma_szablony(katalog / "data")) return (katalog / "data").string();
      if (katalog == katalog.root_path()) break;
    }
  }
  const fs::path w_roboczym = fs::path(roboczy) / "data";
  if (ma_szablony(w_roboczym)) return w_roboczym.string();
  return "";
}
