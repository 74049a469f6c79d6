#pragma once

#include <QStringList>
#include <string>

class uslugi_map;

// The map libraries (GDAL, PROJ, libosmium) come as a module loaded the first time the editor
// uses a map feature: until then the editor carries none of them or of their ~150 libraries.
// Used from the GUI thread; the services themselves may then be called from any thread.

// Where the module is looked for: $VIALTOR_MODUL_MAP when set, else beside the installed editor
// (../lib/vialtor) and then in the build tree.
QStringList miejsca_modulu_map();

// The services of the first place that loads, kept loaded for the rest of the run; nullptr, with
// the reason in `powod`, when none does.
const uslugi_map* wczytaj_modul_map(const QStringList& miejsca, std::string& powod);

// The editor's map services, loaded on the first call that succeeds; nullptr when the module
// cannot be loaded: `powod` says why, or, without it, the user is told through the message
// function. A caller that gets nullptr does nothing.
const uslugi_map* uslugi_mapy(std::string* powod = nullptr);
