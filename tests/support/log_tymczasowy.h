#pragma once

#include <string>

// Opens the program log on a fresh temporary file for the lifetime of the object, then closes it.
class log_tymczasowy {
 public:
  log_tymczasowy();
  ~log_tymczasowy();
  log_tymczasowy(const log_tymczasowy&) = delete;
  log_tymczasowy& operator=(const log_tymczasowy&) = delete;

  // Everything written to the log so far.
  std::string tresc() const;

 private:
  std::string sciezka;
};
