#include "app/workbench/picture_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace mirevo {

PictureButton::PictureButton(const QString& glyph, const QString& caption, const QColor& colour, QWidget* parent)
    : QWidget(parent), glyph_(glyph), caption_(caption), colour_(colour) {
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_Hover);
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const int w = width();
  const int h = height();
  if (caption_.isEmpty()) {
    // A small window spot (minimise, close) at the top edge.
    QColor c = hover_ ? colour_.lighter(130) : colour_;
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(1, 4, w - 2, h - 8), 3, 3);
    p.setPen(Qt::white);
    QFont f = font();
    f.setPixelSize(14);
    f.setBold(true);
    p.setFont(f);
    p.drawText(rect(), Qt::AlignCenter, glyph_);
    return;
  }
  const int d = std::min(w - 4, 34);
  QRectF circle((w - d) / 2.0, 3 + (down_ ? 1 : 0), d, d);
  QRadialGradient g(circle.center() - QPointF(d / 5.0, d / 5.0), d * 0.75);
  g.setColorAt(0, colour_.lighter(hover_ ? 175 : 150));
  g.setColorAt(1, colour_.darker(hover_ ? 100 : 115));
  p.setPen(QPen(colour_.darker(150), 1));
  p.setBrush(g);
  p.drawEllipse(circle);
  QFont f = font();
  f.setPixelSize(18);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(circle, Qt::AlignCenter, glyph_);
  f.setPixelSize(12);
  f.setBold(hover_);
  p.setFont(f);
  p.setPen(QColor(90, 40, 0));
  p.drawText(QRect(0, 3 + d + 4, w, h - d - 7), Qt::AlignHCenter | Qt::AlignTop, caption_);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    down_ = true;
    update();
  }
  emit pressed();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
  const bool was_down = down_;
  down_ = false;
  update();
  if (was_down && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void PictureButton::enterEvent(QEnterEvent*) {
  hover_ = true;
  update();
}

void PictureButton::leaveEvent(QEvent*) {
  hover_ = false;
  update();
}

}  // namespace mirevo
