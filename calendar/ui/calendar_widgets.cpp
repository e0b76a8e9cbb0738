#include "calendar/ui/calendar_widgets.h"

#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace mirevo {

void ClickLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    down_ = true;
    emit pressed();
  }
  QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = down_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  down_ = false;
  QLabel::mouseReleaseEvent(event);
  if (click) emit clicked();
}

UpDown::UpDown(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), position_(minimum) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  up_ = new QToolButton(this);
  down_ = new QToolButton(this);
  for (QToolButton* b : {up_, down_}) {
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(b);
  }
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
  connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::setPosition(int position) { position_ = std::clamp(position, minimum_, maximum_); }

void UpDown::step(int by) {
  setPosition(position_ + by);
  emit clicked();
}

}  // namespace mirevo
