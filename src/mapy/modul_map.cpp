// The map libraries as the editor's loadable module: the services of uslugi_map.h over the
// functions the CLI links directly.
#include "mapy/uslugi_map.h"

namespace {

class uslugi_bibliotek final : public uslugi_map {
 public:
  wynik_ciecia tnij_na_satki(const std::vector<std::string>& rastry, const std::string& katalog,
                             const ustawienia_ciecia& ustawienia, const sledzenie_ciecia& sledzenie) const override {
    return ::tnij_na_satki(rastry, katalog, ustawienia, sledzenie);
  }
  std::optional<obraz> wczytaj_raster(const std::string& sciezka, int maks_bok) const override {
    return ::wczytaj_raster(sciezka, maks_bok);
  }
  std::optional<polozenie_obrazka> polozenie_rastra(const std::string& sciezka,
                                                     const georeferencja& plan) const override {
    return ::polozenie_rastra(sciezka, plan);
  }
  std::optional<std::string> blad_crs(const std::string& crs) const override { return ::blad_crs(crs); }
  wynik_importu_osm importuj_osm(const std::string& sciezka, const opcje_importu_osm& opcje, tor_uklad& tor,
                                 trasa_info& trasa, const postep_importu& postep) const override {
    return ::importuj_osm(sciezka, opcje, tor, trasa, postep);
  }
  std::string tekst_raportu(const raport_importu_osm& raport) const override { return ::tekst_raportu(raport); }
};

}  // namespace

extern "C" __attribute__((visibility("default"))) const uslugi_map* vialtor_uslugi_map_1() {
  static const uslugi_bibliotek uslugi;
  return &uslugi;
}
