#include "ui/panel_zaznaczenia.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <cmath>

#include "app/liczby.h"
#include "track/przeswity.h"
#include "ui/kontrolki.h"
#include "ui/panel_prawy.h"
#include "ui/panel_torow.h"

namespace {
// Writing a box also marks it unedited, so "zatwierdź" leaves it alone until the user types.
void wpisz(QLineEdit* pole, double wartosc) { pole->setText(QString::fromStdString(liczba_na_tekst(wartosc, 2))); }

void wybierz(QComboBox* lista, int indeks) {
  const QSignalBlocker bez_powiadomien(lista);
  lista->setCurrentIndex(indeks);
}
}  // namespace

void panel_zaznaczenia::pokaz_obiekt(int obiekt) {
  wybierz(torow_.lista_obiektow, obiekt);
  ustaw_widocznosc({torow_.etykieta_obiektu, torow_.lista_obiektow}, true);
}

void panel_zaznaczenia::pokaz_promien(bool widoczny) {
  ustaw_widocznosc({torow_.etykieta_promienia, torow_.pole_promienia, torow_.suwak_promienia, torow_.aktualizuj},
                   widoczny);
}

void panel_zaznaczenia::pokaz_punkt(double x, double y, double promien, int obiekt) {
  panel_prawy& p = prawy_;
  wpisz(p.pole_1, x);
  wpisz(p.pole_2, y);
  p.pole_1->setEnabled(true);
  p.pole_2->setEnabled(true);
  ustaw_widocznosc({p.etykieta_x, p.etykieta_y, p.pole_1, p.pole_2, p.zatwierdz}, true);
  ustaw_widocznosc({p.etykieta_d, p.etykieta_k, p.odbicie, p.obrot_180}, false);
  pokaz_promien(true);
  if (promien >= 0) {
    // The box as the slider writes it: whole metres.
    torow_.pole_promienia->setText(QString::number(std::trunc(promien), 'f', 0));
    const int pozycja = pozycja_suwaka(promien);
    // Showing the radius must not apply it.
    const QSignalBlocker bez_powiadomien(torow_.suwak_promienia);
    if (pozycja >= 0) torow_.suwak_promienia->setValue(pozycja);
  }
  pokaz_obiekt(obiekt);
  ustaw_widocznosc({torow_.etykieta_przelozenia, torow_.lista_przelozenia}, false);
}

void panel_zaznaczenia::pokaz_linie(double dlugosc, double azymut, int obiekt) {
  panel_prawy& p = prawy_;
  wpisz(p.pole_1, dlugosc);
  wpisz(p.pole_2, azymut);
  p.pole_1->setEnabled(false);
  p.pole_2->setEnabled(false);
  ustaw_widocznosc({p.etykieta_d, p.etykieta_k, p.pole_1, p.pole_2}, true);
  ustaw_widocznosc({p.etykieta_x, p.etykieta_y, p.zatwierdz, p.odbicie, p.obrot_180}, false);
  pokaz_promien(false);
  pokaz_obiekt(obiekt);
  ustaw_widocznosc({torow_.etykieta_przelozenia, torow_.lista_przelozenia}, false);
}

void panel_zaznaczenia::pokaz_element(int indeks, double kat, int przelozenie) {
  panel_prawy& p = prawy_;
  wpisz(p.pole_1, indeks);
  wpisz(p.pole_2, kat);
  p.pole_1->setEnabled(false);
  p.pole_2->setEnabled(true);
  ustaw_widocznosc({p.etykieta_x, p.etykieta_k, p.pole_1, p.pole_2, p.zatwierdz, p.odbicie, p.obrot_180}, true);
  ustaw_widocznosc({p.etykieta_d, p.etykieta_y}, false);
  wybierz(torow_.lista_przelozenia, przelozenie);
  ustaw_widocznosc({torow_.etykieta_przelozenia, torow_.lista_przelozenia}, true);
}

void panel_zaznaczenia::pokaz_pusty() {
  panel_prawy& p = prawy_;
  ustaw_widocznosc({p.etykieta_x, p.etykieta_d, p.etykieta_y, p.etykieta_k, p.pole_1, p.pole_2, p.zatwierdz,
                    p.odbicie, p.obrot_180},
                   false);
  // Hidden boxes hold nothing that "zatwierdź" could apply later.
  p.pole_1->clear();
  p.pole_2->clear();
  pokaz_promien(false);
  ustaw_widocznosc({torow_.etykieta_obiektu, torow_.lista_obiektow, torow_.etykieta_przelozenia,
                    torow_.lista_przelozenia},
                   false);
}

void panel_zaznaczenia::wpisz_wartosci(double wartosc_1, double wartosc_2) {
  wpisz(prawy_.pole_1, wartosc_1);
  wpisz(prawy_.pole_2, wartosc_2);
}
