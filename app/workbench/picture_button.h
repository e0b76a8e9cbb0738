// A picture button of the workbench: a small painted icon with a caption, laid
// over the background at a fixed place, with a hint on hover.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace mirevo {

class PictureButton : public QWidget {
  Q_OBJECT
 public:
  // `glyph` is the character drawn in the icon, `caption` the text under it.
  PictureButton(const QString& glyph, const QString& caption, const QColor& colour, QWidget* parent);

 signals:
  void clicked();
  void pressed();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;

 private:
  QString glyph_;
  QString caption_;
  QColor colour_;
  bool hover_ = false;
  bool down_ = false;
};

}  // namespace mirevo
