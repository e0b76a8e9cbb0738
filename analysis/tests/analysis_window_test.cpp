#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "analysis/tests/analysis_fixture.h"
#include "analysis/ui/analysis_window.h"
#include "app/ui/byte_limited_edit.h"
#include "app/ui/messages.h"
#include "app/ui/qtgbk.h"
#include "app/ui/report_output.h"
#include "data/core/refdb.h"
#include "tests/support/qt_messages.h"

using namespace mirevo;

namespace {

using mirevo::testing::g_messages;

AnalysisHandOver HandOver(const QString& given) {
  AnalysisHandOver h;
  h.surname = QStringLiteral("李");
  h.sex = QStringLiteral("女");
  h.year = QStringLiteral("1981");
  h.month = QStringLiteral("02");
  h.day = QStringLiteral("04");
  h.hour = QStringLiteral("亥 22");
  h.minute = QStringLiteral("05");
  h.given = given;
  return h;
}

QStringList PaneText(const TFrmmain& w) { return w.RzMemo1->toPlainText().split(QLatin1Char('\n')); }

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Runs `inspect` on the analysis window once it is shown modally, then closes it.
void WhenOpen(const std::function<void(TFrmmain&)>& inspect) {
  QTimer::singleShot(0, [inspect] {
    auto* w = qobject_cast<TFrmmain*>(QApplication::activeModalWidget());
    QVERIFY(w != nullptr);
    inspect(*w);
    w->RzBitBtn4->click();
  });
}

}  // namespace

class AnalysisWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    g_messages.clear();
    SetMessageSink(&mirevo::testing::RecordMessage);
    SetSaveDialogHook(nullptr);
    SetPrintHook(nullptr);
    TFrmmain::SetClockHook([] { return CivilDate{2010, 6, 1}; });
    tmp_ = std::make_unique<testing::TempFolder>();
    testing::WriteAnalysisDatabases(tmp_->path());
    SetDataFolder(tmp_->path());
  }

  void everyControlWithItsDefault() {
    TFrmmain w;
    QCOMPARE(w.windowTitle(), QStringLiteral("姓名分析"));
    QCOMPARE(w.size(), QSize(675, 502));
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(w.NameA->maxBytes(), 4);
    QCOMPARE(w.NameB->maxBytes(), 4);
    QCOMPARE(w.Sex->currentText(), QStringLiteral("男"));
    QVERIFY(w.Sex->isEditable());
    QCOMPARE(w.ComDate->currentText(), QStringLiteral("公历"));
    QVERIFY(!w.ComDate->isEditable());
    QCOMPARE(w.SYear->count(), 141);
    QCOMPARE(w.SYear->currentText(), QStringLiteral("1980"));
    QCOMPARE(w.SMonth->itemText(0), QStringLiteral("1"));
    QCOMPARE(w.SMonth->count(), 12);
    QCOMPARE(w.Sday->count(), 31);
    QCOMPARE(w.Sday->currentText(), QStringLiteral("1"));
    QCOMPARE(w.Shour->count(), 24);
    QCOMPARE(w.Shour->itemText(10), QStringLiteral("巳 10"));
    QCOMPARE(w.Shour->itemText(23), QStringLiteral("子 23"));
    QCOMPARE(w.Shour->currentText(), QStringLiteral("子 0"));
    QCOMPARE(w.RzComboBox8->count(), 60);
    QCOMPARE(w.RzComboBox8->itemText(5), QStringLiteral("05"));
    QCOMPARE(w.RzComboBox8->currentText(), QStringLiteral("0"));
    QCOMPARE(w.RzButton1->text(), QStringLiteral("姓名分析"));
    QCOMPARE(w.RzBitBtnprint->text(), QStringLiteral("打印"));
    QCOMPARE(w.BitBtnsave->text(), QStringLiteral("保存"));
    QCOMPARE(w.RzBitBtn4->text(), QStringLiteral("退出"));
    QVERIFY(w.RzMemo1->isReadOnly());
    QCOMPARE(w.RzMemo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(w.RzMemo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  }

  void openedWithAGivenNameTheReportIsThereAtOnce() {
    bool seen = false;
    WhenOpen([&](TFrmmain& w) {
      seen = true;
      const QStringList pane = PaneText(w);
      QCOMPARE(pane.size(), 40);
      QCOMPARE(pane[0], QStringLiteral("李家乐,您今年:29岁"));
      QCOMPARE(pane[1], QStringLiteral("您出生公历: 1981年02月04日22点05分"));
      QCOMPARE(pane[2], QStringLiteral("农历:庚申(猴年)十二月三十"));
      QCOMPARE(pane[3], QStringLiteral("生肖:猴"));
      QCOMPARE(pane[4], QStringLiteral("星座:水瓶座"));
      QCOMPARE(pane[5], QStringLiteral("综合评分: 84分"));
      QCOMPARE(pane[13], QStringLiteral("【总格22的解析】：总格又称后运，影响人生（50岁）以后的命运。 "));
      QCOMPARE(pane.last(), QStringLiteral("<-----------------------以上分析内容只作参考----------------------------->"));
      QCOMPARE(w.Sex->currentText(), QStringLiteral("女"));
      QCOMPARE(w.SMonth->currentText(), QStringLiteral("02"));
      QCOMPARE(w.focusWidget(), w.NameA);
    });
    OpenNameAnalysis(nullptr, HandOver(QStringLiteral("家乐")));
    QVERIFY(seen);
    QVERIFY(g_messages.isEmpty());
  }

  void openedWithoutAGivenNameThePaneIsEmpty() {
    bool seen = false;
    WhenOpen([&](TFrmmain& w) {
      seen = true;
      QCOMPARE(w.NameA->text(), QStringLiteral("李"));
      QCOMPARE(w.NameB->text(), QString());
      QVERIFY(w.RzMemo1->toPlainText().isEmpty());
      QCOMPARE(w.focusWidget(), w.NameA);
    });
    AnalysisHandOver h = HandOver(QString());
    h.calendar_index = 1;
    OpenNameAnalysis(nullptr, h);
    QVERIFY(seen);
    QVERIFY(g_messages.isEmpty());
  }

  void aRejectedInputLeavesThePaneAsItWas() {
    TFrmmain w;
    w.SetInputs(HandOver(QStringLiteral("家乐")));
    w.RzButton1->click();
    const QString before = w.RzMemo1->toPlainText();
    QVERIFY(!before.isEmpty());
    struct Case {
      std::function<void()> change;
      QString message;
    } cases[] = {
        {[&] { w.NameA->clear(); }, QStringLiteral("姓不能为空!")},
        {[&] { w.NameB->setText(QStringLiteral("  ")); }, QStringLiteral("名不能为空!")},
        {[&] { w.SYear->setEditText(QString()); }, QStringLiteral("请选择出生年!")},
        {[&] { w.Shour->setEditText(QString()); }, QStringLiteral("请选择出生小时!")},
        {[&] { w.Sday->setEditText(QStringLiteral("30")), w.SMonth->setEditText(QStringLiteral("2")); },
         QStringLiteral("公历1981-2-30不是有效的日期!")},
        {[&] { w.SYear->setEditText(QStringLiteral("1900")), w.SMonth->setEditText(QStringLiteral("1")),
               w.Sday->setEditText(QStringLiteral("30")); },
         QString()},  // no lunar date
        {[&] { w.ComDate->setCurrentIndex(1), w.SYear->setEditText(QStringLiteral("1900")); }, QString()},
        {[&] { w.ComDate->setCurrentIndex(1), w.Sday->setEditText(QStringLiteral("初一")); },
         QStringLiteral("农历的出生年、月、日请填数字!")},
        {[&] { w.NameB->setText(QStringLiteral("😀")); }, QString()},  // GBK cannot hold it
    };
    for (Case& c : cases) {
      w.SetInputs(HandOver(QStringLiteral("家乐")));
      w.ComDate->setCurrentIndex(0);
      g_messages.clear();
      c.change();
      w.RzButton1->click();
      QCOMPARE(g_messages.size(), 1);
      QVERIFY2(g_messages[0].startsWith(QStringLiteral("information:")), qPrintable(g_messages[0]));
      if (!c.message.isEmpty()) QCOMPARE(g_messages[0], QStringLiteral("information:") + c.message);
      QCOMPARE(w.RzMemo1->toPlainText(), before);
    }
  }

  void aLunarBirthDateIsShownAsGregorian() {
    TFrmmain w;
    w.SetInputs(HandOver(QStringLiteral("家乐")));
    w.ComDate->setCurrentIndex(1);
    w.SYear->setEditText(QStringLiteral("1980"));
    w.SMonth->setEditText(QStringLiteral("12"));
    w.Sday->setEditText(QStringLiteral("30"));
    w.RzButton1->click();
    QVERIFY(g_messages.isEmpty());
    QCOMPARE(PaneText(w)[1], QStringLiteral("您出生公历: 1981年02月04日22点05分"));
  }

  void aFailingReadingTableIsReportedWithTheLinesSoFar() {
    testing::WriteDatabase(tmp_->path() / "KelFile.dll", testing::AnalysisTextsSql() + "DROP TABLE sancai2009;");
    TFrmmain w;
    w.SetInputs(HandOver(QStringLiteral("家乐")));
    w.RzButton1->click();
    QCOMPARE(g_messages.size(), 1);
    QVERIFY2(g_messages[0].startsWith(QStringLiteral("error:")), qPrintable(g_messages[0]));
    QVERIFY(g_messages[0].contains(QStringLiteral("sancai2009")));
    QCOMPARE(PaneText(w).size(), 5 + 12);
  }

  void saveProposesTheNameAndAlwaysAppendsTxt() {
    TFrmmain w;
    w.SetInputs(HandOver(QStringLiteral("三")));
    w.NameA->setText(QStringLiteral(" 张 "));
    int asked = 0;
    SetSaveDialogHook([&](QWidget*, const QString&, const QString&, const QString&) -> std::optional<QString> {
      ++asked;
      return QString();  // cancelled
    });
    w.BitBtnsave->click();  // nothing to save yet
    QCOMPARE(asked, 0);

    w.RzButton1->click();
    QString proposed, title;
    std::optional<QString> answer;
    SetSaveDialogHook([&](QWidget*, const QString& t, const QString& name, const QString&) {
      title = t;
      proposed = name;
      return answer;
    });
    const QString folder = QString::fromStdString(tmp_->path().string()) + QLatin1Char('/');
    for (const QString& chosen : {QStringLiteral("张三"), QStringLiteral("张三.txt")}) {
      answer = folder + chosen;
      w.BitBtnsave->click();
      QCOMPARE(title, QStringLiteral("保存"));
      QCOMPARE(proposed, QStringLiteral("张三"));
      const std::filesystem::path written = (folder + chosen + QStringLiteral(".txt")).toStdString();
      QVERIFY2(std::filesystem::exists(written), written.c_str());
      // GBK lines with CR LF, the pane's lines exactly.
      std::string expected;
      for (const QString& line : PaneText(w)) expected += ToGbk(line).bytes() + "\r\n";
      QCOMPARE(ReadBytes(written), expected);
    }
    QVERIFY(g_messages.isEmpty());

    answer = folder + QStringLiteral("no-such-folder/张三");
    w.BitBtnsave->click();
    QCOMPARE(g_messages.size(), 1);
    QVERIFY2(g_messages[0].startsWith(QStringLiteral("information:")), qPrintable(g_messages[0]));
  }

  void aForbiddenByteInTheNameProposesStarTxt() {
    // 東 ends in byte 124 (|) in GBK; a slash is forbidden as it stands.
    for (const QString& given : {QStringLiteral("東"), QStringLiteral("a/")}) {
      TFrmmain w;
      w.SetInputs(HandOver(given));
      w.RzButton1->click();
      QString proposed;
      SetSaveDialogHook([&](QWidget*, const QString&, const QString& name, const QString&) {
        proposed = name;
        return std::optional<QString>();
      });
      w.BitBtnsave->click();
      QCOMPARE(proposed, QStringLiteral("*.txt"));
    }
  }

  void printPrintsThePane() {
    TFrmmain w;
    int printed = 0;
    SetPrintHook([&](const QTextEdit* pane) {
      ++printed;
      QCOMPARE(pane, w.RzMemo1);
    });
    w.RzBitBtnprint->click();
    QCOMPARE(printed, 0);  // nothing to print yet
    w.SetInputs(HandOver(QStringLiteral("家乐")));
    w.RzButton1->click();
    w.RzBitBtnprint->click();
    QCOMPARE(printed, 1);
  }

 private:
  std::unique_ptr<testing::TempFolder> tmp_;
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  AnalysisWindowTest t;
  return QTest::qExec(&t, argc, argv);
}

#include "analysis_window_test.moc"
