#include "io/kopia_w_tle.h"

#include <chrono>
#include <cstdint>
#include <exception>
#include <utility>
#include <vector>

#include "io/gz_plik.h"
#include "io/projekt.h"

kopia_w_tle::~kopia_w_tle() { czekaj(); }

bool kopia_w_tle::w_toku() const {
  return zapis_.valid() && zapis_.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
}

bool kopia_w_tle::zacznij(const std::string& sciezka, const tor_uklad& tor, const trasa_info& trasa) {
  if (w_toku()) return false;
  std::vector<std::uint8_t> dane = rekordy_projektu(tor, trasa);
  zapis_ = std::async(std::launch::async, [sciezka, dane = std::move(dane)]() -> std::string {
    try {
      zapisz_gz(sciezka, dane);
      return {};
    } catch (const std::exception& e) {
      return e.what();
    }
  });
  return true;
}

std::string kopia_w_tle::czekaj() {
  if (!zapis_.valid()) return {};
  return zapis_.get();
}
