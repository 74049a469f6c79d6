#include "ui/panel_satek.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "app/liczby.h"
#include "ui/kontrolki.h"

panel_satek::panel_satek(QWidget* rodzic) : QFrame(rodzic) {
  setObjectName("panel_satek");
  setGeometry(0, 0, 300, 150);
  setFrameShape(QFrame::Panel);
  setAutoFillBackground(true);

  zamknij = przycisk(this, "zamknij", "X", {280, 2, 16, 16});
  ortofotomapa = pole_wyboru(this, "ortofotomapa", "Ortofotomapa", {18, 12, 120, 20});
  etykieta_przezroczystosci =
      etykieta(this, "etykieta_przezroczystosci", "Przezroczystość:", {20, 40, 80, 18});
  suwak_przezroczystosci = suwak(this, "suwak_przezroczystosci", PRZEZROCZYSTOSC_MIN, PRZEZROCZYSTOSC_MAX,
                                 PRZEZROCZYSTOSC_MAX, {100, 35, 190, 30});
  etykieta_x = etykieta(this, "etykieta_x", "X", {20, 88, 12, 18});
  pole_x = pole_edycji(this, "pole_x", {32, 86, 60, 18});
  etykieta_y = etykieta(this, "etykieta_y", "Y", {20, 105, 12, 18});
  pole_y = pole_edycji(this, "pole_y", {32, 103, 60, 18});
  aktualizuj_wspolrzedne =
      przycisk(this, "aktualizuj_wspolrzedne", "Aktualizuj\nwspółrzedne", {110, 80, 80, 44});
  wczytaj = przycisk(this, "wczytaj", "Wczytaj", {200, 80, 80, 20});
  zapisz = przycisk(this, "zapisz", "Zapisz", {200, 104, 80, 20});
  etykieta_crs = etykieta(this, "etykieta_crs", "Układ:", {20, 128, 40, 18});
  pole_crs = pole_edycji(this, "pole_crs", {60, 127, 80, 18});
  importuj = przycisk(this, "importuj", "Importuj ortofotomapę…", {150, 126, 140, 20});

  // Until "Ortofotomapa" is checked only the close button and the check box are shown.
  ustaw_widocznosc({etykieta_przezroczystosci, suwak_przezroczystosci, etykieta_x, pole_x, etykieta_y, pole_y,
                    aktualizuj_wspolrzedne, wczytaj, zapisz, etykieta_crs, pole_crs, importuj},
                   false);
  hide();
}

void panel_satek::pokaz(int kolumna, int wiersz) {
  pole_x->setText(QString::fromStdString(liczba_na_tekst(kolumna, 0)));
  pole_y->setText(QString::fromStdString(liczba_na_tekst(wiersz, 0)));
  show();
  raise();
}
