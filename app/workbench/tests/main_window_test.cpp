#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include "app/ui/byte_limited_edit.h"
#include "app/ui/messages.h"
#include "app/workbench/main_window.h"
#include "app/workbench/picture_button.h"
#include "app/workbench/startup.h"
#include "data/core/lookups.h"
#include "data/tests/dictionary_fixture.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_messages.h"

using namespace mirevo;

namespace {
using mirevo::testing::g_messages;
int g_exits = 0;
}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    g_messages.clear();
    g_exits = 0;
    SetMessageSink(&mirevo::testing::RecordMessage);
    TFrmZiveda::SetExitHook([] { ++g_exits; });
    tmp_ = std::make_unique<testing::TempFolder>();
    testing::WriteDatabase(*tmp_ / "Dazezed.dll", testing::DictionaryFixtureSql());
    SetDataFolder(tmp_->path());
  }

  void showsEveryInputWithItsStartValue() {
    TFrmZiveda w;
    WorkbenchControls& c = w.controls();
    QCOMPARE(w.windowTitle(), QStringLiteral("Mirevo"));
    QCOMPARE(w.size(), QSize(1000, 682));
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(c.Xing->text(), QString());
    QCOMPARE(c.CBsex->currentText(), QStringLiteral("男"));
    QCOMPARE(c.ComDate->currentText(), QStringLiteral("公历"));
    QCOMPARE(c.SYear->count(), 141);
    QCOMPARE(c.SYear->currentText(), QStringLiteral("2010"));
    QCOMPARE(c.SMonth->itemText(0), QStringLiteral("01"));
    QCOMPARE(c.Sday->count(), 31);
    QCOMPARE(c.Shour->count(), 24);
    QCOMPARE(c.Shour->itemText(0), QStringLiteral("子 0"));
    QCOMPARE(c.Shour->itemText(23), QStringLiteral("子 23"));
    QCOMPARE(c.Shour->itemText(10), QStringLiteral("巳 10"));
    QCOMPARE(c.CBFen->count(), 60);
    QCOMPARE(c.CBFen->currentText(), QStringLiteral("01"));
    QCOMPARE(c.CBXingshi->currentText(), QStringLiteral("双字名"));
    QCOMPARE(c.CBCode->count(), 1);
    QCOMPARE(c.CBCode->currentText(), QStringLiteral("电脑全自动"));
    QVERIFY(!c.CBzhishukongz->isChecked());
    QCOMPARE(c.CBdijizi->currentText(), QStringLiteral("第二字"));
    QCOMPARE(c.Gudingzi->maxBytes(), 2);
    QCOMPARE(c.ZuidiFee->text(), QStringLiteral("90"));
    QVERIFY(c.CBInitFee->isChecked());
    QCOMPARE(c.Sorcss->text(), QStringLiteral("75"));
    QCOMPARE(c.Button1->text(), QStringLiteral("立即取名"));
    QCOMPARE(c.Button3->text(), QStringLiteral("停止取名"));
    QCOMPARE(c.Button6->text(), QStringLiteral("复制高分"));
    QCOMPARE(c.Button2->text(), QStringLiteral("关闭"));
    QCOMPARE(c.MemoSuccess->geometry(), QRect(9, 195, 788, 452));
    QCOMPARE(c.ListBox1->geometry(), QRect(811, 195, 179, 452));
    QCOMPARE(c.CBjin->y(), 1500);
    QVERIFY(!c.CBTu->isChecked());
    QVERIFY(c.REbazi->isHidden());
    QVERIFY(c.MemoSave->isHidden());
    for (const char* name : {"Image2", "Image4", "Image5", "Image6", "Image7", "Image8", "Image9", "Image13",
                             "Image14", "Image16"})
      QVERIFY2(w.picture(name) != nullptr, name);
    QCOMPARE(w.picture("Image2")->geometry(), QRect(354, 39, 39, 67));
    QCOMPARE(w.picture("Image4")->toolTip(), QStringLiteral("最小化"));
    QCOMPARE(w.picture("Image5")->toolTip(), QStringLiteral("关闭"));
    QVERIFY(g_messages.isEmpty());
  }

  void opensTheNamingConnection() {
    TFrmZiveda w;
    QVERIFY(w.naming_db().connection.ok());
    QCOMPARE(StrokeCount(w.naming_db().plan_query, Gbk::FromUtf8("张")), 11);
  }

  void aMissingDatabaseIsReportedAndTheWindowStillOpens() {
    std::filesystem::remove(*tmp_ / "Dazezed.dll");
    TFrmZiveda w;
    QCOMPARE(g_messages.size(), 1);
    QVERIFY(g_messages[0].startsWith(QStringLiteral("error:")));
    QVERIFY(g_messages[0].contains(QStringLiteral("Dazezed.dll")));
    QVERIFY(!w.naming_db().connection.ok());
    QVERIFY_THROWS_EXCEPTION(DbError, StrokeCount(w.naming_db().plan_query, Gbk::FromUtf8("张")));
  }

  void everyWayOutRunsTheCloseDown() {
    for (const char* way : {"Button2", "Image16", "Image5", "close"}) {
      testing::WriteFile(*tmp_ / "Dazezed.ldb", "lock");
      g_exits = 0;
      TFrmZiveda w;
      w.show();
      if (std::string(way) == "Button2") w.controls().Button2->click();
      else if (std::string(way) == "close") w.close();
      else QTest::mouseClick(w.picture(way), Qt::LeftButton);
      QCOMPARE(g_exits, 1);
      QVERIFY2(!std::filesystem::exists(*tmp_ / "Dazezed.ldb"), way);
      w.close();  // a second close does not run it again
      QCOMPARE(g_exits, 1);
    }
  }

  void theGbkByteLimitHoldsOneCharacter() {
    TFrmZiveda w;
    w.controls().Gudingzi->setText(QStringLiteral("明亮"));
    QCOMPARE(w.controls().Gudingzi->text(), QStringLiteral("明"));
    w.controls().Gudingzi->setText(QStringLiteral("ab明"));
    QCOMPARE(w.controls().Gudingzi->text(), QStringLiteral("ab"));
  }

 private:
  std::unique_ptr<testing::TempFolder> tmp_;
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  StartUp(app);
  MainWindowTest t;
  return QTest::qExec(&t, argc, argv);
}

#include "main_window_test.moc"
