#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <initializer_list>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QWidget;

// Controls of the panels, each at its fixed place (x, y, width, height in pixels of its panel)
// and with an object name by which the panels' actions and the tests find it.

// The opacity sliders of the pictures and tile panels: opacity is the position times 0.025.
inline constexpr int PRZEZROCZYSTOSC_MIN = 1;
inline constexpr int PRZEZROCZYSTOSC_MAX = 40;

struct miejsce {
  int x, y, w, h;
};

QLabel* etykieta(QWidget* rodzic, const char* nazwa, const QString& tekst, miejsce m);
QPushButton* przycisk(QWidget* rodzic, const char* nazwa, const QString& tekst, miejsce m);
QCheckBox* pole_wyboru(QWidget* rodzic, const char* nazwa, const QString& tekst, miejsce m);
QRadioButton* przelacznik(QWidget* rodzic, const char* nazwa, const QString& tekst, miejsce m);
QLineEdit* pole_edycji(QWidget* rodzic, const char* nazwa, miejsce m);
// A choose-only list; `m.h` includes the open list, as the panels give it.
QComboBox* lista(QWidget* rodzic, const char* nazwa, const QStringList& wpisy, int wybrany, miejsce m);
QSlider* suwak(QWidget* rodzic, const char* nazwa, int od, int do_, int pozycja, miejsce m);

// Shows or hides the controls together.
void ustaw_widocznosc(std::initializer_list<QWidget*> kontrolki, bool widoczne);

// The entries of a fixed table of C strings.
template <std::size_t N>
QStringList wpisy(const char* const (&teksty)[N]) {
  QStringList w;
  for (const char* t : teksty) w << QString::fromUtf8(t);
  return w;
}
