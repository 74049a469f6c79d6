#include "ui/okno_profilu.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "app/liczby.h"
#include "dokument/dokument.h"
#include "io/blad_pliku.h"
#include "io/gz_plik.h"
#include "track/zdarzenie.h"
#include "ui/okno_glowne.h"
#include "ui/ustawienia.h"
#include "ui/widok_planu.h"
#include "ui/znacznik_planu.h"
#include "view/stan_edytora.h"

namespace {

// The event symbols' atlas: 4 x 4 icons, type t in column t mod 4 and row t div 4.
constexpr int ATLAS = 4;
constexpr int BOK_SYMBOLU = 20;

QColor kolor(kolor_rgb k) { return QColor(k.r, k.g, k.b); }
QString u8(const std::string& t) { return QString::fromStdString(t); }

}  // namespace

wykres_profilu::wykres_profilu(QWidget* rodzic, const QImage& symbole) : QWidget(rodzic), symbole_(symbole) {
  setObjectName("wykres_profilu");
  setMouseTracking(true);
  setMinimumSize(480, 240);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void wykres_profilu::ustaw(const profil_trasy* profil, double nachylenie_max) {
  profil_ = profil;
  nachylenie_max_ = nachylenie_max;
  przerysuj();
}

void wykres_profilu::przerysuj() {
  rysunek_ = profil_ ? narysuj_profil(*profil_, width(), height(), nachylenie_max_) : rysunek_profilu{};
  update();
}

void wykres_profilu::resizeEvent(QResizeEvent*) { przerysuj(); }

void wykres_profilu::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.setRenderHint(QPainter::Antialiasing);
  for (const kreska& k : rysunek_.kreski) {
    p.setPen(QPen(kolor(k.kolor), k.grubosc));
    p.drawLine(QPointF(k.x1, k.y1), QPointF(k.x2, k.y2));
  }
  const QFontMetricsF miary(font());
  for (const napis& n : rysunek_.napisy) {
    const QString t = u8(n.tekst);
    const double szer = miary.horizontalAdvance(t);
    const double x = n.wyrownanie == napis::srodek ? n.x - szer / 2 : n.wyrownanie == napis::do_prawej ? n.x - szer : n.x;
    p.setPen(kolor(n.kolor));
    p.drawText(QPointF(x, n.y), t);
  }
  for (const symbol_zdarzenia& z : rysunek_.symbole) {
    p.setPen(QColor(90, 90, 90));
    p.drawLine(QPointF(z.x, z.y), QPointF(z.x, z.y - 10));
    const QRectF cel(z.x - BOK_SYMBOLU / 2.0, z.y - 10 - BOK_SYMBOLU, BOK_SYMBOLU, BOK_SYMBOLU);
    if (symbole_.isNull()) {
      p.drawRect(cel);
      continue;
    }
    const double bok = symbole_.width() / static_cast<double>(ATLAS);
    p.drawImage(cel, symbole_, QRectF((z.typ % ATLAS) * bok, (z.typ / ATLAS) * bok, bok, bok));
  }
  if (kursor_ && profil_) {
    const double x = rysunek_.x_z_drogi(*kursor_);
    p.setPen(QPen(QColor(200, 0, 200), 1, Qt::DashLine));
    p.drawLine(QPointF(x, rysunek_.gorny), QPointF(x, rysunek_.dolny));
    p.setBrush(QColor(200, 0, 200));
    p.drawEllipse(QPointF(x, rysunek_.y_z_wysokosci(profil_->wysokosc(*kursor_))), 4, 4);
  }
}

void wykres_profilu::mouseMoveEvent(QMouseEvent* zdarzenie) {
  const double x = zdarzenie->position().x();
  if (!profil_ || profil_->odcinki.empty() || x < rysunek_.lewy || x > rysunek_.prawy) {
    leaveEvent(nullptr);
    return;
  }
  kursor_ = rysunek_.droga_z_x(x);
  update();
  if (wskazano) wskazano(kursor_);
}

void wykres_profilu::leaveEvent(QEvent*) {
  if (!kursor_) return;
  kursor_.reset();
  update();
  if (wskazano) wskazano(std::nullopt);
}

okno_profilu::okno_profilu(okno_glowne& okno, const std::string& katalog_danych)
    : QWidget(&okno, Qt::Tool), okno_(okno) {
  setObjectName("okno_profilu");
  setWindowTitle(QString::fromUtf8("Profil wysokości"));
  resize(820, 380);
  wykres = new wykres_profilu(this, QImage(u8(katalog_danych + "/dataeditor/ev.bmp")));
  opis = new QLabel(this);
  opis->setObjectName("opis_profilu");
  zapisz_png_przycisk = new QPushButton(QString::fromUtf8("Zapisz PNG…"), this);
  zapisz_png_przycisk->setObjectName("zapisz_png");
  zapisz_svg_przycisk = new QPushButton(QString::fromUtf8("Zapisz SVG…"), this);
  zapisz_svg_przycisk->setObjectName("zapisz_svg");
  auto* dol = new QHBoxLayout;
  dol->addWidget(opis, 1);
  dol->addWidget(zapisz_png_przycisk);
  dol->addWidget(zapisz_svg_przycisk);
  auto* uklad = new QVBoxLayout(this);
  uklad->addWidget(wykres, 1);
  uklad->addLayout(dol);

  wykres->wskazano = [this](std::optional<double> s) { wskazano(s); };
  connect(zapisz_png_przycisk, &QPushButton::clicked, this, [this] { zapisz(false); });
  connect(zapisz_svg_przycisk, &QPushButton::clicked, this, [this] { zapisz(true); });
  znacznik = &okno_.plan()->dodaj_nakladke(std::make_unique<znacznik_planu>(*okno_.plan(), okno_.edytor().kamera));
  connect(okno_.plan(), &widok_planu::narysowano, this, [this] { odswiez(false); });
}

void okno_profilu::pokaz_dla_zaznaczenia() {
  const tor_uklad& tor = okno_.dok().tor;
  punkt_ = nullptr;
  linia_ = nullptr;
  for (const w_punkt* p : tor.p)
    if (p->CZY_ZAZNACZONY()) {
      punkt_ = p;
      break;
    }
  if (!punkt_)
    for (const w_linia* l : tor.l)
      if (l->CZY_ZAZNACZONY()) {
        linia_ = l;
        break;
      }
  show();
  raise();
  odswiez(true);
}

void okno_profilu::odswiez(bool zawsze) {
  const dokument& dok = okno_.dok();
  if (!isVisible() || (!zawsze && dok.wersja() == wersja_)) return;
  wersja_ = dok.wersja();
  const int nr_punktu = punkt_ ? dok.tor.indeks_punktu(punkt_) : -1;
  const int nr_linii = linia_ ? dok.tor.indeks_linii(linia_) : -1;
  if (nr_punktu < 0) punkt_ = nullptr;
  if (nr_linii < 0) linia_ = nullptr;
  profil_ = punkt_   ? ::profil(dok.tor, poczatek_profilu::punkt, nr_punktu)
            : linia_ ? ::profil(dok.tor, poczatek_profilu::linia, nr_linii)
                     : profil_trasy{};
  wykres->ustaw(&profil_, ustawienia_listy_problemow().nachylenie_max);
  opis->setText(profil_.odcinki.empty() ? QString::fromUtf8("Zaznacz punkt lub linię toru.")
                                        : QString::fromUtf8("Długość: %1 m").arg(u8(liczba_na_tekst(profil_.dlugosc(), 2))));
}

QString okno_profilu::opis_miejsca(double s) const {
  const odcinek_profilu* o = profil_.odcinek(s);
  if (!o) return {};
  return QString::fromUtf8("odległość %1 m, wysokość %2 m, nachylenie %3 ‰")
      .arg(u8(liczba_na_tekst(s, 2)), u8(liczba_na_tekst(profil_.wysokosc(s), 3)), u8(liczba_na_tekst(o->nachylenie, 1)));
}

void okno_profilu::wskazano(std::optional<double> s) {
  if (s) opis->setText(opis_miejsca(*s));
  znacznik->ustaw(s ? std::optional<wektor>(profil_.miejsce(*s)) : std::nullopt);
}

void okno_profilu::hideEvent(QHideEvent* zdarzenie) {
  QWidget::hideEvent(zdarzenie);
  znacznik->ustaw(std::nullopt);
}

bool okno_profilu::zapisz_png(const QString& sciezka) const {
  // Written beside and renamed: a failed save leaves the old file as it was.
  QSaveFile plik(sciezka);
  return plik.open(QIODevice::WriteOnly) && wykres->grab().save(&plik, "PNG") && plik.commit();
}

bool okno_profilu::zapisz_svg(const QString& sciezka) const {
  try {
    zapisz_plik(sciezka.toStdString(), profil_svg(wykres->rysunek()));
  } catch (const blad_pliku&) {
    return false;
  }
  return true;
}

void okno_profilu::zapisz(bool svg) {
  const std::string sciezka = okno_.pytania().zapisz_plik(this, QDir::homePath(), svg ? "*.svg" : "*.png");
  if (sciezka.empty()) return;
  const QString q = QString::fromStdString(sciezka);
  if (!(svg ? zapisz_svg(q) : zapisz_png(q))) okno_.pytania().pokaz(this, QString::fromUtf8("Zapis się nie powiódł!"));
}
