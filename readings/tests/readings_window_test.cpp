#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include "app/ui/byte_limited_edit.h"
#include "app/ui/messages.h"
#include "app/ui/report_output.h"
#include "data/tests/dictionary_fixture.h"
#include "readings/ui/element_window.h"
#include "readings/ui/note_window.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_messages.h"

using namespace mirevo;

namespace {
using mirevo::testing::g_messages;

int OpenNoteWindows() {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<TFrmNote*>(w) && w->isVisible()) ++n;
  return n;
}

void CloseAllNotes() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<TFrmNote*>(w)) w->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
}  // namespace

class ReadingsWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    g_messages.clear();
    SetMessageSink(&mirevo::testing::RecordMessage);
    tmp_ = std::make_unique<testing::TempFolder>();
    SetDataFolder(tmp_->path());
    testing::WriteDatabase(*tmp_ / "KelBirth.dll",
                           "CREATE TABLE Noter (Cid TEXT, Tite TEXT, content TEXT);"
                           "INSERT INTO Noter VALUES ('XM016',' 取名指南 ', '  第一段' || char(10) || '第二段  ');");
  }
  void cleanup() {
    CloseAllNotes();
    SetPrintHook(nullptr);
  }

  void aNoteShowsItsTrimmedTextUnderItsTitle() {
    TFrmNote* w = ShowNote(Gbk::Ascii("XM016"));
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("取名指南"));
    QCOMPARE(w->pane()->toPlainText(), QStringLiteral("第一段\n第二段"));
    QCOMPARE(w->size(), QSize(652, 466));
    QCOMPARE(w->RzBitBtn1->text(), QStringLiteral("打印"));
    QCOMPARE(w->RzBitBtn2->text(), QStringLiteral("设置.."));
    QCOMPARE(w->RzBitBtn3->text(), QStringLiteral("关闭"));
    QCOMPARE(w->RzPanel1->height(), 33);
    QVERIFY(!w->isModal());
    QCOMPARE(w->pane()->font().pixelSize(), 12);
    QCOMPARE(LatestNoteWindow(), w);
  }

  void aKeyWithoutANoteShowsAnEmptyPaneUnderTheDefaultCaption() {
    TFrmNote* w = ShowNote(Gbk::Ascii("XM099"));
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("算命"));
    QVERIFY(w->pane()->toPlainText().isEmpty());
  }

  void unreadableNotesOpenNothingAndSayNothing() {
    std::filesystem::remove(*tmp_ / "KelBirth.dll");
    QCOMPARE(ShowNote(Gbk::Ascii("XM016")), nullptr);
    QCOMPARE(OpenNoteWindows(), 0);
    QVERIFY(g_messages.isEmpty());
  }

  void everyOpeningAddsAWindowAndClosingFreesIt() {
    QPointer<TFrmNote> first = ShowNote(Gbk::Ascii("XM016"));
    QPointer<TFrmNote> second = ShowNote(Gbk::Ascii("XM016"));
    QVERIFY(first && second && first != second);
    QCOMPARE(OpenNoteWindows(), 2);
    QCOMPARE(LatestNoteWindow(), second.data());
    QTest::mouseClick(second->RzBitBtn3, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!second);
    QVERIFY(first && first->isVisible());
    QCOMPARE(LatestNoteWindow(), nullptr);
  }

  void aGivenTextKeepsItsBlanksAndBrackets() {
    const QString text = QStringLiteral("<-----分隔线----->\n      1-2岁   3岁\n纳音：海中金 \n");
    TFrmNote* w = ShowNoteText(text, QStringLiteral("您的八字分析结果..."));
    QCOMPARE(w->windowTitle(), QStringLiteral("您的八字分析结果..."));
    QCOMPARE(w->pane()->toPlainText(), text);
  }

  void printingHandsThePaneToThePrinter() {
    const QTextEdit* printed = nullptr;
    SetPrintHook([&](const QTextEdit* pane) { printed = pane; });
    TFrmNote* w = ShowNote(Gbk::Ascii("XM016"));
    QTest::mouseClick(w->RzBitBtn1, Qt::LeftButton);
    QCOMPARE(printed, w->pane());
    QVERIFY(printed->toPlainText().startsWith(QStringLiteral("第一段")));
  }

  void theElementLookup() {
    testing::WriteDatabase(*tmp_ / "Dazezed.dll", testing::DictionaryFixtureSql());
    Connection connection(*tmp_ / "Dazezed.dll");
    Query query(connection);
    TFrmWuxing w(nullptr, query);
    QCOMPARE(w.windowTitle(), QStringLiteral("五行查询(最多可以输入5个字)"));
    QCOMPARE(w.size(), QSize(323, 116));
    QCOMPARE(w.Wuxing->maxBytes(), 10);
    w.Wuxing->setText(QStringLiteral("张三伟国發龍"));
    QCOMPARE(w.Wuxing->text(), QStringLiteral("张三伟国發"));  // five characters at most
    QTest::mouseClick(w.RzBitBtn1, Qt::LeftButton);
    QCOMPARE(w.Reswu->text(), QStringLiteral("火金土木水"));
    // A second lookup replaces the result; a character not found adds nothing.
    w.Wuxing->setText(QStringLiteral("龍张"));
    QTest::mouseClick(w.RzBitBtn1, Qt::LeftButton);
    QCOMPARE(w.Reswu->text(), QStringLiteral("火"));
    // Blanks leave the result as it is.
    w.Wuxing->setText(QStringLiteral("   "));
    QTest::mouseClick(w.RzBitBtn1, Qt::LeftButton);
    QCOMPARE(w.Reswu->text(), QStringLiteral("火"));
    QVERIFY(g_messages.isEmpty());
  }

  void elementLookupFailuresAreShown() {
    Connection connection(*tmp_ / "missing.dll");
    Query query(connection);
    TFrmWuxing w(nullptr, query);
    w.Reswu->setText(QStringLiteral("金"));
    w.Wuxing->setText(QStringLiteral("张"));
    QTest::mouseClick(w.RzBitBtn1, Qt::LeftButton);
    QCOMPARE(g_messages.size(), 1);
    QVERIFY(g_messages[0].startsWith(QStringLiteral("error:")));
    QCOMPARE(w.Reswu->text(), QStringLiteral("金"));
    // Text GBK cannot hold gets its message and no lookup.
    g_messages.clear();
    w.Wuxing->setText(QString::fromUtf8("\xF0\x9F\x98\x80"));
    QTest::mouseClick(w.RzBitBtn1, Qt::LeftButton);
    QCOMPARE(g_messages.size(), 1);
    QVERIFY(g_messages[0].startsWith(QStringLiteral("information:")));
    QVERIFY(g_messages[0].contains(QStringLiteral("U+1F600")));
  }

 private:
  std::unique_ptr<testing::TempFolder> tmp_;
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ReadingsWindowTest t;
  return QTest::qExec(&t, argc, argv);
}

#include "readings_window_test.moc"
