#include "ui/tlumaczenia_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QTranslator* wczytaj_tlumaczenia_qt(QObject* wlasciciel) {
  auto* tlumacz = new QTranslator(wlasciciel);
  if (!tlumacz->load(QLocale(QLocale::Polish, QLocale::Poland), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete tlumacz;
    return nullptr;
  }
  QCoreApplication::installTranslator(tlumacz);
  return tlumacz;
}
