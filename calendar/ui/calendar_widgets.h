// Small controls of the calendar window: a label that reports presses and clicks,
// and a spin button without an edit.
#pragma once

#include <QLabel>
#include <QWidget>

class QToolButton;

namespace mirevo {

// A label that can be pressed (mouse down) and clicked (released over it).
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickLabel(QWidget* parent) : QLabel(parent) {}

 signals:
  void pressed();
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool down_ = false;
};

// Two arrow buttons holding a position within a range: up adds one, down takes
// one away, never leaving the range. Each press reports clicked() after the
// position has moved.
class UpDown : public QWidget {
  Q_OBJECT
 public:
  UpDown(int minimum, int maximum, QWidget* parent);
  int position() const { return position_; }
  void setPosition(int position);
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }

 public slots:
  void stepUp() { step(1); }
  void stepDown() { step(-1); }

 signals:
  void clicked();

 private:
  void step(int by);

  int minimum_;
  int maximum_;
  int position_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace mirevo
