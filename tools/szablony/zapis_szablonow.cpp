#include "zapis_szablonow.h"

#include <cstdio>

namespace {

std::string metry(std::int64_t jednostki) {
  const std::int64_t bez_znaku = jednostki < 0 ? -jednostki : jednostki;
  char bufor[32];
  std::snprintf(bufor, sizeof bufor, "%s%lld.%04lld", jednostki < 0 ? "-" : "",
                static_cast<long long>(bez_znaku / JEDNOSTEK_NA_METR), static_cast<long long>(bez_znaku % JEDNOSTEK_NA_METR));
  return bufor;
}

}  // namespace

std::string tekst_biblioteki(const std::vector<wzor_szablonu>& szablony) {
  std::string t = std::to_string(szablony.size()) + "\n";
  for (const wzor_szablonu& w : szablony) {
    t += "\n" + std::to_string(w.punkty.size()) + " " + std::to_string(w.linie.size()) + "\n";
    for (const punkt_wzoru& p : w.punkty)
      t += metry(p.x) + " " + metry(p.y) + " " + metry(0) + " " + std::to_string(w.przeswit) + " " +
           metry(w.promien * JEDNOSTEK_NA_METR) + "\n";
    for (const linia_wzoru& l : w.linie) t += std::to_string(l.poczatek) + " " + std::to_string(l.koniec) + "\n";
    t += w.nazwa + "\n";
    t += std::to_string(w.transport) + " " + std::to_string(w.rodzaj) + "\n";
  }
  return t;
}
