// The note window: a plain reading window with print, page setup and close.
#pragma once

#include <QString>
#include <QWidget>

#include "app/core/gbk.h"

class QPushButton;
class QTextEdit;
class QFrame;

namespace mirevo {

// TFrmNote: a rich-text pane under a toolbar with 打印, 设置.. and 关闭. Each
// window is non-modal and frees itself when it closes.
class TFrmNote : public QWidget {
  Q_OBJECT
 public:
  explicit TFrmNote(QWidget* parent = nullptr);
  ~TFrmNote() override;

  QTextEdit* pane() const { return RzMemo1; }
  // Puts `text` into the pane as one added line.
  void AddText(const QString& text);

  QFrame* RzPanel1 = nullptr;
  QPushButton* RzBitBtn1 = nullptr;  // 打印
  QPushButton* RzBitBtn2 = nullptr;  // 设置..
  QPushButton* RzBitBtn3 = nullptr;  // 关闭
  QTextEdit* RzMemo1 = nullptr;

 private:
  void RzBitBtn1Click();
  void RzBitBtn2Click();
};

// Opens a new, non-modal note window on the note with this key (table Noter):
// its trimmed text under its trimmed title, or an empty pane under 算命 for a key
// without a note. When the notes cannot be read, no window opens and nothing is
// said. Returns the window, or nullptr.
TFrmNote* ShowNote(const Gbk& key);
// Opens a new, non-modal note window showing `text` under `caption`.
TFrmNote* ShowNoteText(const QString& text, const QString& caption);

// The note window opened last, while it is open; nullptr otherwise.
TFrmNote* LatestNoteWindow();

}  // namespace mirevo
