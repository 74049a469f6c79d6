#include "ui/mysz_planu.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include "ui/widok_planu.h"

namespace {

// One wheel notch in QWheelEvent::angleDelta units.
constexpr int ZABEK = 120;

zdarzenie_myszy zdarzenie(const QPointF& polozenie, Qt::MouseButtons przyciski, Qt::KeyboardModifiers klawisze) {
  zdarzenie_myszy z;
  z.px = polozenie.x();
  z.py = polozenie.y();
  z.lewy = przyciski.testFlag(Qt::LeftButton);
  z.prawy = przyciski.testFlag(Qt::RightButton);
  z.srodkowy = przyciski.testFlag(Qt::MiddleButton);
  z.shift = klawisze.testFlag(Qt::ShiftModifier);
  return z;
}

bool przycisk(Qt::MouseButton b, przycisk_myszy& p) {
  switch (b) {
    case Qt::LeftButton: p = przycisk_myszy::lewy; return true;
    case Qt::RightButton: p = przycisk_myszy::prawy; return true;
    case Qt::MiddleButton: p = przycisk_myszy::srodkowy; return true;
    default: return false;
  }
}

}  // namespace

mysz_planu::mysz_planu(widok_planu& plan, dokument& dok, stan_edytora& stan)
    : QObject(&plan), plan_(plan), sterowanie_(dok, stan) {
  plan.setMouseTracking(true);
  plan.installEventFilter(this);
}

void mysz_planu::po_zdarzeniu(bool rysuj) {
  if (rysuj) plan_.update();
}

bool mysz_planu::eventFilter(QObject* obiekt, QEvent* e) {
  if (obiekt != &plan_) return false;
  switch (e->type()) {
    case QEvent::MouseMove: {
      const auto* m = static_cast<QMouseEvent*>(e);
      po_zdarzeniu(sterowanie_.ruch(zdarzenie(m->position(), m->buttons(), m->modifiers())));
      return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
      const auto* m = static_cast<QMouseEvent*>(e);
      przycisk_myszy p;
      if (!przycisk(m->button(), p)) return false;
      const zdarzenie_myszy z = zdarzenie(m->position(), m->buttons(), m->modifiers());
      // The plan takes the keys once it is clicked.
      if (e->type() != QEvent::MouseButtonRelease) plan_.setFocus(Qt::MouseFocusReason);
      po_zdarzeniu(e->type() == QEvent::MouseButtonRelease ? sterowanie_.zwolnienie(p, z)
                                                             : sterowanie_.nacisniecie(p, z));
      return true;
    }
    case QEvent::Wheel: {
      const auto* k = static_cast<QWheelEvent*>(e);
      reszta_kolka_ += k->angleDelta().y();
      const int zabki = reszta_kolka_ / ZABEK;
      reszta_kolka_ -= zabki * ZABEK;
      po_zdarzeniu(sterowanie_.kolko(zabki, zdarzenie(k->position(), k->buttons(), k->modifiers())));
      return true;
    }
    default: return false;
  }
}
