#pragma once

#include <string>

#include "osm/import_osm.h"

// import-osm: an OpenStreetMap extract's tram track into a project (.vxm) or the text form
// (.txt); the report goes to stderr and the log.
int polecenie_import_osm(const std::string& wejscie, const std::string& wyjscie, const opcje_importu_osm& opcje);

// "COL,ROW" and "minlon,minlat,maxlon,maxlat" of the command line; false when malformed.
bool czytaj_poczatek(const std::string& tekst, opcje_importu_osm& opcje);
bool czytaj_bbox(const std::string& tekst, opcje_importu_osm& opcje);
