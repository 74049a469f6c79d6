// vialtor-cli: the editor's file commands without the editor.
#include <CLI/CLI.hpp>

#include <functional>

#include "app/log.h"
#include "app/katalog_danych.h"
#include "cli/import_osm.h"
#include "cli/analiza_cli.h"
#include "cli/komunikaty_cli.h"
#include "cli/polecenia.h"
#ifdef VIALTOR_RENDER
#include "cli/render.h"
#include "cli/tiles.h"
#endif

int main(int argc, char** argv) {
  CLI::App app{"Vialtor: pliki układów torów tramwajowych bez edytora"};
  app.require_subcommand(1);
  // Global options are accepted after the command too.
  app.fallthrough();
  // The help names the folder found, so an installation can be checked at a glance.
  const std::string znaleziony_katalog = znajdz_katalog_danych();
  std::string katalog_danych;
  std::string plik_logu;
  app.add_option("--data", katalog_danych,
                 "folder danych z biblioteką szablonów dataeditor/sb.txt (domyślnie folder instalacji, "
                 "folder data nad programem lub w bieżącym katalogu; teraz: " +
                     (znaleziony_katalog.empty() ? std::string("brak") : znaleziony_katalog) + ")");
  app.add_option("--log", plik_logu, "zapisuj log programu do tego pliku");

  std::string wejscie;
  std::string wyjscie;
  std::function<int()> polecenie;
  // A command with one file names it FILE, one that writes another file IN and OUT.
  auto dodaj = [&](const char* nazwa, const char* opis, const char* opis_wejscia, const char* opis_wyjscia,
                   std::function<int()> dzialanie) {
    CLI::App* sub = app.add_subcommand(nazwa, opis);
    sub->add_option(opis_wyjscia ? "IN" : "FILE", wejscie, opis_wejscia)->required();
    if (opis_wyjscia) sub->add_option("OUT", wyjscie, opis_wyjscia)->required();
    sub->callback([&polecenie, dzialanie] { polecenie = dzialanie; });
    return sub;
  };
  dodaj("info", "liczby punktów, linii, elementów i zdarzeń, informacje o trasie, długość i geometria",
        "plik .vxm, .vxp lub .txt", nullptr, [&] { return polecenie_info(wejscie, katalog_danych); });
  dodaj("dump", "cały wczytany model jako dokument JSON", "plik .vxm, .vxp lub .txt", nullptr,
        [&] { return polecenie_dump(wejscie, katalog_danych); });
  bool wszystkie = false;
  bool json = false;
  CLI::App* check = dodaj("check", "test geometrii toru: ok (kod 0) albo error at X Y (kod 1)",
                          "plik .vxm, .vxp lub .txt", nullptr, [&] {
                            return wszystkie ? polecenie_check_wszystko(wejscie, katalog_danych, json)
                                             : polecenie_check(wejscie, katalog_danych);
                          });
  check->add_flag("--all", wszystkie, "wszystkie problemy układu, po jednym w wierszu (kod 1 przy błędach)");
  check->add_flag("--json", json, "z --all: tablica JSON")->needs("--all");
  double profil_x = 0, profil_y = 0;
  CLI::App* profile = dodaj("profile", "profil wysokości toru przez punkt lub linię najbliższą X Y",
                            "plik .vxm, .vxp lub .txt", nullptr,
                            [&] { return polecenie_profile(wejscie, profil_x, profil_y, wyjscie, katalog_danych); });
  profile->add_option("X", profil_x, "x na planie [m]")->required();
  profile->add_option("Y", profil_y, "y na planie [m]")->required();
  profile->add_option("OUT", wyjscie, "plik .svg lub .csv")->required();
  dodaj("convert", "zapis w innej postaci: projekt .vxm albo postać tekstowa .txt", "plik .vxm, .vxp lub .txt",
        "plik .vxm lub .txt", [&] { return polecenie_convert(wejscie, wyjscie, katalog_danych); });
  dodaj("export", "eksport dla symulatora", "plik .vxm, .vxp lub .txt", "plik .layout",
        [&] { return polecenie_export(wejscie, wyjscie, katalog_danych); });
  dodaj("decode", "zawartość pliku symulatora po odwróceniu zaciemnienia", "plik .layout", "plik wynikowy",
        [&] { return polecenie_decode(wejscie, wyjscie); });
  opcje_importu_osm osm;
  std::string poczatek, ramka;
  CLI::App* import_osm =
      dodaj("import-osm", "tory tramwajowe z pliku OpenStreetMap jako projekt .vxm albo postać tekstowa .txt",
            "plik .osm, .osm.pbf lub .osm.bz2", "plik .vxm lub .txt", [&] {
              if (!poczatek.empty() && !czytaj_poczatek(poczatek, osm)) {
                zglos_blad("--origin: oczekiwano KOLUMNA,WIERSZ, podano " + poczatek);
                return WYJSCIE_BLAD;
              }
              if (!ramka.empty() && !czytaj_bbox(ramka, osm)) {
                zglos_blad("--bbox: oczekiwano minlon,minlat,maxlon,maxlat, podano " + ramka);
                return WYJSCIE_BLAD;
              }
              return polecenie_import_osm(wejscie, wyjscie, osm);
            });
  import_osm->add_option("--crs", osm.crs, "układ współrzędnych planu")->capture_default_str();
  import_osm->add_option("--origin", poczatek, "początek siatki KOLUMNA,WIERSZ (hektometry układu; domyślnie "
                                               "południowo-zachodni hektometr torów minus 100 m)");
  import_osm->add_option("--bbox", ramka, "tylko węzły w ramce minlon,minlat,maxlon,maxlat");
  import_osm->add_option("--min-radius", osm.dopasowanie.promien_min, "najmniejszy promień łuku, m")
      ->check(CLI::Range(1.0, 10000.0))
      ->capture_default_str();
  import_osm->add_option("--tolerance", osm.dopasowanie.tolerancja, "największa odległość węzła od osi toru, m")
      ->check(CLI::Range(0.01, 100.0))
      ->capture_default_str();
  import_osm->add_option("--city", osm.miasto, "miasto z listy informacji o trasie");
  import_osm->add_flag("--all-rail", osm.wszystkie_koleje, "także railway=rail");
#ifdef VIALTOR_RENDER
  opcje_obrazu obraz;
  CLI::App* render = dodaj("render", "obraz układu tak, jak rysuje go widok planu", "plik .vxm, .vxp lub .txt",
                           "plik .svg lub .png",
                           [&] { return polecenie_render(wejscie, wyjscie, katalog_danych, obraz); });
  render->add_option("--width", obraz.szerokosc, "szerokość w pikselach")
      ->check(CLI::Range(1, MAKS_BOK_OBRAZU))
      ->capture_default_str();
  render->add_option("--height", obraz.wysokosc, "wysokość w pikselach")
      ->check(CLI::Range(1, MAKS_BOK_OBRAZU))
      ->capture_default_str();
  render->add_option("--view", obraz.widok, "all (cały układ, jak Pokaż wszystko) albo x,y,skala kamery")
      ->capture_default_str();

  std::vector<std::string> rastry;
  ustawienia_ciecia ciecie;
  bool cicho = false;
  CLI::App* tiles = app.add_subcommand("tiles", "ortofotomapy pocięte na satki FOLDER/sat i plik FOLDER/sat_coords/*.cor");
  tiles->add_option("RASTER", rastry, "rastry z georeferencją (GeoTIFF, JPEG 2000, obraz z plikiem world ...)")
      ->required();
  tiles->add_option("--out", wyjscie, "folder wynikowy")->required();
  tiles->add_option("--crs", ciecie.crs, "układ współrzędnych planu")->capture_default_str();
  tiles->add_option("--px", ciecie.px, "pikseli na bok satki")->check(CLI::Range(16, 8192))->capture_default_str();
  tiles->add_option("--quality", ciecie.jakosc, "jakość JPEG")->check(CLI::Range(1, 100))->capture_default_str();
  tiles->add_flag("--quiet", cicho, "bez postępu na stderr");
  tiles->callback([&] { polecenie = [&] { return polecenie_tiles(rastry, wyjscie, ciecie, cicho); }; });
#endif

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? WYJSCIE_OK : WYJSCIE_BLAD;
  }

  komunikaty_na_stderr();
  if (!plik_logu.empty() && !log_otworz(plik_logu.c_str())) {
    zglos_blad("nie można otworzyć pliku logu " + plik_logu);
    return WYJSCIE_BLAD;
  }
  if (katalog_danych.empty()) katalog_danych = znaleziony_katalog;
  const int kod = polecenie();
  const bool wypisane = wyjscie_zapisane();
  log_zamknij();
  return wypisane ? kod : WYJSCIE_BLAD;
}
