#include "ui/okno_problemow.h"

#include <QAbstractItemModel>
#include <QBrush>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "app/liczby.h"
#include "dokument/dokument.h"
#include "io/blad_pliku.h"
#include "io/gz_plik.h"
#include "ui/okno_glowne.h"
#include "ui/ustawienia.h"
#include "ui/widok_planu.h"
#include "view/stan_edytora.h"

namespace {

constexpr quintptr GRUPA = std::numeric_limits<quintptr>::max();

QColor kolor_wagi(waga_problemu w) {
  switch (w) {
    case waga_problemu::blad: return QColor(200, 0, 0);
    case waga_problemu::ostrzezenie: return QColor(180, 110, 0);
    case waga_problemu::uwaga: return QColor(90, 90, 90);
  }
  return {};
}

QString u8(const std::string& t) { return QString::fromStdString(t); }

}  // namespace

// The list as a tree of kinds (with counts) and their problems, read lazily by the view: a
// network with thousands of notes costs nothing until they are scrolled to.
class model_problemow : public QAbstractItemModel {
 public:
  struct grupa {
    rodzaj_problemu rodzaj;
    int od, ile;  // rows of the list
  };

  void ustaw(const std::vector<problem>* lista) {
    beginResetModel();
    lista_ = lista;
    grupy_.clear();
    for (int i = 0; i < static_cast<int>(lista->size()); ++i) {
      if (grupy_.empty() || grupy_.back().rodzaj != (*lista)[i].rodzaj) grupy_.push_back({(*lista)[i].rodzaj, i, 0});
      ++grupy_.back().ile;
    }
    endResetModel();
  }
  const std::vector<grupa>& grupy() const { return grupy_; }
  // The list's row of a problem's index, -1 for a group.
  int wiersz(const QModelIndex& i) const {
    if (!i.isValid() || i.internalId() == GRUPA) return -1;
    return grupy_[i.internalId()].od + i.row();
  }

  QModelIndex index(int row, int column, const QModelIndex& rodzic) const override {
    if (!rodzic.isValid()) return createIndex(row, column, GRUPA);
    return createIndex(row, column, static_cast<quintptr>(rodzic.row()));
  }
  QModelIndex parent(const QModelIndex& i) const override {
    if (!i.isValid() || i.internalId() == GRUPA) return {};
    return createIndex(static_cast<int>(i.internalId()), 0, GRUPA);
  }
  int rowCount(const QModelIndex& rodzic) const override {
    if (!rodzic.isValid()) return static_cast<int>(grupy_.size());
    if (rodzic.internalId() == GRUPA) return grupy_[rodzic.row()].ile;
    return 0;
  }
  int columnCount(const QModelIndex&) const override { return 4; }
  QVariant headerData(int sekcja, Qt::Orientation o, int rola) const override {
    if (o != Qt::Horizontal || rola != Qt::DisplayRole) return {};
    static const char* naglowki[] = {"Problem", "X", "Y", "Element"};
    return QString::fromUtf8(naglowki[sekcja]);
  }
  QVariant data(const QModelIndex& i, int rola) const override {
    if (!i.isValid()) return {};
    if (i.internalId() == GRUPA) {
      const grupa& g = grupy_[i.row()];
      if (rola == Qt::ForegroundRole) return QBrush(kolor_wagi(waga(g.rodzaj)));
      if (rola == Qt::DisplayRole && i.column() == 0)
        return QString::fromUtf8(tytul_rodzaju(g.rodzaj)) + QString(" (%1)").arg(g.ile);
      return {};
    }
    if (rola != Qt::DisplayRole) return {};
    const problem& p = (*lista_)[wiersz(i)];
    switch (i.column()) {
      case 0: {
        const std::string wartosc = opis_wartosci(p);
        return u8(nazwa_wagi(waga(p.rodzaj)) + (wartosc.empty() ? "" : ": " + wartosc));
      }
      case 1: return u8(liczba_na_tekst(p.x, 2));
      case 2: return u8(liczba_na_tekst(p.y, 2));
      default: return u8(opis_przedmiotu(p));
    }
  }

 private:
  const std::vector<problem>* lista_ = nullptr;
  std::vector<grupa> grupy_;
};

namespace {
QDoubleSpinBox* pole(QWidget* rodzic, const char* nazwa, double maks, int miejsca) {
  auto* p = new QDoubleSpinBox(rodzic);
  p->setObjectName(nazwa);
  p->setRange(0, maks);
  p->setDecimals(miejsca);
  return p;
}
}  // namespace

okno_problemow::okno_problemow(okno_glowne& okno)
    : QWidget(&okno, Qt::Tool), okno_(okno), lista_(ustawienia_listy_problemow()) {
  setObjectName("okno_problemow");
  setWindowTitle(QString::fromUtf8("Lista problemów"));
  resize(560, 420);

  promien_min = pole(this, "promien_min", 1000, 1);
  prosta_min = pole(this, "prosta_min", 1000, 1);
  nachylenie_max = pole(this, "nachylenie_max", 1000, 1);
  zmiana_nachylenia_max = pole(this, "zmiana_nachylenia_max", 1000, 1);
  const ustawienia_problemow& u = lista_.ustawienia();
  promien_min->setValue(u.promien_min);
  prosta_min->setValue(u.prosta_min);
  nachylenie_max->setValue(u.nachylenie_max);
  zmiana_nachylenia_max->setValue(u.zmiana_nachylenia_max);
  auto* formularz = new QFormLayout;
  formularz->addRow(QString::fromUtf8("Najmniejszy promień łuku [m]:"), promien_min);
  formularz->addRow(QString::fromUtf8("Najkrótsza prosta między łukami przeciwnymi [m]:"), prosta_min);
  formularz->addRow(QString::fromUtf8("Największe nachylenie [‰]:"), nachylenie_max);
  formularz->addRow(QString::fromUtf8("Największa zmiana nachylenia [‰]:"), zmiana_nachylenia_max);

  model_ = new model_problemow;
  model_->setParent(this);
  drzewo = new QTreeView(this);
  drzewo->setObjectName("drzewo_problemow");
  drzewo->setModel(model_);
  drzewo->setUniformRowHeights(true);
  drzewo->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  podsumowanie = new QLabel(this);
  podsumowanie->setObjectName("podsumowanie");
  eksport_csv = new QPushButton(QString::fromUtf8("Eksportuj CSV…"), this);
  eksport_csv->setObjectName("eksport_csv");

  auto* dol = new QHBoxLayout;
  dol->addWidget(podsumowanie, 1);
  dol->addWidget(eksport_csv);
  auto* uklad = new QVBoxLayout(this);
  uklad->addLayout(formularz);
  uklad->addWidget(drzewo, 1);
  uklad->addLayout(dol);

  for (QDoubleSpinBox* p : {promien_min, prosta_min, nachylenie_max, zmiana_nachylenia_max})
    connect(p, &QDoubleSpinBox::valueChanged, this, [this] { zmien_ustawienia(); });
  connect(drzewo, &QTreeView::activated, this, [this](const QModelIndex& i) {
    const int nr = model_->wiersz(i);
    if (nr >= 0) przejdz_do(nr);
  });
  connect(eksport_csv, &QPushButton::clicked, this, [this] { eksportuj_csv(); });
  // Every change of the layout ends in a frame of the plan; the document's version tells
  // whether anything may have changed since the last look.
  connect(okno_.plan(), &widok_planu::narysowano, this, [this] { odswiez(); });
}

okno_problemow::~okno_problemow() = default;

void okno_problemow::pokaz() {
  show();
  raise();
  activateWindow();
}

void okno_problemow::showEvent(QShowEvent* zdarzenie) {
  QWidget::showEvent(zdarzenie);
  odswiez();
}

void okno_problemow::odswiez() {
  if (!isVisible()) return;
  const dokument& dok = okno_.dok();
  if (policzona_ && dok.wersja() == wersja_) return;
  if (policzona_)
    lista_.aktualizuj(dok.tor);
  else
    lista_.przelicz(dok.tor);
  policzona_ = true;
  wersja_ = dok.wersja();
  pokaz_liste();
}

void okno_problemow::zmien_ustawienia() {
  const ustawienia_problemow u{promien_min->value(), prosta_min->value(), nachylenie_max->value(),
                               zmiana_nachylenia_max->value()};
  zapisz_ustawienia_listy_problemow(u);
  lista_.ustaw(u);
  policzona_ = false;
  odswiez();
}

void okno_problemow::pokaz_liste() {
  // The groups open before stay open.
  std::vector<rodzaj_problemu> otwarte;
  for (int g = 0; g < static_cast<int>(model_->grupy().size()); ++g)
    if (drzewo->isExpanded(model_->index(g, 0, {}))) otwarte.push_back(model_->grupy()[g].rodzaj);
  const bool pierwszy_raz = model_->grupy().empty();
  problemy_ = lista_.problemy();
  model_->ustaw(&problemy_);
  for (int g = 0; g < static_cast<int>(model_->grupy().size()); ++g) {
    const rodzaj_problemu r = model_->grupy()[g].rodzaj;
    if (pierwszy_raz || std::find(otwarte.begin(), otwarte.end(), r) != otwarte.end())
      drzewo->expand(model_->index(g, 0, {}));
  }
  podsumowanie->setText(QString::fromUtf8("Błędy: %1, ostrzeżenia: %2, uwagi: %3")
                            .arg(lista_.ile(waga_problemu::blad))
                            .arg(lista_.ile(waga_problemu::ostrzezenie))
                            .arg(lista_.ile(waga_problemu::uwaga)));
}

void okno_problemow::przejdz_do(int nr) {
  if (nr < 0 || nr >= static_cast<int>(problemy_.size())) return;
  const problem& p = problemy_[nr];
  tor_uklad& tor = okno_.dok().tor;
  stan_edytora& edytor = okno_.edytor();
  edytor.kamera.przes_x = -p.x;
  edytor.kamera.przes_y = -p.y;
  tor.odznacz_wszystko();
  if (p.przedmiot == przedmiot_problemu::linia && p.nr < tor.lmax())
    tor.l[p.nr]->ZAZNACZ(true);
  else if (p.przedmiot == przedmiot_problemu::punkt && p.nr < tor.pmax())
    tor.p[p.nr]->ZAZNACZ(true);
  okno_.odswiez();
}

bool okno_problemow::zapisz_csv(const QString& sciezka) const {
  std::string csv = "waga;rodzaj;x;y;element;opis\n";
  for (const problem& p : problemy_)
    csv += std::string(nazwa_wagi(waga(p.rodzaj))) + ';' + klucz_rodzaju(p.rodzaj) + ';' + liczba_na_tekst(p.x, 3) +
           ';' + liczba_na_tekst(p.y, 3) + ';' + opis_przedmiotu(p) + ';' + opis_wartosci(p) + '\n';
  try {
    zapisz_plik(sciezka.toStdString(), csv);
  } catch (const blad_pliku&) {
    return false;
  }
  return true;
}

void okno_problemow::eksportuj_csv() {
  const std::string sciezka = okno_.pytania().zapisz_plik(this, QDir::homePath(), "*.csv");
  if (sciezka.empty()) return;
  if (!zapisz_csv(QString::fromStdString(sciezka)))
    okno_.pytania().pokaz(this, QString::fromUtf8("Zapis się nie powiódł!"));
}
