#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A file that lives in memory (memfd) and opens by path, so that a fuzz input reaches the same
// file function the editor calls without touching the disk.
class plik_w_pamieci {
 public:
  plik_w_pamieci();
  ~plik_w_pamieci();
  plik_w_pamieci(const plik_w_pamieci&) = delete;
  plik_w_pamieci& operator=(const plik_w_pamieci&) = delete;

  // Replaces the content; returns the path that opens it from the start.
  const std::string& zapisz(const std::uint8_t* dane, std::size_t rozmiar);

 private:
  int deskryptor_ = -1;
  std::string sciezka_;
};
