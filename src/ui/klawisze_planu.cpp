#include "ui/klawisze_planu.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

#include "ui/okno_glowne.h"
#include "view/stan_edytora.h"

namespace {

bool klawisz_kamery(const QKeyEvent& k) {
  switch (k.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: return true;
    // Only the numeric pad's: + and - of the main keyboard are text.
    case Qt::Key_Plus:
    case Qt::Key_Minus: return k.modifiers().testFlag(Qt::KeypadModifier);
    default: return false;
  }
}

}  // namespace

klawisze_planu::klawisze_planu(okno_glowne& okno, stan_edytora& edytor) : okno_(okno), edytor_(edytor) {
  powtarzanie_.setInterval(ODSTEP_MS);
  QObject::connect(&powtarzanie_, &QTimer::timeout, this, [this] { krok_trzymanych(); });
  qApp->installEventFilter(this);
}

klawisze_planu::~klawisze_planu() { qApp->removeEventFilter(this); }

bool klawisze_planu::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  switch (zdarzenie->type()) {
    case QEvent::KeyPress:
      return dla_planu(obiekt) && nacisniecie(*static_cast<QKeyEvent*>(zdarzenie));
    case QEvent::KeyRelease:
      // A held key ends wherever its release goes (an edit box, a message box).
      return zwolnienie(*static_cast<QKeyEvent*>(zdarzenie)) && dla_planu(obiekt);
    case QEvent::WindowDeactivate:
      // The release of a key held while the window loses the focus never comes.
      if (obiekt == &okno_) pusc_wszystkie();
      return false;
    default: return false;
  }
}

bool klawisze_planu::dla_planu(QObject* obiekt) const {
  if (!obiekt->isWidgetType() || static_cast<QWidget*>(obiekt)->window() != &okno_) return false;
  if (QApplication::activeModalWidget()) return false;
  return !qobject_cast<QLineEdit*>(okno_.focusWidget());
}

bool klawisze_planu::nacisniecie(const QKeyEvent& k) {
  edytor_.mysz.shift = k.key() == Qt::Key_Shift || k.modifiers().testFlag(Qt::ShiftModifier);
  if (klawisz_kamery(k)) {
    if (k.isAutoRepeat()) return true;  // the timer repeats at its own rate
    krok_kamery(k.key());
    const bool w_lewo = k.key() == Qt::Key_Left;
    if (edytor_.tryb_szablonu && (w_lewo || k.key() == Qt::Key_Right)) {
      okno_.krok_szablonu(!w_lewo);
      return true;
    }
    if (std::find(trzymane_.begin(), trzymane_.end(), k.key()) == trzymane_.end()) trzymane_.push_back(k.key());
    if (!powtarzanie_.isActive()) powtarzanie_.start();
    return true;
  }
  const std::function<void()> d = dzialanie(k);
  if (!d) return false;
  if (!k.isAutoRepeat()) d();
  return true;
}

bool klawisze_planu::zwolnienie(const QKeyEvent& k) {
  if (k.key() == Qt::Key_Shift) edytor_.mysz.shift = false;
  const auto i = std::find(trzymane_.begin(), trzymane_.end(), k.key());
  if (i == trzymane_.end()) return false;
  if (k.isAutoRepeat()) return true;
  trzymane_.erase(i);
  if (trzymane_.empty()) powtarzanie_.stop();
  return true;
}

std::function<void()> klawisze_planu::dzialanie(const QKeyEvent& k) const {
  switch (k.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (edytor_.tryb_szablonu) return [this] { okno_.zakoncz_wybor_szablonu(); };
      return {};
    default: break;
  }
  // In every mode; Delete acts on what the mode edits (the chosen picture, the selected event).
  switch (k.key()) {
    case Qt::Key_Delete: return [this] { okno_.usun_zaznaczone(); };
    case Qt::Key_A: return [this] { okno_.pokaz_wszystko(); };
    case Qt::Key_P:
      // Lines are made parallel on the track, not among events.
      if (edytor_.tryb_edycji == TRYB_ZDARZENIA) return {};
      return [this] { okno_.ustaw_rownolegle(); };
    default: return {};
  }
}

void klawisze_planu::krok_kamery(int kod) {
  widok& k = edytor_.kamera;
  switch (kod) {
    case Qt::Key_Left: k.przes_x += 1; break;
    case Qt::Key_Right: k.przes_x -= 1; break;
    case Qt::Key_Up: k.przes_y -= 1; break;
    case Qt::Key_Down: k.przes_y += 1; break;
    case Qt::Key_Plus: mnoz_skale(k, 2); break;
    case Qt::Key_Minus: mnoz_skale(k, 0.5); break;
    default: return;
  }
  okno_.odswiez();
}

void klawisze_planu::krok_trzymanych() {
  for (int kod : trzymane_) krok_kamery(kod);
}

void klawisze_planu::pusc_wszystkie() {
  trzymane_.clear();
  powtarzanie_.stop();
}
