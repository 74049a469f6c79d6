#include "ui/znacznik_planu.h"

#include <QPainter>
#include <cmath>

#include "ui/widok_planu.h"
#include "view/widok.h"

namespace {
constexpr double POLOWA = 9;  // pixels
}  // namespace

znacznik_planu::znacznik_planu(widok_planu& plan, const widok& kamera) : plan_(plan), kamera_(kamera) {}

void znacznik_planu::ustaw(std::optional<wektor> miejsce) {
  miejsce_ = miejsce;
  plan_.update();
}

QPointF znacznik_planu::piksel() const {
  if (!miejsce_) return {};
  const double x = (miejsce_->x + kamera_.przes_x) * kamera_.skala / kamera_.proporcja;
  const double y = (miejsce_->y + kamera_.przes_y) * kamera_.skala;
  return {(x + 1) / 2 * plan_.width(), (1 - y) / 2 * plan_.height()};
}

QRect znacznik_planu::obszar() const {
  if (!miejsce_) return {};
  const QPointF s = piksel();
  // The pen's width and the antialiasing around the cross.
  const int brzeg = static_cast<int>(POLOWA) + 3;
  const QPoint srodek(static_cast<int>(std::floor(s.x())), static_cast<int>(std::floor(s.y())));
  return {srodek - QPoint(brzeg, brzeg), srodek + QPoint(brzeg, brzeg)};
}

void znacznik_planu::rysuj(QPainter& p) const {
  if (!miejsce_) return;
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(220, 0, 220), 2));
  const QPointF s = piksel();
  p.drawLine(s - QPointF(POLOWA, 0), s + QPointF(POLOWA, 0));
  p.drawLine(s - QPointF(0, POLOWA), s + QPointF(0, POLOWA));
  p.drawEllipse(s, POLOWA * 0.6, POLOWA * 0.6);
}
