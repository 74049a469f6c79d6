#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

// A fresh empty directory for the lifetime of the object, removed with its content afterwards.
class katalog_tymczasowy {
 public:
  katalog_tymczasowy() {
    std::string wzor = testing::TempDir() + "vialtor_XXXXXX";
    EXPECT_NE(mkdtemp(wzor.data()), nullptr) << wzor;
    katalog = wzor;
  }
  ~katalog_tymczasowy() {
    std::error_code blad;
    std::filesystem::remove_all(katalog, blad);
  }
  katalog_tymczasowy(const katalog_tymczasowy&) = delete;
  katalog_tymczasowy& operator=(const katalog_tymczasowy&) = delete;

  // The path of a file in the directory (the file is not made).
  std::string plik(const std::string& nazwa) const { return (katalog / nazwa).string(); }

 private:
  std::filesystem::path katalog;
};
