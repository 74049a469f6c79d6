#pragma once

#include <QObject>
#include <vector>

class QAction;
class QKeyEvent;
class QWidget;

// Keeps the main window's shortcuts working whenever it is in front. When a dialog, a message
// box or another window of the editor closes, the main window is made active again: without a
// window manager nothing else hands the activation back, and an inactive window's shortcuts do
// not fire. Within the main window the keys of `skroty` (undo and redo) reach their actions from
// every control, an edit box too, whose own text undo would otherwise take them.
class powrot_aktywnosci : public QObject {
 public:
  powrot_aktywnosci(QWidget& okno, std::vector<QAction*> skroty);
  ~powrot_aktywnosci() override;

 protected:
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

 private:
  bool klawisz_skrotu(const QKeyEvent& klawisz) const;
  void przywroc();

  QWidget& okno_;
  std::vector<QAction*> skroty_;
};
