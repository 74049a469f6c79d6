// Tile-coordinate files (".cor"), through the orthophoto panel's "Wczytaj"; the camera and tile
// origin they hold then frame the grid and the tile store as in a frame of the editor (tiles
// are asked for and never arrive), and the coordinates saved read back the same.
#include <cstring>
#include <memory>

#include "imagery/plik_cor.h"
#include "imagery/satki.h"
#include "support/malarz_pusty.h"
#include "plik_w_pamieci.h"
#include "po_wczytaniu.h"
#include "view/siatka.h"
#include "view/stan_edytora.h"

namespace {

class ladowacz_bez_satek : public ladowacz_satek {
 public:
  void zlec(zlecenie) override {}
  std::vector<wynik> odbierz() override { return {}; }
  void porzuc_zlecone() override {}
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  przygotuj_fuzz();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  static plik_w_pamieci plik;
  const std::optional<wspolrzedne_satek> w = wczytaj_cor(plik.zapisz(dane, rozmiar));
  if (!w) return 0;
  widok kamera;
  kamera.skala = w->skala;
  kamera.przes_x = w->przes_x;
  kamera.przes_y = w->przes_y;
  malarz_pusty m;
  for (int siatka = SIATKA_BRAK; siatka <= SIATKA_1M; ++siatka) rysuj_siatke(m, kamera, siatka, siatka % 2 == 0);
  magazyn_satek satki(std::make_unique<ladowacz_bez_satek>(), {[](const obraz&) { return 0u; }, [](unsigned& id) { id = 0; }});
  satki.ustaw_poczatek(w->kolumna, w->wiersz);
  satki.rysuj(m, kamera, 1.0);
  satki.rysuj(m, kamera, 0.5);

  const wspolrzedne_satek z = dekoduj_cor(koduj_cor(*w));
  if (z.kolumna != w->kolumna || z.wiersz != w->wiersz || std::memcmp(&z.przes_x, &w->przes_x, 8) != 0 ||
      std::memcmp(&z.przes_y, &w->przes_y, 8) != 0 || std::memcmp(&z.skala, &w->skala, 8) != 0)
    zlamana_obietnica("zapisane współrzędne satek wczytują się inaczej");
  return 0;
}
