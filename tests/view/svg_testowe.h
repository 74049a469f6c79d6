#pragma once

#include <QString>
#include <QXmlStreamAttributes>
#include <string>
#include <vector>

// An SVG document read back with Qt's XML reader: every element in order, with the id of the
// layer group it lies in ("" outside any).
struct element_svg {
  QString nazwa;
  QXmlStreamAttributes atrybuty;
  QString warstwa;

  double liczba(const char* atrybut) const { return atrybuty.value(atrybut).toDouble(); }
  QString tekst(const char* atrybut) const { return atrybuty.value(atrybut).toString(); }
  QString href() const { return atrybuty.value("http://www.w3.org/1999/xlink", "href").toString(); }
};

struct dokument_svg {
  std::vector<element_svg> elementy;
  QString blad;  // the reader's fault, "" for well-formed XML
  std::vector<QString> warstwy;  // ids of the layer groups, in order

  // Elements named `nazwa` in layer `warstwa` (any layer for nullptr).
  std::vector<const element_svg*> wszystkie(const char* nazwa, const char* warstwa = nullptr) const;
};

dokument_svg czytaj_svg(const std::string& tekst);

// The points of a "points" attribute: x,y pairs separated by spaces.
std::vector<std::pair<double, double>> punkty_svg(const QString& punkty);
