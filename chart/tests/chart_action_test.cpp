// The chart picture button on a workbench's inputs.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include "app/ui/messages.h"
#include "app/ui/qtgbk.h"
#include "chart/core/chart_report.h"
#include "chart/ui/chart_action.h"
#include "data/core/refdb.h"
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

QComboBox* Combo(QWidget* parent, const QStringList& items, bool editable) {
  auto* cb = new QComboBox(parent);
  cb->addItems(items);
  cb->setEditable(editable);
  return cb;
}

// The birth inputs of a workbench, as its pickers hold them.
struct Workbench {
  Workbench() {
    c.Xing = new QLineEdit(&window);
    c.CBsex = Combo(&window, {QStringLiteral("男"), QStringLiteral("女")}, false);
    c.ComDate = Combo(&window, {QStringLiteral("公历"), QStringLiteral("农历")}, false);
    c.SYear = Combo(&window, {QStringLiteral("2010")}, true);
    c.SMonth = Combo(&window, {QStringLiteral("01")}, true);
    c.Sday = Combo(&window, {QStringLiteral("01")}, true);
    c.Shour = Combo(&window, {QStringLiteral("子 0")}, true);
    c.CBFen = Combo(&window, {QStringLiteral("01")}, true);
    c.REbazi = new QTextEdit(&window);
    c.REbazi->hide();
  }
  void Birth(const QString& y, const QString& m, const QString& d, const QString& hour, const QString& minute) {
    c.SYear->setEditText(y);
    c.SMonth->setEditText(m);
    c.Sday->setEditText(d);
    c.Shour->setEditText(hour);
    c.CBFen->setEditText(minute);
  }
  QWidget window;
  WorkbenchControls c;
};
}  // namespace

class ChartActionTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    g_messages.clear();
    SetMessageSink(&mirevo::testing::RecordMessage);
    SetDataFolder(testing::BinFolder());
  }
  void cleanup() {
    for (TFrmNote* n : NoteWindows()) n->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void theChartGoesIntoRebaziAndANewNoteWindow() {
    Workbench w;
    w.c.Xing->setText(QStringLiteral(" 张 "));
    w.Birth(QStringLiteral("2000"), QStringLiteral("01"), QStringLiteral("01"), QStringLiteral("午 12"), QStringLiteral("00"));
    PrintChart(&w.window, w.c);
    QVERIFY2(g_messages.isEmpty(), qPrintable(g_messages.join(QLatin1Char('|'))));
    const QList<TFrmNote*> notes = NoteWindows();
    QCOMPARE(notes.size(), 1);
    QCOMPARE(notes[0]->windowTitle(), QStringLiteral("您的八字分析结果..."));
    // The note shows exactly REbazi, line for line, and REbazi exactly the chart.
    QCOMPARE(notes[0]->pane()->toPlainText(), w.c.REbazi->toPlainText());
    ChartRequest request;
    request.surname = Gbk::FromUtf8(" 张 ");
    request.birth = BirthMoment{0, Gbk::Ascii("2000"), Gbk::Ascii("01"), Gbk::Ascii("01"), Gbk::FromUtf8("午 12"),
                                Gbk::Ascii("00"), Gbk::FromUtf8("男")};
    const ChartReport report = PrintChart(request, Today());
    QCOMPARE(w.c.REbazi->toPlainText().split(QLatin1Char('\n')), ToQStringList(report.lines));
    QCOMPARE(report.lines.size(), std::size_t{73});

    // A second chart opens one more window; the first stays.
    w.c.CBsex->setCurrentIndex(1);
    PrintChart(&w.window, w.c);
    QCOMPARE(NoteWindows().size(), 2);
    QVERIFY(notes[0]->isVisible());
    QVERIFY(w.c.REbazi->toPlainText().contains(QStringLiteral("大运：丙子   丁丑")));  // a girl's luck runs forward
  }

  void aFailedCheckLeavesThePreviousChart() {
    Workbench w;
    w.window.show();
    w.c.REbazi->setPlainText(QStringLiteral("previous chart"));
    w.c.CBFen->setFocus();
    PrintChart(&w.window, w.c);
    QCOMPARE(g_messages, QStringList{QStringLiteral("information:姓不能为空!")});
    QVERIFY(QTest::qWaitFor([&] { return w.c.Xing->hasFocus(); }, 1000));

    w.c.Xing->setText(QStringLiteral("张"));
    w.Birth(QStringLiteral("2010"), QStringLiteral("02"), QStringLiteral("30"), QStringLiteral("子 0"), QStringLiteral("01"));
    g_messages.clear();
    PrintChart(&w.window, w.c);
    QCOMPARE(g_messages.size(), 1);
    QVERIFY(g_messages[0].startsWith(QStringLiteral("error:")));
    QVERIFY(g_messages[0].contains(QStringLiteral("2010-02-30")));

    w.Birth(QStringLiteral("2010"), QStringLiteral("02"), QStringLiteral("14"), QStringLiteral("子 0"), QStringLiteral("7x"));
    g_messages.clear();
    PrintChart(&w.window, w.c);
    QCOMPARE(g_messages.size(), 1);

    w.c.Xing->setText(QString::fromUtf8("\xF0\x9F\x98\x80"));
    g_messages.clear();
    PrintChart(&w.window, w.c);
    QCOMPARE(g_messages.size(), 1);
    QVERIFY(g_messages[0].contains(QStringLiteral("U+1F600")));

    QCOMPARE(w.c.REbazi->toPlainText(), QStringLiteral("previous chart"));
    QCOMPARE(NoteWindows().size(), 0);
  }

  void aLunarBirthDateIsChartedOnItsGregorianDay() {
    Workbench w;
    w.c.Xing->setText(QStringLiteral("李"));
    w.c.ComDate->setCurrentIndex(1);
    w.Birth(QStringLiteral("2010"), QStringLiteral("01"), QStringLiteral("01"), QStringLiteral("辰 8"), QStringLiteral("30"));
    PrintChart(&w.window, w.c);
    QVERIFY(w.c.REbazi->toPlainText().contains(QStringLiteral("您出生公历：2010年02月14日8点30分")));
    QCOMPARE(NoteWindows().size(), 1);
  }

  void withoutTheBoneWeightTablesNoNoteOpens() {
    testing::TempFolder empty;
    SetDataFolder(empty.path());
    Workbench w;
    w.c.Xing->setText(QStringLiteral("张"));
    PrintChart(&w.window, w.c);
    QVERIFY(g_messages.isEmpty());
    QCOMPARE(NoteWindows().size(), 0);
    QVERIFY(w.c.REbazi->toPlainText().endsWith(QStringLiteral("袁天罡称骨算命：")));
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ChartActionTest t;
  return QTest::qExec(&t, argc, argv);
}

#include "chart_action_test.moc"
