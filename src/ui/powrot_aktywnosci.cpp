#include "ui/powrot_aktywnosci.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

powrot_aktywnosci::powrot_aktywnosci(QWidget& okno, std::vector<QAction*> skroty)
    : okno_(okno), skroty_(std::move(skroty)) {
  qApp->installEventFilter(this);
}

powrot_aktywnosci::~powrot_aktywnosci() { qApp->removeEventFilter(this); }

bool powrot_aktywnosci::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  if (!obiekt->isWidgetType() || static_cast<QWidget*>(obiekt)->window() != &okno_) return false;
  switch (zdarzenie->type()) {
    case QEvent::ShortcutOverride:
      // Not taken by the control: the shortcut goes to its action.
      if (skrot(*static_cast<QKeyEvent*>(zdarzenie))) {
        zdarzenie->ignore();
        return true;
      }
      return false;
    case QEvent::KeyPress: {
      // A key reached the main window while no window is active (a box closed and nothing handed
      // the activation back): the window takes it, and the shortcut that could not fire acts.
      if (QApplication::activeWindow() || QApplication::activeModalWidget()) return false;
      okno_.activateWindow();
      QAction* a = skrot(*static_cast<QKeyEvent*>(zdarzenie));
      if (!a) return false;
      a->trigger();
      return true;
    }
    default: return false;
  }
}

QAction* powrot_aktywnosci::skrot(const QKeyEvent& k) const {
  const QKeySequence klawisz(k.keyCombination());
  for (QAction* a : skroty_)
    if (a->isEnabled() && a->shortcuts().contains(klawisz)) return a;
  return nullptr;
}
