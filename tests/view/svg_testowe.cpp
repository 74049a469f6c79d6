#include "svg_testowe.h"

#include <QStringList>
#include <QXmlStreamReader>

std::vector<const element_svg*> dokument_svg::wszystkie(const char* nazwa, const char* warstwa) const {
  std::vector<const element_svg*> wynik;
  for (const element_svg& e : elementy)
    if (e.nazwa == nazwa && (!warstwa || e.warstwa == warstwa)) wynik.push_back(&e);
  return wynik;
}

dokument_svg czytaj_svg(const std::string& tekst) {
  dokument_svg d;
  QXmlStreamReader xml(QByteArray::fromStdString(tekst));
  // The layer of each open element, so a layer ends with its group.
  std::vector<QString> stos;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      QString warstwa = stos.empty() ? QString() : stos.back();
      const QString nazwa = xml.name().toString();
      if (nazwa == "g" && xml.attributes().hasAttribute("id")) {
        warstwa = xml.attributes().value("id").toString();
        d.warstwy.push_back(warstwa);
      }
      d.elementy.push_back({nazwa, xml.attributes(), warstwa});
      stos.push_back(warstwa);
    } else if (xml.isEndElement()) {
      stos.pop_back();
    }
  }
  if (xml.hasError()) d.blad = xml.errorString() + " at line " + QString::number(xml.lineNumber());
  return d;
}

std::vector<std::pair<double, double>> punkty_svg(const QString& punkty) {
  std::vector<std::pair<double, double>> wynik;
  for (const QString& para : punkty.split(' ', Qt::SkipEmptyParts)) {
    const QStringList xy = para.split(',');
    wynik.emplace_back(xy.value(0).toDouble(), xy.value(1).toDouble());
  }
  return wynik;
}
