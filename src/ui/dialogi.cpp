#include "ui/dialogi.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "app/katalog_danych.h"
#include "app/komunikaty.h"

namespace {

std::string wybierz_plik(QWidget* rodzic, const QString& katalog, const QString& wzor, bool zapis) {
  QFileDialog okno(rodzic, QString(), katalog, wzor);
  okno.setOption(QFileDialog::DontUseNativeDialog);
  // The bundled files stay a click away wherever the dialog opens.
  const std::string dane = znajdz_katalog_danych();
  if (!dane.empty()) okno.setSidebarUrls(okno.sidebarUrls() << QUrl::fromLocalFile(QString::fromStdString(dane)));
  if (zapis) {
    okno.setAcceptMode(QFileDialog::AcceptSave);
    okno.setFileMode(QFileDialog::AnyFile);
    okno.setDefaultSuffix(QString(wzor).remove("*."));
  } else {
    okno.setFileMode(QFileDialog::ExistingFile);
  }
  if (okno.exec() != QDialog::Accepted || okno.selectedFiles().isEmpty()) return {};
  return okno.selectedFiles().first().toStdString();
}

}  // namespace

dialogi dialogi_qt() {
  dialogi d;
  d.otworz_plik = [](QWidget* rodzic, const QString& katalog, const QString& wzor) {
    return wybierz_plik(rodzic, katalog, wzor, false);
  };
  d.zapisz_plik = [](QWidget* rodzic, const QString& katalog, const QString& wzor) {
    return wybierz_plik(rodzic, katalog, wzor, true);
  };
  d.zapytaj = [](QWidget* rodzic, const QString& pytanie) {
    QMessageBox okno(QMessageBox::NoIcon, TYTUL_KOMUNIKATU, pytanie, QMessageBox::NoButton, rodzic);
    QPushButton* tak = okno.addButton("Tak", QMessageBox::YesRole);
    okno.setDefaultButton(okno.addButton("Nie", QMessageBox::NoRole));
    okno.exec();
    return okno.clickedButton() == tak;
  };
  d.pokaz = [](QWidget* rodzic, const QString& tekst) {
    QMessageBox okno(QMessageBox::NoIcon, TYTUL_KOMUNIKATU, tekst, QMessageBox::Ok, rodzic);
    okno.exec();
  };
  return d;
}
