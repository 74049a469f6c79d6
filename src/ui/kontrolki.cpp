#include "ui/kontrolki.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>

namespace {

// A closed list is one line high; the rest of the given height is its open list.
constexpr int WYSOKOSC_ZAMKNIETEJ_LISTY = 21;

template <class T>
T* umiesc(T* kontrolka, const char* nazwa, miejsce m) {
  kontrolka->setObjectName(QString::fromUtf8(nazwa));
  kontrolka->setGeometry(m.x, m.y, m.w, m.h);
  return kontrolka;
}

}  // namespace

QLabel* etykieta(QWidget* rodzic, const char* nazwa, const QString& tekst, miejsce m) {
  return umiesc(new QLabel(tekst, rodzic), nazwa, m);
}

QPushButton* przycisk(QWidget* rodzic, const char* nazwa, const QString& tekst, miejsce m) {
  auto* p = umiesc(new QPushButton(tekst, rodzic), nazwa, m);
  p->setAutoDefault(false);
  return p;
}

QCheckBox* pole_wyboru(QWidget* rodzic, const char* nazwa, const QString& tekst, miejsce m) {
  return umiesc(new QCheckBox(tekst, rodzic), nazwa, m);
}

QRadioButton* przelacznik(QWidget* rodzic, const char* nazwa, const QString& tekst, miejsce m) {
  return umiesc(new QRadioButton(tekst, rodzic), nazwa, m);
}

QLineEdit* pole_edycji(QWidget* rodzic, const char* nazwa, miejsce m) {
  return umiesc(new QLineEdit(rodzic), nazwa, m);
}

QComboBox* lista(QWidget* rodzic, const char* nazwa, const QStringList& wpisy, int wybrany, miejsce m) {
  auto* l = new QComboBox(rodzic);
  l->addItems(wpisy);
  l->setCurrentIndex(wybrany);
  const int wysokosc = std::min(m.h, WYSOKOSC_ZAMKNIETEJ_LISTY);
  l->setMaxVisibleItems(std::max(1, (m.h - wysokosc) / WYSOKOSC_ZAMKNIETEJ_LISTY));
  return umiesc(l, nazwa, {m.x, m.y, m.w, wysokosc});
}

QSlider* suwak(QWidget* rodzic, const char* nazwa, int od, int do_, int pozycja, miejsce m) {
  auto* s = new QSlider(Qt::Horizontal, rodzic);
  s->setRange(od, do_);
  s->setValue(pozycja);
  return umiesc(s, nazwa, m);
}

void ustaw_widocznosc(std::initializer_list<QWidget*> kontrolki, bool widoczne) {
  for (QWidget* k : kontrolki) k->setVisible(widoczne);
}
