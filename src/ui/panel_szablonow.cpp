#include "ui/panel_szablonow.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "track/przeswity.h"
#include "track/tor.h"
#include "ui/kontrolki.h"
#include "view/widok.h"

namespace {
const char* const TRANSPORTY[] = {"Tramwaj", "Kolej"};
const char* const PRZESWITY_KOLEI[] = {"1,435 m"};
const char* const RODZAJE_TRAMWAJOWE[] = {"Zwrotnica", "Rozjazd"};
const char* const RODZAJE_KOLEJOWE[] = {"Zwrotnica", "Rozjazd", "Rozjazd podwójny"};
}  // namespace

panel_szablonow::panel_szablonow(QWidget* rodzic) : QWidget(rodzic) {
  setObjectName("panel_szablonow");
  setGeometry(0, WYSOKOSC_WIDOKU, 1024, 116);
  setAutoFillBackground(true);

  etykieta_transportu = etykieta(this, "etykieta_transportu", "Rodzaj transportu:", {20, 19, 170, 16});
  lista_transportu = lista(this, "lista_transportu", wpisy(TRANSPORTY), TRANSPORT_TRAMWAJ, {116, 15, 90, 140});
  etykieta_przeswitu = etykieta(this, "etykieta_przeswitu", "Prześwit:", {20, 49, 70, 16});
  lista_przeswitow_tramwaj = lista(this, "lista_przeswitow_tramwaj", wpisy(NAZWA_PRZESWITU), 0, {116, 45, 90, 140});
  lista_przeswitow_kolej = lista(this, "lista_przeswitow_kolej", wpisy(PRZESWITY_KOLEI), 0, {116, 45, 90, 140});
  etykieta_rodzaju = etykieta(this, "etykieta_rodzaju", "Rodzaj:", {20, 79, 70, 16});
  lista_rodzajow_tramwaj =
      lista(this, "lista_rodzajow_tramwaj", wpisy(RODZAJE_TRAMWAJOWE), SZABLON_ROZJAZD, {116, 75, 90, 140});
  lista_rodzajow_kolej = lista(this, "lista_rodzajow_kolej", wpisy(RODZAJE_KOLEJOWE), SZABLON_ROZJAZD, {116, 75, 90, 140});
  poprzedni = przycisk(this, "poprzedni", "<", {250, 8, 100, 100});
  nastepny = przycisk(this, "nastepny", ">", {500, 8, 100, 100});
  koniec_wyboru = przycisk(this, "koniec_wyboru", "V", {350, 8, 150, 100});
  opis = etykieta(this, "opis", "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx", {650, 10, 270, 16});

  ustaw_widocznosc({lista_przeswitow_kolej, lista_rodzajow_kolej}, false);
  hide();
}
