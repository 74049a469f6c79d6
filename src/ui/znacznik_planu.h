#pragma once

#include <optional>

#include <QPointF>

#include "track/geometria.h"
#include "ui/nakladka_planu.h"

class widok_planu;
struct widok;

// A place on the plan pointed at from another window (the height profile's cursor): a ring and
// a cross drawn over the plan's picture, following the camera.
class znacznik_planu : public nakladka_planu {
 public:
  znacznik_planu(widok_planu& plan, const widok& kamera);

  void ustaw(std::optional<wektor> miejsce);
  const std::optional<wektor>& miejsce() const { return miejsce_; }
  // Where the mark stands in the plan view's pixels now.
  QPointF piksel() const;

  QRect obszar() const override;
  void rysuj(QPainter& p) const override;

 private:
  widok_planu& plan_;
  const widok& kamera_;
  std::optional<wektor> miejsce_;
};
