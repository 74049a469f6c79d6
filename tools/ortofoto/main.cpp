// generuj-ortofoto PROJEKT.vxm KATALOG_DANYCH: the bundled orthophoto tiles around the sample
// project, the tile-coordinate file that frames it, and a street map with its picture-coordinate
// file, all under the data folder.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "imagery/plik_cor.h"
#include "imagery/plik_pcr.h"
#include "imagery/satki.h"
#include "imagery/zapis_obrazu.h"
#include "io/gz_plik.h"
#include "obrazy_okolicy.h"

namespace {

// The tile of cell (0, 0) and the cells drawn around the sample (x 0 to 900 m, y 0 to 600 m):
// the whole town lies in the plan's positive quadrant, where points can be added.
constexpr std::int32_t KOLUMNA = 4776, WIERSZ = 6190;
constexpr int I0 = 0, I1 = 8, J0 = 0, J1 = 5;
constexpr int PIKSELE_SATKI = 256;
constexpr int JAKOSC_SATEK = 75;

// The sample's loop: a view of 570 x 333 m around its middle.
constexpr wspolrzedne_satek KADR{KOLUMNA, WIERSZ, -445, -317, 0.006};

// The street map covers the western half of the loop.
constexpr obszar_planu PLAN{140, 140, 460, 500, 1};
constexpr const char* PLIK_PLANU = "pic_coords/elblag/elblag_plan.jpg";

void zapisz(const std::filesystem::path& sciezka, const std::vector<std::uint8_t>& dane) {
  std::filesystem::create_directories(sciezka.parent_path());
  zapisz_plik(sciezka.string(), std::string_view(reinterpret_cast<const char*>(dane.data()), dane.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "użycie: generuj-ortofoto PROJEKT.vxm KATALOG_DANYCH\n");
    return 2;
  }
  try {
    const std::vector<odcinek_planu> tor = odcinki_projektu(argv[1]);
    const std::filesystem::path dane = argv[2];

    const obszar_planu okolica{I0 * BOK_SATKI, J0 * BOK_SATKI, (I1 + 1) * BOK_SATKI, (J1 + 1) * BOK_SATKI,
                               PIKSELE_SATKI / BOK_SATKI};
    const obraz zdjecie = rysuj_ortofotomape(tor, okolica);
    for (int i = I0; i <= I1; ++i)
      for (int j = J0; j <= J1; ++j)
        zapisz(dane / nazwa_satki(KOLUMNA + i, WIERSZ + j),
               koduj_jpeg(wytnij(zdjecie, (i - I0) * PIKSELE_SATKI, (j - J0) * PIKSELE_SATKI, PIKSELE_SATKI),
                          JAKOSC_SATEK));

    const std::filesystem::path cor = dane / std::filesystem::path(DOMYSLNY_PLIK_COR).lexically_relative("data");
    std::filesystem::create_directories(cor.parent_path());
    zapisz_gz(cor.string(), koduj_cor(KADR));

    zapisz(dane / PLIK_PLANU, koduj_jpeg(rysuj_plan_miasta(tor, PLAN), 85));
    obrazek plan;
    plan.x1 = PLAN.x0, plan.y1 = PLAN.y0, plan.x2 = PLAN.x1, plan.y2 = PLAN.y1;
    plan.sciezka = std::string("data/") + PLIK_PLANU;  // relative to the program folder
    plan.przezroczystosc = 0.6;
    zapisz_gz((dane / "pic_coords/elblag/elblag_plan.pcr").string(), koduj_pcr({plan}));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "generuj-ortofoto: %s\n", e.what());
    return 1;
  }
  return 0;
}
