#pragma once

#include <QString>

#include "analiza/problemy.h"
#include "geo/georeferencja.h"

// The editor's settings kept between runs (QSettings, ~/.config/vialtor/vialtor.conf; the tests
// keep theirs apart through QStandardPaths' test mode).
void nazwij_ustawienia();

// The user's own data folder (~/.local/share/vialtor): recovery copies, imported tiles, files
// that cannot go beside the read-only bundled data.
QString katalog_uzytkownika();

// The plan's coordinate system ("EPSG:2180" until the user sets another).
QString crs_planu();
void ustaw_crs_planu(const QString& crs);

// The plan's georeference: the tile grid's origin in the plan's coordinate system.
georeferencja georeferencja_planu(std::int32_t kolumna, std::int32_t wiersz);

// The limits of the problems list ("Lista problemów").
ustawienia_problemow ustawienia_listy_problemow();
void zapisz_ustawienia_listy_problemow(const ustawienia_problemow& u);
