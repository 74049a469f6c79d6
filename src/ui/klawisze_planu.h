#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

class QKeyEvent;
class okno_glowne;
struct stan_edytora;

// The plan's keys, caught for the whole main window by one application event filter and
// acted on only while no edit box has the focus (keys typed into a box belong to the box).
// Delete, A, P, Enter and the template steps act once per press; the arrows pan 1 m and the
// numeric pad's + and - zoom x2 and x0.5 at a steady rate while held, from a timer that runs
// only while such a key is down.
class klawisze_planu : public QObject {
 public:
  // Interval of the steps of a held camera key.
  static constexpr int ODSTEP_MS = 40;

  klawisze_planu(okno_glowne& okno, stan_edytora& edytor);
  ~klawisze_planu() override;

  const QTimer& powtarzanie() const { return powtarzanie_; }

 protected:
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

 private:
  bool dla_planu(QObject* obiekt) const;
  bool nacisniecie(const QKeyEvent& klawisz);
  bool zwolnienie(const QKeyEvent& klawisz);
  // What a key that acts once does now, or nothing.
  std::function<void()> dzialanie(const QKeyEvent& klawisz) const;
  void krok_kamery(int kod);
  void krok_trzymanych();
  void pusc_wszystkie();

  okno_glowne& okno_;
  stan_edytora& edytor_;
  QTimer powtarzanie_;
  std::vector<int> trzymane_;  // camera keys held, by key code
};
