#include "ui/modul_map.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "app/komunikaty.h"
#include "app/log.h"
#include "mapy/uslugi_map.h"

QStringList miejsca_modulu_map() {
  const QString wskazany = qEnvironmentVariable("VIALTOR_MODUL_MAP");
  if (!wskazany.isEmpty()) return {wskazany};
  return {QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" + VIALTOR_MODUL_MAP_INSTALACJI),
          QStringLiteral(VIALTOR_MODUL_MAP_BUDOWY)};
}

const uslugi_map* wczytaj_modul_map(const QStringList& miejsca, std::string& powod) {
  QStringList bledy;
  for (const QString& miejsce : miejsca) {
    if (!QFileInfo(miejsce).isFile()) continue;
    // Loaded, it stays for the rest of the run (QLibrary's destructor does not unload): GDAL
    // keeps threads and handlers of its own.
    QLibrary biblioteka(miejsce);
    if (!biblioteka.load()) {
      bledy << biblioteka.errorString();
      continue;
    }
    const auto wejscie = reinterpret_cast<wejscie_modulu_map>(biblioteka.resolve(WEJSCIE_MODULU_MAP));
    if (!wejscie) {
      bledy << miejsce + " nie jest modułem map tej wersji programu (brak " + WEJSCIE_MODULU_MAP + ")";
      biblioteka.unload();
      continue;
    }
    log_pisz("moduł map: %s\n", miejsce.toUtf8().constData());
    return wejscie();
  }
  if (bledy.isEmpty()) bledy << "nie ma pliku " + miejsca.join(" ani ");
  powod = bledy.join("; ").toStdString();
  return nullptr;
}

const uslugi_map* uslugi_mapy(std::string* powod) {
  static const uslugi_map* wczytane = nullptr;
  if (wczytane) return wczytane;
  std::string dlaczego;
  wczytane = wczytaj_modul_map(miejsca_modulu_map(), dlaczego);
  if (wczytane) return wczytane;
  const std::string tekst = "Mapy są niedostępne: nie można wczytać modułu map (GDAL, PROJ, OpenStreetMap): " + dlaczego;
  if (powod)
    *powod = tekst;
  else
    pokaz_tekst(tekst);
  return nullptr;
}
