#pragma once

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

// A fresh directory under the system's temporary folder for the files a benchmark writes,
// removed with its content afterwards.
class katalog_roboczy {
 public:
  katalog_roboczy() {
    std::string wzor = (std::filesystem::temp_directory_path() / "vialtor_bench_XXXXXX").string();
    if (!mkdtemp(wzor.data())) throw std::runtime_error("cannot create a directory like " + wzor);
    katalog = wzor;
  }
  ~katalog_roboczy() {
    std::error_code blad;
    std::filesystem::remove_all(katalog, blad);
  }
  katalog_roboczy(const katalog_roboczy&) = delete;
  katalog_roboczy& operator=(const katalog_roboczy&) = delete;

  std::string plik(const std::string& nazwa) const { return (katalog / nazwa).string(); }

 private:
  std::filesystem::path katalog;
};
