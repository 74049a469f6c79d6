#include "support/rejestrator_komunikatow.h"

rejestrator_komunikatow::rejestrator_komunikatow() {
  poprzedni = ustaw_odbiorce_komunikatow([this](unsigned kod, const std::string& tekst) {
    kody.push_back(kod);
    teksty.push_back(tekst);
  });
}

rejestrator_komunikatow::~rejestrator_komunikatow() { ustaw_odbiorce_komunikatow(std::move(poprzedni)); }
