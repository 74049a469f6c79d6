#include "ui/ustawienia.h"

#include <QCoreApplication>
#include <QSettings>

namespace {
constexpr const char* KLUCZ_CRS = "mapa/crs";
}

void nazwij_ustawienia() {
  QCoreApplication::setOrganizationName("vialtor");
  QCoreApplication::setApplicationName("vialtor");
}

QString crs_planu() { return QSettings().value(KLUCZ_CRS, QString(CRS_DOMYSLNY)).toString(); }

void ustaw_crs_planu(const QString& crs) { QSettings().setValue(KLUCZ_CRS, crs); }

georeferencja georeferencja_planu(std::int32_t kolumna, std::int32_t wiersz) {
  return {kolumna, wiersz, crs_planu().toStdString()};
}
