#include "ui/panel_zdjec.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "ui/kontrolki.h"
#include "view/widok.h"

panel_zdjec::panel_zdjec(QWidget* rodzic) : QWidget(rodzic) {
  setObjectName("panel_zdjec");
  setGeometry(0, WYSOKOSC_WIDOKU, 800, 116);
  setAutoFillBackground(true);

  zamien_xy = przycisk(this, "zamien_xy", "Zamień X z Y", {5, 5, 80, 42});
  odbij_x = przycisk(this, "odbij_x", "Odbij X", {87, 5, 80, 20});
  odbij_y = przycisk(this, "odbij_y", "Odbij Y", {87, 27, 80, 20});
  kasuj_rotacje = przycisk(this, "kasuj_rotacje", "Kasuj rotację", {187, 5, 80, 20});
  etykieta_przezroczystosci =
      etykieta(this, "etykieta_przezroczystosci", "Przezroczystość:", {10, 90, 80, 18});
  suwak_przezroczystosci = suwak(this, "suwak_przezroczystosci", PRZEZROCZYSTOSC_MIN, PRZEZROCZYSTOSC_MAX,
                                 PRZEZROCZYSTOSC_MAX, {95, 80, 240, 30});
  na_wierzch = przycisk(this, "na_wierzch", "Przenieś na wierzch", {395, 25, 120, 30});
  pod_spod = przycisk(this, "pod_spod", "Przenieś pod spód", {395, 65, 120, 30});
  widoczny = pole_wyboru(this, "widoczny", "Widoczny", {10, 56, 80, 20});
  zablokowany = pole_wyboru(this, "zablokowany", "Zablokowany", {105, 56, 80, 20});
  migajacy = pole_wyboru(this, "migajacy", "Migający", {210, 56, 80, 20});
  dodaj_z_pliku = przycisk(this, "dodaj_z_pliku", "Dodaj z pliku", {655, 35, 120, 30});
  wczytaj_calosc = przycisk(this, "wczytaj_calosc", "Wczytaj całość", {645, 68, 140, 20});
  zapisz_calosc = przycisk(this, "zapisz_calosc", "Zapisz całość", {645, 89, 140, 20});
  biale_linie = pole_wyboru(this, "biale_linie", "Białe linie siatki i torów", {655, 5, 180, 30});

  hide();
}
