#include "ui/powrot_aktywnosci.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

powrot_aktywnosci::powrot_aktywnosci(QWidget& okno, std::vector<QAction*> skroty)
    : okno_(okno), skroty_(std::move(skroty)) {
  qApp->installEventFilter(this);
}

powrot_aktywnosci::~powrot_aktywnosci() { qApp->removeEventFilter(this); }

bool powrot_aktywnosci::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  if (!obiekt->isWidgetType()) return false;
  auto* w = static_cast<QWidget*>(obiekt);
  switch (zdarzenie->type()) {
    case QEvent::Hide:
      // Menus, lists and tooltips never take the activation; other windows do.
      if (w->isWindow() && w != &okno_ && !(w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip))
        QTimer::singleShot(0, this, [this] { przywroc(); });
      return false;
    case QEvent::ShortcutOverride:
      // Not taken by the control: the shortcut goes to its action.
      if (w->window() == &okno_ && klawisz_skrotu(*static_cast<QKeyEvent*>(zdarzenie))) {
        zdarzenie->ignore();
        return true;
      }
      return false;
    default: return false;
  }
}

bool powrot_aktywnosci::klawisz_skrotu(const QKeyEvent& k) const {
  const QKeySequence klawisz(k.keyCombination());
  for (const QAction* a : skroty_)
    if (a->isEnabled() && a->shortcuts().contains(klawisz)) return true;
  return false;
}

void powrot_aktywnosci::przywroc() {
  if (!okno_.isVisible() || QApplication::activeModalWidget() || QApplication::activePopupWidget()) return;
  // Another window of the editor that is still up keeps what it has.
  const QWidget* aktywne = QApplication::activeWindow();
  if (aktywne && aktywne->isVisible()) return;
  okno_.activateWindow();
}
