#include "ui/znacznik_planu.h"

#include <QPainter>

#include "view/widok.h"

namespace {
constexpr double POLOWA = 9;  // pixels
}  // namespace

znacznik_planu::znacznik_planu(QWidget* plan, const widok& kamera) : QWidget(plan), kamera_(kamera) {
  setObjectName("znacznik_planu");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setGeometry(plan->rect());
  hide();
}

void znacznik_planu::ustaw(std::optional<wektor> miejsce) {
  miejsce_ = miejsce;
  setVisible(miejsce_.has_value());
  raise();
  update();
}

QPointF znacznik_planu::piksel() const {
  if (!miejsce_) return {};
  const double x = (miejsce_->x + kamera_.przes_x) * kamera_.skala / kamera_.proporcja;
  const double y = (miejsce_->y + kamera_.przes_y) * kamera_.skala;
  return {(x + 1) / 2 * width(), (1 - y) / 2 * height()};
}

void znacznik_planu::paintEvent(QPaintEvent*) {
  if (!miejsce_) return;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(220, 0, 220), 2));
  const QPointF s = piksel();
  p.drawLine(s - QPointF(POLOWA, 0), s + QPointF(POLOWA, 0));
  p.drawLine(s - QPointF(0, POLOWA), s + QPointF(0, POLOWA));
  p.drawEllipse(s, POLOWA * 0.6, POLOWA * 0.6);
}
