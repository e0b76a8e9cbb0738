#include "app/ui/byte_limited_edit.h"

namespace mirevo {

int GbkByteLength(const QString& text) {
  int bytes = 0;
  for (QChar ch : text) {
    if (ch.isLowSurrogate()) continue;  // a pair counts once, as one character
    bytes += ch.unicode() < 0x80 ? 1 : 2;
  }
  return bytes;
}

ByteLimitedEdit::ByteLimitedEdit(int max_bytes, QWidget* parent) : QLineEdit(parent), max_bytes_(max_bytes) {
  connect(this, &QLineEdit::textChanged, this, &ByteLimitedEdit::Clip);
}

void ByteLimitedEdit::Clip() {
  const QString t = text();
  if (GbkByteLength(t) <= max_bytes_) return;
  QString kept;
  int bytes = 0;
  for (qsizetype i = 0; i < t.size(); ++i) {
    QChar ch = t[i];
    int width = ch.unicode() < 0x80 ? 1 : 2;
    bool pair = ch.isHighSurrogate() && i + 1 < t.size();
    if (bytes + width > max_bytes_) break;
    kept += ch;
    if (pair) kept += t[++i];
    bytes += width;
  }
  const int cursor = std::min(cursorPosition(), static_cast<int>(kept.size()));
  setText(kept);
  setCursorPosition(cursor);
}

}  // namespace mirevo
