#include "ui/zdjecia_z_mapy.h"

#include <algorithm>
#include <cctype>

#include "imagery/obrazki.h"
#include "imagery/tekstura.h"
#include "mapy/uslugi_map.h"
#include "ui/modul_map.h"

namespace {
bool czytnik_edytora(const std::string& sciezka) {
  if (sciezka.size() < 3) return false;
  std::string koncowka = sciezka.substr(sciezka.size() - 3);
  std::transform(koncowka.begin(), koncowka.end(), koncowka.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return koncowka == "bmp" || koncowka == "jpg";
}
}  // namespace

unsigned laduj_teksture_zdjecia(const std::string& sciezka, std::string* powod) {
  if (czytnik_edytora(sciezka)) return laduj_teksture(sciezka, powod);
  std::string bez_modulu;
  const uslugi_map* mapy = uslugi_mapy(&bez_modulu);
  if (!mapy) {
    if (powod) *powod = bez_modulu;
    return 0;
  }
  const std::optional<obraz> o = mapy->wczytaj_raster(sciezka, maks_rozmiar_tekstury());
  const unsigned id = o ? zbuduj_teksture(*o) : 0;
  if (id == 0 && powod)
    *powod = o ? "karta graficzna nie przyjęła obrazu jako tekstury" : "obraz nie daje się odczytać (GDAL)";
  return id;
}

bool poloz_wedlug_mapy(const uslugi_map& mapy, lista_obrazkow& zdjecia, const std::string& sciezka,
                       const georeferencja& plan) {
  if (zdjecia.obrazki().empty()) return false;
  const std::optional<polozenie_obrazka> p = mapy.polozenie_rastra(sciezka, plan);
  if (!p) return false;
  std::vector<obrazek> opis = zdjecia.opis();
  obrazek& o = opis.front();
  o.x1 = p->x1, o.y1 = p->y1, o.x2 = p->x2, o.y2 = p->y2;
  o.rotacja = p->rotacja;
  zdjecia.przywroc(std::move(opis));
  return true;
}
