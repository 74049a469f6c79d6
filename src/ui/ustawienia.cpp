#include "ui/ustawienia.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

namespace {
constexpr const char* KLUCZ_CRS = "mapa/crs";
}

void nazwij_ustawienia() {
  QCoreApplication::setOrganizationName("vialtor");
  QCoreApplication::setApplicationName("vialtor");
}

QString katalog_uzytkownika() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/vialtor";
}

QString crs_planu() { return QSettings().value(KLUCZ_CRS, QString(CRS_DOMYSLNY)).toString(); }

void ustaw_crs_planu(const QString& crs) { QSettings().setValue(KLUCZ_CRS, crs); }

georeferencja georeferencja_planu(std::int32_t kolumna, std::int32_t wiersz) {
  return {kolumna, wiersz, crs_planu().toStdString()};
}

ustawienia_problemow ustawienia_listy_problemow() {
  const QSettings s;
  const ustawienia_problemow d;
  return {s.value("problemy/promien_min", d.promien_min).toDouble(),
          s.value("problemy/prosta_min", d.prosta_min).toDouble(),
          s.value("problemy/nachylenie_max", d.nachylenie_max).toDouble(),
          s.value("problemy/zmiana_nachylenia_max", d.zmiana_nachylenia_max).toDouble()};
}

void zapisz_ustawienia_listy_problemow(const ustawienia_problemow& u) {
  QSettings s;
  s.setValue("problemy/promien_min", u.promien_min);
  s.setValue("problemy/prosta_min", u.prosta_min);
  s.setValue("problemy/nachylenie_max", u.nachylenie_max);
  s.setValue("problemy/zmiana_nachylenia_max", u.zmiana_nachylenia_max);
}
