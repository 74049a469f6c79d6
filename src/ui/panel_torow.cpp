#include "ui/panel_torow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <cmath>
#include <optional>

#include "dokument/dokument.h"
#include "app/komunikaty.h"
#include "model/w_uklad.h"
#include "track/przeswity.h"
#include "ui/kontrolki.h"
#include "ui/okno_glowne.h"
#include "ui/pola_liczbowe.h"
#include "view/stan_edytora.h"

namespace {
const char* const SIATKI[] = {"Brak", "1000x1000 m", "100x100 m", "10x10 m", "1x1 m"};
const char* const PROMIENIE[] = {"25 m", "30 m", "50 m", "100 m", "150 m", "215 m"};
const char* const OBIEKTY[] = {"1", "2"};
const char* const KOLORYSTYKI[] = {"Kolorystyka szara", "Kolorystyka zielona", "Kolorystyka brązowa",
                                   "Kolorystyka pstrokata"};
const char* const PRZELOZENIA[] = {"Prosto", "Skręt"};
constexpr int PROMIEN_50_M = 2;

// Flags of the radius warnings given.
constexpr int OSTRZEZENIE_PONIZEJ_20 = 1;
constexpr int OSTRZEZENIE_PONIZEJ_25 = 2;

// The warning a new radius gives, if any; each is given once a run, and never while the
// plan's left button is held.
std::optional<kod_komunikatu> ostrzezenie_o_promieniu(stan_edytora& e, double promien) {
  if (e.mysz.lewy_wcisniety) return std::nullopt;
  if (promien <= 19 && !(e.ostrzezenia_promienia & OSTRZEZENIE_PONIZEJ_20)) {
    e.ostrzezenia_promienia |= OSTRZEZENIE_PONIZEJ_20;
    return KOM_PROMIEN_PONIZEJ_20;
  }
  if (promien >= 20 && promien <= 24 && !(e.ostrzezenia_promienia & OSTRZEZENIE_PONIZEJ_25)) {
    e.ostrzezenia_promienia |= OSTRZEZENIE_PONIZEJ_25;
    return KOM_PROMIEN_PONIZEJ_25;
  }
  return std::nullopt;
}

void ustaw_flage(int flaga, bool wlaczona) {
  if (wlaczona)
    stan.rysowanie.flagi |= flaga;
  else
    stan.rysowanie.flagi &= ~flaga;
}
}  // namespace

panel_torow::panel_torow(QWidget* rodzic) : QWidget(rodzic) {
  setObjectName("panel_torow");
  setGeometry(0, WYSOKOSC_WIDOKU, 800, 116);
  setAutoFillBackground(true);

  wyrownywanie = pole_wyboru(this, "wyrownywanie", "Wyrównywanie", {140, 8, 100, 20});
  etykieta_przeswitu = etykieta(this, "etykieta_przeswitu", "Prześwit:", {440, 12, 50, 20});
  lista_przeswitow = lista(this, "lista_przeswitow", wpisy(NAZWA_PRZESWITU), 0, {490, 7, 90, 140});
  etykieta_promienia_domyslnego =
      etykieta(this, "etykieta_promienia_domyslnego", "Domyślny promień łuku:", {250, 12, 120, 20});
  lista_promieni_domyslnych =
      lista(this, "lista_promieni_domyslnych", wpisy(PROMIENIE), PROMIEN_50_M, {370, 7, 55, 140});
  etykieta_obiektu_domyslnego =
      etykieta(this, "etykieta_obiektu_domyslnego", "Domyślny obiekt toru:", {595, 12, 120, 20});
  lista_obiektow_domyslnych = lista(this, "lista_obiektow_domyslnych", wpisy(OBIEKTY), 0, {705, 7, 85, 140});
  etykieta_wyswietlaj = etykieta(this, "etykieta_wyswietlaj", "Wyświetlaj :", {10, 40, 60, 20});
  punkty_linie = pole_wyboru(this, "punkty_linie", "Punkty-linie", {10, 56, 80, 20});
  szyny = pole_wyboru(this, "szyny", "Szyny", {10, 74, 80, 20});
  zarys_skrajni = pole_wyboru(this, "zarys_skrajni", "Zarys skrajni", {10, 92, 80, 20});
  zdjecia_mapki = pole_wyboru(this, "zdjecia_mapki", "Zdjęcia / mapki", {100, 74, 100, 20});
  etykieta_promienia = etykieta(this, "etykieta_promienia", "Promień łuku:", {410, 60, 66, 20});
  pole_promienia = pole_edycji(this, "pole_promienia", {480, 57, 30, 20});
  suwak_promienia = suwak(this, "suwak_promienia", SUWAK_MIN, SUWAK_MAX, SUWAK_MIN, {400, 80, 400, 30});
  aktualizuj = przycisk(this, "aktualizuj", "Aktualizuj", {520, 57, 98, 17});
  etykieta_przelozenia = etykieta(this, "etykieta_przelozenia", "Przełożenie:", {705, 75, 70, 20});
  lista_przelozenia = lista(this, "lista_przelozenia", wpisy(PRZELOZENIA), 0, {705, 90, 90, 120});
  etykieta_obiektu = etykieta(this, "etykieta_obiektu", "Obiekt toru:", {705, 42, 70, 20});
  lista_obiektow = lista(this, "lista_obiektow", wpisy(OBIEKTY), 0, {705, 57, 85, 140});
  etykieta_prawego_przycisku =
      etykieta(this, "etykieta_prawego_przycisku", "Prawy przycisk myszy:", {190, 34, 130, 20});
  dodawanie = przelacznik(this, "dodawanie", "Dodawanie", {220, 48, 80, 20});
  rotacja = przelacznik(this, "rotacja", "Rotacja", {220, 65, 80, 20});
  etykieta_siatki = etykieta(this, "etykieta_siatki", "Siatka:", {8, 12, 50, 20});
  lista_siatki = lista(this, "lista_siatki", wpisy(SIATKI), SIATKA_1M, {46, 7, 90, 140});
  lista_kolorystyki = lista(this, "lista_kolorystyki", wpisy(KOLORYSTYKI), KOLORYSTYKA_SZARA, {210, 87, 128, 140});

  punkty_linie->setChecked(true);
  szyny->setChecked(true);
  zdjecia_mapki->setChecked(true);
  dodawanie->setChecked(true);
  ustaw_widocznosc({etykieta_przelozenia, lista_przelozenia}, false);
}

void panel_torow::ukryj_wybor() {
  ustaw_widocznosc({etykieta_promienia, pole_promienia, aktualizuj, etykieta_przelozenia, lista_przelozenia}, false);
}

void panel_torow::podlacz(okno_glowne& okno) {
  dokument& dok = okno.dok();
  stan_edytora& e = okno.edytor();
  tor_uklad& tor = dok.tor;
  const auto wybor = [this](QComboBox* l, auto dzialanie) {
    connect(l, &QComboBox::currentIndexChanged, this, dzialanie);
  };
  const auto pole = [this](QCheckBox* p, auto dzialanie) { connect(p, &QCheckBox::toggled, this, dzialanie); };

  wybor(lista_siatki, [&okno, &e](int i) {
    e.siatka = i;
    okno.odswiez();
  });
  pole(wyrownywanie, [&okno, &e](bool v) {
    e.wyrownywanie = v;
    okno.odswiez();
  });
  wybor(lista_przeswitow, [&okno, &tor](int i) {
    tor.ustaw_przeswit(i);
    okno.po_edycji();
  });
  wybor(lista_promieni_domyslnych, [&okno, &tor](int i) {
    tor.ustaw_promien_domyslny(i >= 0 && i < LICZBA_PROMIENI_DOMYSLNYCH ? PROMIEN_DOMYSLNY[i] : 50);
    okno.po_edycji();
  });
  wybor(lista_obiektow_domyslnych, [&okno, &tor](int i) {
    tor.ustaw_obiekt_domyslny(i);
    okno.po_edycji();
  });
  wybor(lista_obiektow, [&okno, &tor](int i) {
    tor.ustaw_obiekt_zaznaczonych(i);
    okno.po_edycji();
  });
  wybor(lista_przelozenia, [&okno, &tor](int i) {
    tor.ustaw_przelozenie(i);
    okno.po_edycji();
  });
  wybor(lista_kolorystyki, [&okno, &tor](int i) {
    tor.ustaw_kolorystyke(i);
    okno.po_edycji();
  });
  pole(punkty_linie, [&okno](bool v) {
    ustaw_flage(POKAZ_PUNKTY_LINIE, v);
    okno.odswiez();
  });
  pole(szyny, [&okno](bool v) {
    ustaw_flage(POKAZ_SZYNY, v);
    okno.odswiez();
  });
  pole(zarys_skrajni, [&okno](bool v) {
    ustaw_flage(POKAZ_SKRAJNIE, v);
    okno.odswiez();
  });
  pole(zdjecia_mapki, [&okno, &e](bool v) {
    e.pokaz_zdjecia = v;
    okno.odswiez();
  });
  connect(dodawanie, &QRadioButton::toggled, this, [&e](bool v) {
    if (v) e.tryb_prawego_przycisku = PRAWY_DODAWANIE;
  });
  connect(rotacja, &QRadioButton::toggled, this, [&e](bool v) {
    if (v) e.tryb_prawego_przycisku = PRAWY_ROTACJA;
  });

  // A slider dragged by its handle is one edit, taken when the handle is let go.
  connect(suwak_promienia, &QSlider::valueChanged, this, [this, &okno, &e, &tor](int pozycja) {
    const double r = promien_suwaka(pozycja);
    pole_promienia->setText(QString::number(static_cast<int>(r)));
    tor.ustaw_promien_zaznaczonych(r);
    const std::optional<kod_komunikatu> ostrzezenie = ostrzezenie_o_promieniu(e, r);
    if (suwak_promienia->isSliderDown() && !ostrzezenie) {
      okno.odswiez();
      return;
    }
    okno.po_edycji();
    if (ostrzezenie) {
      pokaz_komunikat(*ostrzezenie);
      // The message box took the handle's release.
      const QSignalBlocker bez_powiadomien(suwak_promienia);
      suwak_promienia->setSliderDown(false);
    }
  });
  connect(suwak_promienia, &QSlider::sliderReleased, this, [&okno] { okno.po_edycji(); });
  connect(aktualizuj, &QPushButton::clicked, this, [this, &okno, &tor] {
    const std::optional<double> r = liczba_z_pola(*pole_promienia);
    // Whole metres, positive, and small enough for the whole-metre uses of a radius.
    if (!r || *r < 1 || *r >= 2147483648.0) return;
    tor.ustaw_promien_zaznaczonych(std::trunc(*r));
    okno.po_edycji();
  });
}
