#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/stan.h"
#include "geo/georeferencja.h"
#include "osm/czytnik_osm.h"
#include "track/dopasowanie_osi.h"

class tor_uklad;

struct opcje_importu_osm {
  std::string crs = CRS_DOMYSLNY;
  // The tile origin (column, row) of the plan; none: the south-west hectometre of the track
  // less 100 m, so that the whole track lies at positive plan coordinates.
  std::optional<std::array<std::int32_t, 2>> poczatek;
  // The editor keeps its tile origin: a track that would lie at negative plan coordinates is refused.
  bool odmow_ujemnych = false;
  std::optional<std::array<double, 4>> bbox;  // min lon, min lat, max lon, max lat
  opcje_dopasowania dopasowanie;
  std::string miasto;
  bool wszystkie_koleje = false;  // railway=rail too
};

// What an import did, for the report.
struct raport_importu_osm {
  std::string plik;
  georeferencja geo;
  int drogi_odczytane = 0;  // ways with a railway tag
  int drogi_zaimportowane = 0;
  std::map<std::string, int> pominiete;  // ways: reason -> count
  int przeswity_domyslne = 0;            // ways without a known gauge
  int punkty = 0, linie = 0;
  double dlugosc = 0;
  double najwieksze_odchylenie = 0;  // of an OSM node from the fitted centre line
  std::vector<wektor> rozjazdy;      // junctions left for turnouts, plan metres
  std::vector<wektor> bledy_geometrii;
  int przystanki = 0, sygnalizatory = 0;
  std::map<std::string, int> pominiete_zdarzenia;
  int miasto = 0;
};

struct wynik_importu_osm {
  bool ok = false;
  bool nieczytelny = false;  // libosmium could not read the file (else its content was refused)
  std::string blad;          // names the file
  raport_importu_osm raport;
};

// 0-100 as the work goes on; called on the importing thread.
using postep_importu = std::function<void(int)>;

// Reads the file and builds its tram track into `tor`, which the caller gives empty; the route
// information's city is set from `opcje.miasto`. A refusal leaves `tor` empty and `trasa`
// untouched. Neither shows messages nor writes the log, so it may run on a worker thread.
wynik_importu_osm importuj_osm(const std::string& sciezka, const opcje_importu_osm& opcje, tor_uklad& tor,
                               trasa_info& trasa, const postep_importu& postep = {});
// The same from data already read; `plik` names it in messages.
wynik_importu_osm importuj_osm(const dane_osm& dane, const std::string& plik, const opcje_importu_osm& opcje,
                               tor_uklad& tor, trasa_info& trasa, const postep_importu& postep = {});

// The "Miasto" list's index of a city name (case ignored), 0 when it is not there.
int indeks_miasta(const std::string& nazwa);

// The report as lines of text: stderr of the CLI, the editor's message box and the log.
std::string tekst_raportu(const raport_importu_osm& r);
