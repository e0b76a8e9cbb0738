// The chart, note and element picture buttons of the workbench.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "app/ui/byte_limited_edit.h"
#include "app/ui/messages.h"
#include "app/ui/qtgbk.h"
#include "app/workbench/main_window.h"
#include "app/workbench/picture_button.h"
#include "data/core/refdb.h"
#include "readings/core/note.h"
#include "readings/ui/element_window.h"
#include "readings/ui/note_window.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_messages.h"

using namespace mirevo;

namespace {
using mirevo::testing::g_messages;
QList<TFrmNote*> NoteWindows() {
  QList<TFrmNote*> notes;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* n = qobject_cast<TFrmNote*>(w); n && n->isVisible()) notes << n;
  return notes;
}
}  // namespace

class ChartWorkbenchTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    g_messages.clear();
    SetMessageSink(&mirevo::testing::RecordMessage);
    TFrmZiveda::SetExitHook([] {});
    SetDataFolder(testing::BinFolder());
  }
  void cleanup() {
    for (TFrmNote* n : NoteWindows()) n->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void theChartButtonShowsTheChartInANoteWindow() {
    TFrmZiveda w;
    w.show();
    QTest::mouseClick(w.picture("Image2"), Qt::LeftButton);
    QCOMPARE(g_messages, QStringList{QStringLiteral("information:姓不能为空!")});
    QCOMPARE(NoteWindows().size(), 0);

    g_messages.clear();
    w.controls().Xing->setText(QStringLiteral("张"));
    QTest::mouseClick(w.picture("Image2"), Qt::LeftButton);
    QVERIFY2(g_messages.isEmpty(), qPrintable(g_messages.join(QLatin1Char('|'))));
    const QList<TFrmNote*> notes = NoteWindows();
    QCOMPARE(notes.size(), 1);
    QCOMPARE(notes[0]->windowTitle(), QStringLiteral("您的八字分析结果..."));
    const QString chart = w.controls().REbazi->toPlainText();
    QCOMPARE(notes[0]->pane()->toPlainText(), chart);
    // The workbench's start values: a boy born 2010-01-01 at 0:01.
    QVERIFY(chart.startsWith(QStringLiteral("姓氏：张\n")));
    QVERIFY(chart.contains(QStringLiteral("\n您出生公历：2010年01月01日0点01分\n")));
    QVERIFY(chart.endsWith(QStringLiteral("<-----------------------以上内容只作参考----------------------------->")));
    // The main window stays usable beside the note.
    QVERIFY(!notes[0]->isModal());
    QVERIFY(w.isEnabled());
  }

  void theReadingButtonsShowTheirNotes() {
    TFrmZiveda w;
    w.show();
    QTest::mouseClick(w.picture("Image8"), Qt::LeftButton);
    QTest::mouseClick(w.picture("Image9"), Qt::LeftButton);
    QTest::mouseClick(w.picture("Image8"), Qt::LeftButton);
    const QList<TFrmNote*> notes = NoteWindows();
    QCOMPARE(notes.size(), 3);
    QStringList titles;
    for (TFrmNote* n : notes) {
      titles << n->windowTitle();
      QVERIFY(!n->pane()->toPlainText().isEmpty());
    }
    const QString guide = ToQString(NoteOf(Gbk::Ascii("XM016")).title);
    const QString knowledge = ToQString(NoteOf(Gbk::Ascii("XM017")).title);
    QVERIFY(guide != QStringLiteral("算命") && knowledge != QStringLiteral("算命") && guide != knowledge);
    QCOMPARE(titles.count(guide), 2);
    QCOMPARE(titles.count(knowledge), 1);
  }

  void theElementButtonOpensTheLookupModally() {
    TFrmZiveda w;
    w.show();
    QString result;
    bool modal = false;
    QTimer::singleShot(0, [&] {
      auto* lookup = qobject_cast<TFrmWuxing*>(QApplication::activeModalWidget());
      if (!lookup) return;
      modal = lookup->isModal();
      lookup->Wuxing->setText(QStringLiteral("张王"));
      QTest::mouseClick(lookup->RzBitBtn1, Qt::LeftButton);
      result = lookup->Reswu->text();
      QTest::mouseClick(lookup->RzBitBtn2, Qt::LeftButton);
    });
    QTest::mouseClick(w.picture("Image7"), Qt::LeftButton);
    QVERIFY(modal);
    QCOMPARE(result.size(), 2);  // one element for each character
    for (QChar ch : result) QVERIFY(QStringLiteral("金木水火土").contains(ch));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ChartWorkbenchTest t;
  return QTest::qExec(&t, argc, argv);
}

#include "chart_workbench_test.moc"
