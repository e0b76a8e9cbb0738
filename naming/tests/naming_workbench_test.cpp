#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/ui/byte_limited_edit.h"
#include "app/ui/messages.h"
#include "app/ui/qtgbk.h"
#include "app/workbench/main_window.h"
#include "app/workbench/startup.h"
#include "naming/core/candidate_display.h"
#include "naming/core/generation_run.h"
#include "naming/core/stroke_plans.h"
#include "naming/tests/naming_fixture.h"
#include "naming/ui/name_list_model.h"
#include "naming/ui/naming_workbench.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_messages.h"

using namespace mirevo;

namespace {

using mirevo::testing::g_messages;
int g_exits = 0;

// Leaving a control for another one of the window.
void Leave(QWidget* w) {
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QCoreApplication::sendEvent(w, &out);
}

void Pick(QComboBox* box, int index) {
  box->setCurrentIndex(index);
  emit box->activated(index);
}

QStringList Entries(const WorkbenchControls& c) {
  QStringList out;
  for (int i = 0; i < c.CBCode->count(); ++i) out << c.CBCode->itemText(i);
  return out;
}

QStringList HighScores(TFrmZiveda& w) { return w.naming()->high_scores()->Lines(); }

QStringList PaneLines(const WorkbenchControls& c) {
  const QString text = c.MemoSuccess->toPlainText();
  return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

// What the panes must hold after a run with these inputs, from the core alone.
struct ExpectedPanes {
  QStringList pane, high;
};
ExpectedPanes Expect(const RunInputs& in, const Picking& picking) {
  struct Sink : RunSink {
    void StartRun() override { d.StartRun(); }
    void ClearHighScores() override {}
    void QueryStarted(int, int) override {}
    void Candidate(Gbk name) override { d.Show(name, picking); }
    CandidateDisplay d;
    Picking picking;
  } sink;
  sink.picking = picking;
  NamingDatabase db;
  std::atomic<bool> flag{true};
  GenerateNames(db.run_query, in, flag, sink);
  sink.d.FinishRun();
  ExpectedPanes e;
  for (const Gbk& l : sink.d.TakePaneLines()) e.pane << ToQString(l);
  for (const Gbk& n : sink.d.TakeHighScores()) e.high << ToQString(n);
  return e;
}

RunInputs AllPlansOf(const char* surname) {
  RunInputs in;
  in.workbench.surname = Gbk::FromUtf8(surname);
  NamingDatabase db;
  StrokePlans plans = BuildStrokePlans(db.plan_query, in.workbench);
  in.plan = AutomaticPlan();
  in.plan_entries.assign(plans.entries.begin() + 1, plans.entries.end());
  return in;
}

}  // namespace

class NamingWorkbenchTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    g_messages.clear();
    g_exits = 0;
    SetMessageSink(&mirevo::testing::RecordMessage);
    TFrmZiveda::SetExitHook([] { ++g_exits; });
    tmp_ = std::make_unique<testing::TempFolder>();
    UseDatabase(testing::NamingFixtureSql());
    SetDataFolder(tmp_->path());
  }

  void plansFollowTheInputs() {
    TFrmZiveda w;
    WorkbenchControls& c = w.controls();
    Leave(c.Xing);  // empty surname: no rebuild
    QCOMPARE(Entries(c), QStringList{QStringLiteral("电脑全自动")});
    c.Xing->setText(QStringLiteral(" 张 "));
    Leave(c.Xing);
    const QStringList zhang = {QStringLiteral("电脑全自动"), QStringLiteral("11|8-9(90分)"), QStringLiteral("11|6-8(80分)"),
                               QStringLiteral("11|9-8(85分)"), QStringLiteral("11|8-6(76分)")};
    QCOMPARE(Entries(c), zhang);
    QCOMPARE(w.naming()->name_form().value(), 12);
    c.CBCode->setCurrentIndex(2);
    Pick(c.CBsex, 1);  // any rebuild drops the picked plan
    QCOMPARE(c.CBCode->currentIndex(), 0);

    c.CBzhishukongz->setChecked(true);
    c.Gudingzi->setText(QStringLiteral("明"));
    Pick(c.CBXingshi, 1);  // 单字名 disables and empties the fixed character
    QVERIFY(!c.CBzhishukongz->isEnabled());
    QVERIFY(!c.CBzhishukongz->isChecked());
    QVERIFY(!c.CBdijizi->isEnabled());
    QCOMPARE(c.Gudingzi->text(), QString());
    QCOMPARE(w.naming()->name_form().value(), 11);
    QCOMPARE(Entries(c).size(), 4);
    Pick(c.CBXingshi, 0);
    QVERIFY(c.CBzhishukongz->isEnabled());
    QVERIFY(!c.CBzhishukongz->isChecked());
    QVERIFY(c.CBdijizi->isEnabled());
    QCOMPARE(Entries(c), zhang);

    c.Xing->setText(QStringLiteral("欧阳"));
    Leave(c.Xing);
    QCOMPARE(w.naming()->name_form().value(), 22);
    c.Xing->setText(QString());
    Leave(c.Xing);  // the list stays as it was
    QCOMPARE(Entries(c).size(), 3);
    QVERIFY(g_messages.isEmpty());
  }

  void fixedCharacterAndMinimumScore() {
    TFrmZiveda w;
    WorkbenchControls& c = w.controls();
    c.Xing->setText(QStringLiteral("张"));
    c.Gudingzi->setText(QStringLiteral("明"));
    c.CBzhishukongz->click();
    QCOMPARE(Entries(c), (QStringList{QStringLiteral("电脑全自动"), QStringLiteral("11|8-9(90分)"), QStringLiteral("11|8-6(76分)")}));
    Pick(c.CBdijizi, 1);
    QCOMPARE(Entries(c), (QStringList{QStringLiteral("电脑全自动"), QStringLiteral("11|6-8(80分)"), QStringLiteral("11|9-8(85分)")}));
    c.Gudingzi->setText(QString());
    Leave(c.Gudingzi);
    QCOMPARE(Entries(c).size(), 5);

    c.ZuidiFee->setText(QStringLiteral("85"));
    c.CBFeeXX->click();
    QCOMPARE(Entries(c), (QStringList{QStringLiteral("电脑全自动"), QStringLiteral("11|8-9(90分)"), QStringLiteral("11|9-8(85分)")}));
    c.ZuidiFee->setText(QString());
    Leave(c.ZuidiFee);
    QCOMPARE(c.ZuidiFee->text(), QString());  // empty stays empty, no condition
    QCOMPARE(Entries(c).size(), 5);
    QVERIFY(g_messages.isEmpty());
  }

  void exitRepairsJunk() {
    TFrmZiveda w;
    WorkbenchControls& c = w.controls();
    c.Xing->setText(QStringLiteral("张"));
    c.CBFeeXX->setChecked(true);
    for (const char* junk : {"abc", "9 0", "８５", "1.5"}) {
      c.ZuidiFee->setText(QString::fromUtf8(junk));
      Leave(c.ZuidiFee);
      QCOMPARE(c.ZuidiFee->text(), QStringLiteral("70"));
      c.Sorcss->setText(QString::fromUtf8(junk));
      Leave(c.Sorcss);
      QCOMPARE(c.Sorcss->text(), QStringLiteral("95"));
    }
    QCOMPARE(Entries(c).size(), 5);  // every plan scores 70 or more
    c.ZuidiFee->setText(QStringLiteral(" 80 "));
    Leave(c.ZuidiFee);
    QCOMPARE(c.ZuidiFee->text(), QStringLiteral(" 80 "));
    QCOMPARE(Entries(c).size(), 4);
    // Losing the focus to a message box or another window is no exit.
    c.ZuidiFee->setText(QStringLiteral("abc"));
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(c.ZuidiFee, &away);
    QCOMPARE(c.ZuidiFee->text(), QStringLiteral("abc"));
    QVERIFY(g_messages.isEmpty());
  }

  void aDatabaseErrorKeepsTheOldList() {
    UseDatabase(std::string(testing::kWordSchema) + "DROP TABLE zh;");
    TFrmZiveda w;
    WorkbenchControls& c = w.controls();
    c.Xing->setText(QStringLiteral("张"));
    Leave(c.Xing);
    QCOMPARE(g_messages.size(), 1);
    QVERIFY(g_messages[0].startsWith(QStringLiteral("error:")));
    QCOMPARE(Entries(c), QStringList{QStringLiteral("电脑全自动")});
  }

  void textOutsideGbkGetsAMessage() {
    TFrmZiveda w;
    WorkbenchControls& c = w.controls();
    c.Xing->setText(QStringLiteral("张"));
    c.CBzhishukongz->setChecked(true);
    c.Gudingzi->setText(QString::fromUtf8("😀"));
    Leave(c.Gudingzi);
    QCOMPARE(g_messages.size(), 1);
    QVERIFY(g_messages[0].startsWith(QStringLiteral("information:")));
    QVERIFY(g_messages[0].contains(QStringLiteral("U+1F600")));
    c.Button1->click();
    QCOMPARE(g_messages.size(), 2);
    QVERIFY(!w.naming()->Busy());
  }

  void anEmptySurnameStartsNoRun() {
    TFrmZiveda w;
    WorkbenchControls& c = w.controls();
    c.Xing->setText(QStringLiteral("  "));
    c.Button1->click();
    QCOMPARE(g_messages, QStringList{QStringLiteral("information:姓不能为空!")});
    QVERIFY(!w.naming()->Busy());
    QCOMPARE(w.focusWidget(), static_cast<QWidget*>(c.Xing));
  }

  void aRunFillsBothPanes() {
    TFrmZiveda w;
    WorkbenchControls& c = w.controls();
    c.Xing->setText(QStringLiteral("张"));
    Leave(c.Xing);
    const ExpectedPanes expected = Expect(AllPlansOf("张"), {true, Gbk::Ascii("75")});
    QCOMPARE(expected.pane.size(), 2);  // 12 names: a full row and the last five
    Run(w);
    QCOMPARE(PaneLines(c), expected.pane);
    QCOMPARE(HighScores(w), expected.high);
    QCOMPARE(HighScores(w).size(), 12);
    QVERIFY2(c.Progress->text().startsWith(QStringLiteral("取名完成")), qPrintable(c.Progress->text()));
    QVERIFY(c.Progress->text().contains(QStringLiteral("12 个名字")));

    // The threshold is read as names are shown; 76 keeps 张武安(76分), 77 does not.
    c.Sorcss->setText(QStringLiteral("76"));
    Run(w);
    QVERIFY(HighScores(w).contains(QStringLiteral("张武安(76分)")));
    c.Sorcss->setText(QStringLiteral("77"));
    Run(w);
    QVERIFY(!HighScores(w).contains(QStringLiteral("张武安(76分)")));
    QCOMPARE(HighScores(w), Expect(AllPlansOf("张"), {true, Gbk::Ascii("77")}).high);
    c.CBInitFee->setChecked(false);
    Run(w);
    QVERIFY(HighScores(w).isEmpty());
    QCOMPARE(PaneLines(c), expected.pane);

    // Copying the list, also an empty one.
    c.CBInitFee->setChecked(true);
    Run(w);
    c.Button6->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), HighScores(w).join(QLatin1Char('\n')));
    QCOMPARE(g_messages.last(), QStringLiteral("information:复制成功！"));
    c.CBInitFee->setChecked(false);
    Run(w);
    c.Button6->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    QCOMPARE(g_messages, (QStringList{QStringLiteral("information:复制成功！"), QStringLiteral("information:复制成功！")}));
  }

  void anUnreadableScoreEndsTheRunAndSaysSo() {
    TFrmZiveda w;
    WorkbenchControls& c = w.controls();
    c.Xing->setText(QStringLiteral("张"));
    Leave(c.Xing);
    c.CBCode->addItem(QStringLiteral("11|8-9(9分)"));
    c.CBCode->setCurrentIndex(c.CBCode->count() - 1);
    Run(w);
    QCOMPARE(PaneLines(c), QStringList());
    QVERIFY2(c.Progress->text().contains(QStringLiteral("读不出")), qPrintable(c.Progress->text()));
    QVERIFY(g_messages.isEmpty());
  }

  void stopEndsTheRunAfterItsGroup() {
    UseDatabase(testing::BulkDictionarySql(200, 200));  // 40000 names for one plan
    TFrmZiveda w;
    WorkbenchControls& c = w.controls();
    c.Xing->setText(QStringLiteral("张"));
    Leave(c.Xing);
    c.CBCode->setCurrentIndex(1);
    QSignalSpy ended(w.naming(), &NamingWorkbench::RunEnded);
    c.Button1->click();
    c.Button3->click();
    QVERIFY(!c.Button3->isEnabled());
    QVERIFY(ended.wait(20000));
    // A single plan shows its first group of nine, then sees the flag.
    QCOMPARE(PaneLines(c).size(), 2);
    QCOMPARE(c.MemoSuccess->toPlainText().count(QStringLiteral("(90分)")), 9);
    QVERIFY2(c.Progress->text().startsWith(QStringLiteral("已停止取名")), qPrintable(c.Progress->text()));
    QTRY_VERIFY_WITH_TIMEOUT(c.Button3->isEnabled(), 3000);

    // Stop with no run going on does no harm.
    c.Button3->click();
    QVERIFY(!c.Button3->isEnabled());
    QVERIFY(!w.naming()->Busy());
    QTRY_VERIFY_WITH_TIMEOUT(c.Button3->isEnabled(), 3000);
  }

  void manyStartsInARowEndWithOneWholeRun() {
    UseDatabase(testing::BulkDictionarySql(100, 100));  // 10000 names
    TFrmZiveda w;
    WorkbenchControls& c = w.controls();
    c.Xing->setText(QStringLiteral("张"));
    Leave(c.Xing);
    QSignalSpy ended(w.naming(), &NamingWorkbench::RunEnded);
    for (int i = 0; i < 5; ++i) c.Button1->click();
    QVERIFY(w.naming()->Busy());
    QTRY_VERIFY_WITH_TIMEOUT(!w.naming()->Busy(), 30000);
    QCOMPARE(ended.count(), 2);  // the first run and the one latest request
    QCOMPARE(c.MemoSuccess->toPlainText().count(QStringLiteral("(90分)")), 10000);
    QCOMPARE(PaneLines(c).size(), (10000 + 6) / 7);
    QCOMPARE(HighScores(w).size(), 10000);
    QVERIFY(c.Progress->text().startsWith(QStringLiteral("取名完成")));
  }

  void closingMidRunEndsTheWorker() {
    UseDatabase(testing::BulkDictionarySql(300, 300));
    QElapsedTimer clock;
    {
      TFrmZiveda w;
      w.show();
      WorkbenchControls& c = w.controls();
      c.Xing->setText(QStringLiteral("张"));
      Leave(c.Xing);
      c.Button1->click();
      QVERIFY(w.naming()->Busy());
      clock.start();
      c.Button2->click();
      QCOMPARE(g_exits, 1);
      QVERIFY(!w.naming()->Busy());
    }
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
  }

  void doubleClickOpensTheAnalysisWithTheGivenName() {
    QList<AnalysisHandOver> opened;
    NamingWorkbench::SetAnalysisOpener([&](QWidget*, const AnalysisHandOver& h) { opened << h; });
    TFrmZiveda w;
    w.show();
    WorkbenchControls& c = w.controls();
    auto doubleClick = [&](int row) {
      const QModelIndex index = c.ListBox1->model()->index(row, 0);
      c.ListBox1->setCurrentIndex(index);
      const QPoint at = c.ListBox1->visualRect(index).center();
      QTest::mousePress(c.ListBox1->viewport(), Qt::LeftButton, {}, at);  // the view wants its own press
      QTest::mouseDClick(c.ListBox1->viewport(), Qt::LeftButton, {}, at);
    };
    c.Xing->setText(QStringLiteral("欧阳"));
    Pick(c.CBXingshi, 1);
    Pick(c.ComDate, 1);
    Run(w);
    QCOMPARE(HighScores(w).first(), QStringLiteral("欧阳明(90分)"));
    doubleClick(0);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0].surname, QStringLiteral("欧阳"));
    QCOMPARE(opened[0].given, QStringLiteral("明"));
    QCOMPARE(opened[0].sex, QStringLiteral("男"));
    QCOMPARE(opened[0].year, QStringLiteral("2010"));
    QCOMPARE(opened[0].month, QStringLiteral("01"));
    QCOMPARE(opened[0].hour, QStringLiteral("子 0"));
    QCOMPARE(opened[0].minute, QStringLiteral("01"));
    QCOMPARE(opened[0].calendar_index, 1);

    // An empty list opens nothing.
    c.CBInitFee->setChecked(false);
    Run(w);
    QTest::mouseDClick(c.ListBox1->viewport(), Qt::LeftButton, {}, QPoint(10, 8));
    QCOMPARE(opened.size(), 1);
    NamingWorkbench::SetAnalysisOpener([](QWidget* p, const AnalysisHandOver& h) { OpenNameAnalysis(p, h); });
  }

  void oddSurnamesRunWithoutHarm() {
    TFrmZiveda w;
    WorkbenchControls& c = w.controls();
    for (const char* surname : {"O'", "%s", "龍"}) {
      c.Xing->setText(QString::fromUtf8(surname));
      Leave(c.Xing);
      QCOMPARE(Entries(c), QStringList{QStringLiteral("电脑全自动")});
      Run(w);
      QCOMPARE(PaneLines(c), QStringList());
      QVERIFY2(c.Progress->text().contains(QStringLiteral("没有可用的笔画方案")), qPrintable(c.Progress->text()));
    }
    QVERIFY(g_messages.isEmpty());
  }

 private:
  void UseDatabase(const std::string& sql) { testing::WriteDatabase(*tmp_ / "Dazezed.dll", sql); }
  static void Run(TFrmZiveda& w) {
    QSignalSpy ended(w.naming(), &NamingWorkbench::RunEnded);
    w.controls().Button1->click();
    QVERIFY(ended.wait(20000));
    QVERIFY(!w.naming()->Busy());
  }

  std::unique_ptr<testing::TempFolder> tmp_;
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  StartUp(app);
  NamingWorkbenchTest t;
  return QTest::qExec(&t, argc, argv);
}

#include "naming_workbench_test.moc"
