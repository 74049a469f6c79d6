#pragma once

#include <QWidget>
#include <optional>

#include "track/geometria.h"

struct widok;

// A place on the plan pointed at from another window (the height profile's cursor): a ring and
// a cross over the plan view, on top of its finished picture, following the camera. The mouse
// goes through it to the plan.
class znacznik_planu : public QWidget {
 public:
  znacznik_planu(QWidget* plan, const widok& kamera);

  void ustaw(std::optional<wektor> miejsce);
  const std::optional<wektor>& miejsce() const { return miejsce_; }
  // Where the mark stands in the plan view's pixels now.
  QPointF piksel() const;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  const widok& kamera_;
  std::optional<wektor> miejsce_;
};
