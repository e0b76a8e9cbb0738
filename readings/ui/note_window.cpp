#include "readings/ui/note_window.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/ui/qtgbk.h"
#include "app/ui/report_output.h"
#include "data/core/refdb.h"
#include "readings/core/note.h"

namespace mirevo {
namespace {

QPointer<TFrmNote>& Latest() {
  static QPointer<TFrmNote> latest;
  return latest;
}

// 宋体 at 12 pixels; the chart's columns line up only in a font whose Chinese
// characters are exactly two Latin characters wide.
QFont PaneFont() {
  QFont font;
  font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("NSimSun"), QStringLiteral("Noto Sans Mono CJK SC"),
                    QStringLiteral("monospace")});
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(12);
  return font;
}

TFrmNote* OpenNoteWindow(const QString& text, const QString& caption) {
  auto* w = new TFrmNote;
  w->AddText(text);
  w->setWindowTitle(caption);
  w->show();
  Latest() = w;
  return w;
}

}  // namespace

TFrmNote::TFrmNote(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("TFrmNote"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("算命"));
  resize(652, 466);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  RzPanel1 = new QFrame(this);
  RzPanel1->setFixedHeight(33);
  RzPanel1->setFrameShape(QFrame::StyledPanel);
  auto* bar = new QHBoxLayout(RzPanel1);
  bar->setContentsMargins(4, 3, 4, 3);
  RzBitBtn1 = new QPushButton(QStringLiteral("打印"), RzPanel1);
  RzBitBtn2 = new QPushButton(QStringLiteral("设置.."), RzPanel1);
  RzBitBtn3 = new QPushButton(QStringLiteral("关闭"), RzPanel1);
  for (QPushButton* b : {RzBitBtn1, RzBitBtn2, RzBitBtn3}) bar->addWidget(b);
  bar->addStretch();
  layout->addWidget(RzPanel1);

  RzMemo1 = new QTextEdit(this);
  RzMemo1->setAcceptRichText(false);
  RzMemo1->setLineWrapMode(QTextEdit::WidgetWidth);
  RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RzMemo1->setFont(PaneFont());
  layout->addWidget(RzMemo1);

  connect(RzBitBtn1, &QPushButton::clicked, this, &TFrmNote::RzBitBtn1Click);
  connect(RzBitBtn2, &QPushButton::clicked, this, &TFrmNote::RzBitBtn2Click);
  connect(RzBitBtn3, &QPushButton::clicked, this, &QWidget::close);
}

TFrmNote::~TFrmNote() = default;

void TFrmNote::AddText(const QString& text) {
  // Plain text: the chart's lines hold angle brackets and runs of blanks that a
  // rich-text reading would swallow.
  if (RzMemo1->document()->isEmpty()) {
    RzMemo1->setPlainText(text);
  } else {
    QTextCursor cursor(RzMemo1->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    cursor.insertText(text);
  }
}

void TFrmNote::RzBitBtn1Click() { PrintReport(this, RzMemo1); }

void TFrmNote::RzBitBtn2Click() {
  try {
    ReportPageSetup(this, RzMemo1);
  } catch (...) {
    // Whatever goes wrong in the page setup is not reported.
  }
}

TFrmNote* ShowNote(const Gbk& key) {
  Note note;
  try {
    note = NoteOf(key);
  } catch (const DbError&) {
    return nullptr;  // no notes to read: nothing opens
  }
  return OpenNoteWindow(ToQString(note.content), ToQString(note.title));
}

TFrmNote* ShowNoteText(const QString& text, const QString& caption) { return OpenNoteWindow(text, caption); }

TFrmNote* LatestNoteWindow() { return Latest().data(); }

}  // namespace mirevo
