#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "analiza/profil.h"
#include "analiza/rysunek_profilu.h"

class QLabel;
class QPushButton;
class okno_glowne;
class w_punkt;
class w_linia;
class znacznik_planu;

// The picture of a profile, painted from the same drawing the SVG file holds; the mouse over it
// names a distance along the route.
class wykres_profilu : public QWidget {
 public:
  wykres_profilu(QWidget* rodzic, const QImage& symbole);

  void ustaw(const profil_trasy* profil, double nachylenie_max);
  const rysunek_profilu& rysunek() const { return rysunek_; }
  // The distance under the mouse, or none when it left the picture.
  std::function<void(std::optional<double>)> wskazano;

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mouseMoveEvent(QMouseEvent* zdarzenie) override;
  void leaveEvent(QEvent*) override;

 private:
  void przerysuj();

  const profil_trasy* profil_ = nullptr;
  double nachylenie_max_ = 0;
  rysunek_profilu rysunek_;
  QImage symbole_;
  std::optional<double> kursor_;
};

// "Profil wysokości": the heights along the chain of track through the selected point or line,
// up to the first junction or end both ways. It follows edits of the layout; hovering marks the
// place on the plan; the picture can be saved as PNG or SVG.
class okno_profilu : public QWidget {
 public:
  okno_profilu(okno_glowne& okno, const std::string& katalog_danych);

  // The profile through the first selected point, else the first selected line; shows the window.
  void pokaz_dla_zaznaczenia();
  const profil_trasy& profil() const { return profil_; }
  // What hovering at distance s shows: "odległość … m, wysokość … m, nachylenie … ‰".
  QString opis_miejsca(double s) const;
  bool zapisz_png(const QString& sciezka) const;
  bool zapisz_svg(const QString& sciezka) const;

  wykres_profilu* wykres;
  QLabel* opis;
  QPushButton* zapisz_png_przycisk;
  QPushButton* zapisz_svg_przycisk;
  znacznik_planu* znacznik;  // the hovered place on the plan

 protected:
  void hideEvent(QHideEvent* zdarzenie) override;

 private:
  // Follows the document: the profile is taken again when it may have changed since.
  void odswiez(bool zawsze);
  void wskazano(std::optional<double> s);
  void zapisz(bool svg);

  okno_glowne& okno_;
  // The item the profile goes through; dropped when the layout no longer holds it.
  const w_punkt* punkt_ = nullptr;
  const w_linia* linia_ = nullptr;
  profil_trasy profil_;
  std::uint64_t wersja_ = 0;
};
