#include "ui/okno_trasy.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/liczby.h"
#include "io/trasa.h"
#include "dokument/dokument.h"
#include "ui/kontrolki.h"
#include "ui/okno_glowne.h"
#include "ui/pola_liczbowe.h"

namespace {
QString tekst(double wartosc, int miejsca) { return QString::fromStdString(liczba_na_tekst(wartosc, miejsca)); }
}  // namespace

okno_trasy::okno_trasy(QWidget* rodzic) : QFrame(rodzic) {
  setObjectName("okno_trasy");
  setGeometry(0, 0, 500, 250);
  setFrameShape(QFrame::Panel);
  setAutoFillBackground(true);

  zamknij = przycisk(this, "zamknij", "X", {480, 2, 16, 16});
  tytul = etykieta(this, "tytul", "Informacje o trasie:", {200, 10, 270, 16});
  etykieta_dlugosci = etykieta(this, "etykieta_dlugosci", "Długość całkowita:", {10, 30, 120, 16});
  dlugosc = etykieta(this, "dlugosc", "xxxxxx", {140, 30, 70, 16});
  etykieta_miasta = etykieta(this, "etykieta_miasta", "Miasto:", {10, 52, 70, 16});
  lista_miast = lista(this, "lista_miast", wpisy(NAZWA_MIASTA), 0, {70, 50, 190, 340});
  etykieta_roku = etykieta(this, "etykieta_roku", "Rok:", {10, 72, 50, 16});
  pole_roku = pole_edycji(this, "pole_roku", {70, 76, 60, 18});
  etykieta_id = etykieta(this, "etykieta_id", "ID:", {10, 92, 50, 16});
  pole_id = pole_edycji(this, "pole_id", {70, 96, 60, 18});
  zatwierdz = przycisk(this, "zatwierdz", "Zatwierdź", {150, 80, 80, 30});
  hide();
}

void okno_trasy::pokaz(double dlugosc_trasy, const trasa_info& trasa) {
  dlugosc->setText(tekst(dlugosc_trasy, 2));
  {
    const QSignalBlocker bez_powiadomien(lista_miast);
    lista_miast->setCurrentIndex(trasa.miasto);
  }
  pokaz_rok_i_id(trasa.miasto != 0);
  pole_roku->setText(tekst(trasa.rok, 0));
  pole_id->setText(tekst(trasa.id, 0));
  show();
  raise();
}

void okno_trasy::pokaz_rok_i_id(bool widoczne) {
  ustaw_widocznosc({etykieta_roku, pole_roku, etykieta_id, pole_id, zatwierdz}, widoczne);
}

void okno_trasy::podlacz(okno_glowne& okno) {
  trasa_info& trasa = okno.dok().trasa;
  connect(lista_miast, &QComboBox::currentIndexChanged, this, [this, &okno, &trasa](int miasto) {
    trasa.miasto = miasto;
    pokaz_rok_i_id(miasto != 0);
    okno.po_edycji();
  });
  connect(zatwierdz, &QPushButton::clicked, this, [this, &okno, &trasa] {
    // Each box on its own: a box that holds no whole number leaves its value.
    if (const std::optional<int> rok = calkowita_z_pola(*pole_roku)) trasa.rok = *rok;
    if (const std::optional<int> id = calkowita_z_pola(*pole_id)) trasa.id = *id;
    okno.po_edycji();
  });
}
