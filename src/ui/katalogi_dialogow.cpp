#include "ui/katalogi_dialogow.h"
#include "ui/ustawienia.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

// "*.bmp *.jpg" -> "dialogi/bmp_jpg".
QString klucz(const QString& wzor) {
  return QString(GRUPA_KATALOGOW_DIALOGOW) + "/" + QString(wzor).remove("*.").simplified().replace(' ', '_');
}

}  // namespace

QString katalog_dialogu(const QString& wzor, const QString& dolaczony) {
  const QString ostatni = QSettings().value(klucz(wzor)).toString();
  if (!ostatni.isEmpty() && QFileInfo(ostatni).isDir()) return ostatni;
  const QFileInfo danych(dolaczony);
  if (danych.isDir() && danych.isWritable()) return dolaczony;
  const QString wlasny =
      katalog_uzytkownika() + "/" + danych.fileName();
  QDir().mkpath(wlasny);
  return wlasny;
}

std::string plik_z_dialogu(const dialog_pliku& dialog, QWidget* rodzic, const QString& dolaczony, const QString& wzor) {
  std::string plik = dialog(rodzic, katalog_dialogu(wzor, dolaczony), wzor);
  if (!plik.empty())
    QSettings().setValue(klucz(wzor), QFileInfo(QString::fromStdString(plik)).absolutePath());
  return plik;
}
