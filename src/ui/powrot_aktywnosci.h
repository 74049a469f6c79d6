#pragma once

#include <QObject>
#include <vector>

class QAction;
class QKeyEvent;
class QWidget;

// Keeps the undo and redo keys (`skroty`) working whenever the main window gets the keys. When a
// dialog or message box closes on a display without a window manager, nothing hands the
// activation back and an inactive window's shortcuts do not fire: the first key that reaches
// the main window makes it active again and acts as its shortcut. Within the main window the
// keys reach their actions from every control, an edit box too, whose own text undo would
// otherwise take them.
class powrot_aktywnosci : public QObject {
 public:
  powrot_aktywnosci(QWidget& okno, std::vector<QAction*> skroty);
  ~powrot_aktywnosci() override;

 protected:
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

 private:
  // The enabled action whose shortcut the key is, or none.
  QAction* skrot(const QKeyEvent& klawisz) const;

  QWidget& okno_;
  std::vector<QAction*> skroty_;
};
