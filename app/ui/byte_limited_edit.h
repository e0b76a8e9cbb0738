// A one-line edit that holds at most a number of GBK bytes (a Chinese character
// counts two), as the naming inputs expect.
#pragma once

#include <QLineEdit>

namespace mirevo {

class ByteLimitedEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit ByteLimitedEdit(int max_bytes, QWidget* parent = nullptr);
  int maxBytes() const { return max_bytes_; }

 private:
  void Clip();
  int max_bytes_;
};

// GBK bytes of a text; a character GBK cannot hold counts as two.
int GbkByteLength(const QString& text);

}  // namespace mirevo
