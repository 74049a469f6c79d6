#include "ui/panel_prawy.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "dokument/dokument.h"
#include "app/liczby.h"
#include "ui/kontrolki.h"
#include "ui/okno_glowne.h"
#include "ui/pola_liczbowe.h"
#include "view/stan_edytora.h"
#include "view/widok.h"

panel_prawy::panel_prawy(QWidget* rodzic) : QWidget(rodzic) {
  setObjectName("panel_prawy");
  setGeometry(801, WYSOKOSC_WIDOKU, 216, 116);
  setAutoFillBackground(true);

  usun = przycisk(this, "usun", "Usun", {10, 70, 100, 30});
  minus = przycisk(this, "minus", "-", {5, 5, 30, 30});
  plus = przycisk(this, "plus", "+", {40, 5, 30, 30});
  etykieta_x = etykieta(this, "etykieta_x", "X", {120, 8, 12, 18});
  etykieta_d = etykieta(this, "etykieta_d", "D", {120, 8, 12, 18});
  pole_1 = pole_edycji(this, "pole_1", {133, 6, 80, 18});
  etykieta_y = etykieta(this, "etykieta_y", "Y", {120, 25, 12, 18});
  etykieta_k = etykieta(this, "etykieta_k", "K", {120, 25, 12, 18});
  pole_2 = pole_edycji(this, "pole_2", {133, 23, 80, 18});
  zatwierdz = przycisk(this, "zatwierdz", "zatwierdź", {116, 64, 98, 17});
  odbicie = przycisk(this, "odbicie", "odbicie", {116, 80, 98, 17});
  obrot_180 = przycisk(this, "obrot_180", "obrót 180", {116, 96, 98, 17});

  // Labels that share a place hide each other instead of printing one over the other.
  for (QLabel* e : {etykieta_x, etykieta_d, etykieta_y, etykieta_k}) e->setAutoFillBackground(true);
  ustaw_widocznosc({zatwierdz, odbicie, obrot_180}, false);
}

void panel_prawy::ukryj_wybor() {
  ustaw_widocznosc({etykieta_x, etykieta_d, pole_1, etykieta_y, etykieta_k, pole_2, zatwierdz, odbicie, obrot_180},
                   false);
}

void panel_prawy::podlacz(okno_glowne& okno) {
  dokument& dok = okno.dok();
  stan_edytora& e = okno.edytor();
  const auto przy = [this](QPushButton* p, auto dzialanie) { connect(p, &QPushButton::clicked, this, dzialanie); };
  // The selected track, or in picture mode the chosen picture.
  przy(usun, [&okno] { okno.usun_zaznaczone(); });
  przy(minus, [&okno, &e] {
    przycisk_minus(e.kamera);
    okno.odswiez();
  });
  przy(plus, [&okno, &e] {
    przycisk_plus(e.kamera);
    okno.odswiez();
  });
  przy(odbicie, [&okno, &dok] {
    dok.tor.odbij_elementy();
    okno.po_edycji();
  });
  przy(obrot_180, [&okno, &dok] {
    dok.tor.obroc_elementy_180();
    okno.po_edycji();
  });
  przy(zatwierdz, [this, &okno, &dok] { zatwierdz_pola(okno, dok.tor); });
}

void panel_prawy::zatwierdz_pola(okno_glowne& okno, w_uklad& uklad) {
  // Only what the user typed: a box written by the panel keeps its value to the last bit.
  std::optional<double> wartosc_1, wartosc_2;
  if (pole_1->isEnabled() && pole_1->isModified() && !(wartosc_1 = liczba_z_pola(*pole_1))) return;
  if (pole_2->isEnabled() && pole_2->isModified() && !(wartosc_2 = liczba_z_pola(*pole_2))) return;
  if (!wartosc_1 && !wartosc_2) return;
  if (wartosc_1) uklad.panel_ustaw_1(*wartosc_1);
  if (wartosc_2) uklad.panel_ustaw_2(*wartosc_2);
  uklad.przelicz_wszystko();
  okno.po_edycji();
  if (wartosc_1) pole_1->setText(QString::fromStdString(liczba_na_tekst(*wartosc_1, 3)));
  if (wartosc_2) pole_2->setText(QString::fromStdString(liczba_na_tekst(*wartosc_2, 3)));
}
