#include "ui/panel_szablonow.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "track/przeswity.h"
#include "track/tor.h"
#include "dokument/dokument.h"
#include "app/komunikaty.h"
#include "ui/kontrolki.h"
#include "ui/okno_glowne.h"
#include "view/stan_edytora.h"
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

void panel_szablonow::pokaz_listy(int transport) {
  const bool tramwaj = transport == TRANSPORT_TRAMWAJ;
  ustaw_widocznosc({lista_przeswitow_tramwaj, lista_rodzajow_tramwaj}, tramwaj);
  ustaw_widocznosc({lista_przeswitow_kolej, lista_rodzajow_kolej}, !tramwaj);
}

void panel_szablonow::sprobuj(okno_glowne& okno, QComboBox* lista, int& kryterium, int nowy) {
  stan_edytora& e = okno.edytor();
  const int poprzedni = kryterium;
  kryterium = nowy;
  if (!okno.dok().tor.istnieje_pasujacy(e.rodzaj_transportu, e.przeswit_szablonu, e.rodzaj_szablonu)) {
    kryterium = poprzedni;
    {
      const QSignalBlocker bez_powiadomien(lista);
      lista->setCurrentIndex(poprzedni);
    }
    pokaz_komunikat(KOM_BRAK_SZABLONU);
    return;
  }
  okno.krok_szablonu(true);
}

void panel_szablonow::podlacz(okno_glowne& okno) {
  stan_edytora& e = okno.edytor();
  connect(poprzedni, &QPushButton::clicked, this, [&okno] { okno.krok_szablonu(false); });
  connect(nastepny, &QPushButton::clicked, this, [&okno] { okno.krok_szablonu(true); });
  connect(lista_transportu, &QComboBox::currentIndexChanged, this, [this, &okno, &e](int transport) {
    e.rodzaj_transportu = transport;
    const bool tramwaj = transport == TRANSPORT_TRAMWAJ;
    okno.dok().tor.ustaw_szablon(tramwaj ? e.szab_akt_tramwaj : e.szab_akt_kolej);
    pokaz_listy(transport);
    e.przeswit_szablonu = (tramwaj ? lista_przeswitow_tramwaj : lista_przeswitow_kolej)->currentIndex();
    e.rodzaj_szablonu = (tramwaj ? lista_rodzajow_tramwaj : lista_rodzajow_kolej)->currentIndex();
    opis->setText(QString::fromStdString(okno.dok().tor.nazwa_szablonu()));
    okno.odswiez();
  });
  for (QComboBox* l : {lista_przeswitow_tramwaj, lista_przeswitow_kolej})
    connect(l, &QComboBox::currentIndexChanged, this,
            [this, &okno, &e, l](int i) { sprobuj(okno, l, e.przeswit_szablonu, i); });
  for (QComboBox* l : {lista_rodzajow_tramwaj, lista_rodzajow_kolej})
    connect(l, &QComboBox::currentIndexChanged, this,
            [this, &okno, &e, l](int i) { sprobuj(okno, l, e.rodzaj_szablonu, i); });
}
