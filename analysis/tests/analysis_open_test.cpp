// The analysis window as the workbench opens it: from the analysis picture button
// and by a double-click on a name of the high-score list.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "analysis/tests/analysis_fixture.h"
#include "analysis/ui/analysis_window.h"
#include "app/ui/byte_limited_edit.h"
#include "app/ui/messages.h"
#include "app/ui/qtgbk.h"
#include "app/workbench/main_window.h"
#include "app/workbench/picture_button.h"
#include "app/workbench/startup.h"
#include "data/core/refdb.h"
#include "naming/ui/name_list_model.h"
#include "tests/support/qt_messages.h"

using namespace mirevo;

namespace {

using mirevo::testing::g_messages;

// What the analysis window showed when it opened.
struct Seen {
  bool opened = false;
  QString surname, given, year, hour, minute, calendar;
  QStringList pane;
};

// Global, so that a timer left over from a failed test has something to write to.
Seen g_seen;

void InspectWhenOpen() {
  g_seen = Seen();
  QTimer::singleShot(0, [] {
    Seen& seen = g_seen;
    auto* w = qobject_cast<TFrmmain*>(QApplication::activeModalWidget());
    if (!w) return;
    seen.opened = true;
    seen.surname = w->NameA->text();
    seen.given = w->NameB->text();
    seen.year = w->SYear->currentText();
    seen.hour = w->Shour->currentText();
    seen.minute = w->RzComboBox8->currentText();
    seen.calendar = w->ComDate->currentText();
    const QString text = w->RzMemo1->toPlainText();
    if (!text.isEmpty()) seen.pane = text.split(QLatin1Char('\n'));
    w->RzBitBtn4->click();
  });
}

}  // namespace

class AnalysisOpenTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    g_messages.clear();
    SetMessageSink(&mirevo::testing::RecordMessage);
    TFrmZiveda::SetExitHook([] {});
    TFrmmain::SetClockHook([] { return CivilDate{2010, 6, 1}; });
    tmp_ = std::make_unique<testing::TempFolder>();
    testing::WriteAnalysisDatabases(tmp_->path());
    SetDataFolder(tmp_->path());
  }

  void aDoubleClickOnAHighScoreNameShowsItsReport() {
    TFrmZiveda main;
    main.show();
    WorkbenchControls& c = main.controls();
    c.Xing->setText(QStringLiteral("李"));
    c.SYear->setEditText(QStringLiteral("1980"));
    c.Shour->setEditText(QStringLiteral("亥 22"));
    auto* names = qobject_cast<NameListModel*>(c.ListBox1->model());
    QVERIFY(names != nullptr);
    names->Append({GBK("李家乐(84分)")});
    const QModelIndex first = names->index(0);
    c.ListBox1->setCurrentIndex(first);
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QCoreApplication::processEvents();
    QVERIFY(c.ListBox1->visualRect(first).isValid());
    InspectWhenOpen();
    const Seen& seen = g_seen;
    // A double-click as the system delivers it: a click, then the double-click.
    const QPoint at = c.ListBox1->visualRect(first).center();
    QTest::mouseClick(c.ListBox1->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(c.ListBox1->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(seen.opened);
    QCOMPARE(seen.surname, QStringLiteral("李"));
    QCOMPARE(seen.given, QStringLiteral("家乐"));
    QCOMPARE(seen.hour, QStringLiteral("亥 22"));
    QCOMPARE(seen.minute, QStringLiteral("01"));  // the workbench's minute as it shows it
    QCOMPARE(seen.pane.size(), 40);
    QCOMPARE(seen.pane[0], QStringLiteral("李家乐,您今年:30岁"));
    QCOMPARE(seen.pane[1], QStringLiteral("您出生公历: 1980年01月01日22点01分"));
    QCOMPARE(seen.pane[5], QStringLiteral("综合评分: 84分"));
    QVERIFY2(g_messages.isEmpty(), qPrintable(g_messages.join(QLatin1Char('|'))));
  }

  void thePictureButtonOpensItForTheSurnameAlone() {
    TFrmZiveda main;
    main.show();
    main.controls().Xing->setText(QStringLiteral(" 欧阳 "));
    main.controls().ComDate->setCurrentIndex(1);
    InspectWhenOpen();
    const Seen& seen = g_seen;
    QTest::mouseClick(main.picture("Image6"), Qt::LeftButton);
    QVERIFY(seen.opened);
    QCOMPARE(seen.surname, QStringLiteral("欧阳"));
    QCOMPARE(seen.given, QString());
    QCOMPARE(seen.year, QStringLiteral("2010"));
    QCOMPARE(seen.calendar, QStringLiteral("农历"));
    QVERIFY(seen.pane.isEmpty());
    QVERIFY(g_messages.isEmpty());
  }

 private:
  std::unique_ptr<testing::TempFolder> tmp_;
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  StartUp(app);
  AnalysisOpenTest t;
  return QTest::qExec(&t, argc, argv);
}

#include "analysis_open_test.moc"
