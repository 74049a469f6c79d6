#pragma once

#include <string>
#include <vector>

#include "app/komunikaty.h"

// Records shown messages for the lifetime of the object, then restores the previous receiver.
class rejestrator_komunikatow {
 public:
  rejestrator_komunikatow();
  ~rejestrator_komunikatow();
  rejestrator_komunikatow(const rejestrator_komunikatow&) = delete;
  rejestrator_komunikatow& operator=(const rejestrator_komunikatow&) = delete;

  std::vector<unsigned> kody;
  std::vector<std::string> teksty;

 private:
  odbiorca_komunikatow poprzedni;
};
