#include "ui/panel_zdarzen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolTip>
#include <optional>

#include "app/liczby.h"
#include "dokument/dokument.h"
#include "ui/kontrolki.h"
#include "ui/mysz_planu.h"
#include "ui/okno_glowne.h"
#include "ui/pola_liczbowe.h"
#include "ui/widok_planu.h"
#include "view/mysz_zdarzen.h"
#include "view/stan_edytora.h"
#include "view/widok.h"

namespace {

constexpr int LICZBA_TYPOW = 7;

const char* nazwa_kierunku(std::uint8_t kierunek) {
  switch (kierunek & (KIERUNEK_PRAWO | KIERUNEK_LEWO)) {
    case KIERUNEK_PRAWO: return "w prawą stronę";
    case KIERUNEK_LEWO: return "w lewą stronę";
    case KIERUNEK_PRAWO | KIERUNEK_LEWO: return "w obie strony";
    default: return "bez kierunku";
  }
}

// The icon of type t: column t mod 4, row t div 4 of the 4 x 4 atlas.
QIcon ikona(const QImage& atlas, int typ) {
  if (atlas.isNull()) return {};
  const int w = atlas.width() / 4, h = atlas.height() / 4;
  return QIcon(QPixmap::fromImage(atlas.copy(typ % 4 * w, typ / 4 * h, w, h)));
}

void wpisz(QLineEdit* pole, const std::string& tekst) { pole->setText(QString::fromStdString(tekst)); }

}  // namespace

QString opis_zdarzenia(const zdarzenie& z) {
  return QString::fromUtf8(nazwa_zdarzenia(z.typ)) + ", " + QString::fromUtf8(nazwa_kierunku(z.kierunek)) +
         ", argument " + QString::number(z.argument);
}

panel_zdarzen::panel_zdarzen(QWidget* rodzic, const std::string& katalog_danych) : QWidget(rodzic) {
  setObjectName("panel_zdarzen");
  setGeometry(0, WYSOKOSC_WIDOKU, 800, 116);
  setAutoFillBackground(true);

  etykieta_typu = etykieta(this, "etykieta_typu", "Typ zdarzenia:", {10, 10, 80, 20});
  lista_typow = lista(this, "lista_typow", {}, -1, {90, 7, 230, 180});
  const QImage atlas(QString::fromStdString(katalog_danych + "/dataeditor/ev.bmp"));
  for (int t = 0; t < LICZBA_TYPOW; ++t) lista_typow->addItem(ikona(atlas, t), QString::fromUtf8(nazwa_zdarzenia(t)));
  w_prawo = przelacznik(this, "w_prawo", "w prawą stronę", {10, 36, 130, 18});
  w_lewo = przelacznik(this, "w_lewo", "w lewą stronę", {10, 54, 130, 18});
  w_obie = przelacznik(this, "w_obie", "w obie strony", {10, 72, 130, 18});
  po_ostatnim = pole_wyboru(this, "po_ostatnim", "Działaj gdy przejedzie ostatni wózek", {10, 92, 260, 20});
  etykieta_argumentu = etykieta(this, "etykieta_argumentu", "Argument", {340, 8, 60, 18});
  pole_argumentu = pole_edycji(this, "pole_argumentu", {400, 6, 80, 18});
  etykieta_typu_b = etykieta(this, "etykieta_typu_b", "Typ B", {340, 30, 60, 18});
  pole_typu_b = pole_edycji(this, "pole_typu_b", {400, 28, 80, 18});
  etykieta_polozenia = etykieta(this, "etykieta_polozenia", "Położenie", {340, 52, 60, 18});
  pole_polozenia = pole_edycji(this, "pole_polozenia", {400, 50, 80, 18});
  zatwierdz = przycisk(this, "zatwierdz_zdarzenie", "zatwierdź", {382, 76, 98, 17});
  etykieta_listy = etykieta(this, "etykieta_listy", "Zdarzenia toru:", {500, 4, 200, 16});
  lista_zdarzen_elementu = new QListWidget(this);
  lista_zdarzen_elementu->setObjectName("lista_zdarzen");
  lista_zdarzen_elementu->setGeometry(500, 22, 290, 88);

  hide();
}

zdarzenie* panel_zdarzen::edytowane() {
  stan_zdarzen& s = okno_->edytor().zdarzenia;
  if (s.wybrane)
    if (zdarzenie* z = znajdz_zdarzenie(okno_->dok().tor, *s.wybrane)) return z;
  return &s.nowe;
}

void panel_zdarzen::zastosuj(const std::function<void(zdarzenie&)>& zmiana) {
  zdarzenie* z = edytowane();
  zmiana(*z);
  const std::optional<adres_zdarzenia>& wybrane = okno_->edytor().zdarzenia.wybrane;
  if (z == &okno_->edytor().zdarzenia.nowe)
    pokaz();
  else
    okno_->po_edycji(wlasciciel_zdarzen(wybrane->na_linii, wybrane->nr));
}

void panel_zdarzen::zatwierdz_pola() {
  // Each box only when typed in and valid; the others keep their values to the last bit.
  std::optional<int> argument, typ_b;
  std::optional<double> polozenie;
  if (pole_argumentu->isModified()) argument = calkowita_z_pola(*pole_argumentu);
  if (pole_typu_b->isModified()) typ_b = calkowita_z_pola(*pole_typu_b);
  if (pole_polozenia->isModified()) {
    polozenie = liczba_z_pola(*pole_polozenia);
    if (polozenie && !(*polozenie >= 0 && *polozenie <= 1)) polozenie.reset();
  }
  if (!argument && !typ_b && !polozenie) return;
  zastosuj([&](zdarzenie& z) {
    if (argument) z.argument = *argument;
    if (typ_b) z.typ_b = *typ_b;
    if (polozenie) z.pozycja = *polozenie;
  });
}

bool panel_zdarzen::wlasciciel_listy(bool& na_linii, int& nr) const {
  const stan_zdarzen& s = okno_->edytor().zdarzenia;
  const tor_uklad& u = okno_->dok().tor;
  for (const auto& a : {s.wybrane, s.wskazane})
    if (a && znajdz_zdarzenie(u, *a)) {
      na_linii = a->na_linii;
      nr = a->nr;
      return true;
    }
  if (u.punkt_kursor >= 0 && u.punkt_kursor < u.pmax()) {
    na_linii = false;
    nr = u.punkt_kursor;
    return true;
  }
  if (u.linia_kursor >= 0 && u.linia_kursor < u.lmax()) {
    na_linii = true;
    nr = u.linia_kursor;
    return true;
  }
  return false;
}

void panel_zdarzen::pokaz() {
  if (!okno_) return;
  const zdarzenie z = *edytowane();
  {
    const QSignalBlocker b1(lista_typow), b2(lista_zdarzen_elementu);
    lista_typow->setCurrentIndex(z.typ >= 0 && z.typ < LICZBA_TYPOW ? z.typ : -1);
    const int kierunek = z.kierunek & (KIERUNEK_PRAWO | KIERUNEK_LEWO);
    w_prawo->setChecked(kierunek == KIERUNEK_PRAWO);
    w_lewo->setChecked(kierunek == KIERUNEK_LEWO);
    w_obie->setChecked(kierunek == (KIERUNEK_PRAWO | KIERUNEK_LEWO));
    po_ostatnim->setChecked(z.kierunek & PO_OSTATNIM_WOZKU);
    wpisz(pole_argumentu, std::to_string(z.argument));
    wpisz(pole_typu_b, std::to_string(z.typ_b));
    wpisz(pole_polozenia, liczba_na_tekst(z.pozycja, 3));

    lista_zdarzen_elementu->clear();
    lista_zdarzen_elementu->setCurrentRow(-1);
    if (!wlasciciel_listy(lista_na_linii_, lista_nr_)) lista_nr_ = -1;
    const stan_zdarzen& s = okno_->edytor().zdarzenia;
    if (const lista_zdarzen* l = lista_wlasciciela(okno_->dok().tor, lista_na_linii_, lista_nr_)) {
      int indeks = 0;
      for (const wezel_zdarzenia* w = l->pierwszy(); w; w = w->nastepny.get(), ++indeks) {
        lista_zdarzen_elementu->addItem(QString::fromUtf8(nazwa_zdarzenia(w->dane.typ)) + "  " +
                                        QString::fromStdString(liczba_na_tekst(w->dane.pozycja, 3)));
        if (s.wybrane == adres_zdarzenia{lista_na_linii_, lista_nr_, indeks})
          lista_zdarzen_elementu->setCurrentRow(indeks);
      }
    }
  }
  podpowiedz();
}

void panel_zdarzen::podpowiedz() {
  QWidget* plan = okno_->plan();
  const stan_zdarzen& s = okno_->edytor().zdarzenia;
  const zdarzenie* z = s.wskazane ? znajdz_zdarzenie(okno_->dok().tor, *s.wskazane) : nullptr;
  const QString tekst = z && okno_->edytor().tryb_edycji == TRYB_ZDARZENIA ? opis_zdarzenia(*z) : QString();
  if (plan->toolTip() == tekst) return;
  plan->setToolTip(tekst);
  // A tooltip already up follows the cursor to the next event at once, or goes.
  if (QToolTip::isVisible()) {
    if (tekst.isEmpty())
      QToolTip::hideText();
    else
      QToolTip::showText(QCursor::pos(), tekst, plan);
  }
}

void panel_zdarzen::podlacz(okno_glowne& okno) {
  okno_ = &okno;
  okno.mysz().edycja().zdarzenia().zmiana = [this] { pokaz(); };
  connect(lista_typow, &QComboBox::currentIndexChanged, this, [this](int typ) {
    if (typ >= 0) zastosuj([typ](zdarzenie& z) { z.typ = typ; });
  });
  const auto kierunek = [this](QRadioButton* r, std::uint8_t k) {
    connect(r, &QRadioButton::clicked, this, [this, k] {
      zastosuj([k](zdarzenie& z) { z.kierunek = static_cast<std::uint8_t>((z.kierunek & ~3) | k); });
    });
  };
  kierunek(w_prawo, KIERUNEK_PRAWO);
  kierunek(w_lewo, KIERUNEK_LEWO);
  kierunek(w_obie, KIERUNEK_PRAWO | KIERUNEK_LEWO);
  connect(po_ostatnim, &QCheckBox::clicked, this, [this](bool zaznaczone) {
    zastosuj([zaznaczone](zdarzenie& z) {
      z.kierunek = static_cast<std::uint8_t>(zaznaczone ? z.kierunek | PO_OSTATNIM_WOZKU : z.kierunek & ~PO_OSTATNIM_WOZKU);
    });
  });
  for (QLineEdit* pole : {pole_argumentu, pole_typu_b, pole_polozenia})
    connect(pole, &QLineEdit::returnPressed, this, [this] { zatwierdz_pola(); });
  connect(zatwierdz, &QPushButton::clicked, this, [this] { zatwierdz_pola(); });
  // A row clicked, or reached with the keys, selects its event.
  const auto wybierz_wiersz = [this, &okno](int wiersz) {
    if (wiersz < 0 || lista_nr_ < 0) return;
    okno.edytor().zdarzenia.wybrane = adres_zdarzenia{lista_na_linii_, lista_nr_, wiersz};
    okno.odswiez();
  };
  connect(lista_zdarzen_elementu, &QListWidget::currentRowChanged, this, wybierz_wiersz);
  connect(lista_zdarzen_elementu, &QListWidget::itemClicked, this,
          [this, wybierz_wiersz](QListWidgetItem* w) { wybierz_wiersz(lista_zdarzen_elementu->row(w)); });
}
