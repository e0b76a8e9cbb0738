#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "calendar/ui/calendar_form.h"
#include "calendar/ui/calendar_widgets.h"
#include "calendar/ui/calendar_window.h"

using namespace mirevo;

namespace {
CivilDate g_today{2024, 2, 10};
CivilDate FixedToday() { return g_today; }

QColor TextColour(const QWidget* w) { return w->palette().color(QPalette::WindowText); }
}  // namespace

class CalendarWindowTest : public QObject {
  Q_OBJECT

  // The cell pair that shows a day of the shown month.
  static const CalendarCellLabels& CellOf(const TFRM_Date& w, int day) {
    for (const CalendarCellLabels& pair : w.controls().cells)
      if (pair.day->isVisible() && pair.day->text() == QString::number(day)) return pair;
    static const CalendarCellLabels none;
    return none;
  }

  static void ExpectMarkerOn(const TFRM_Date& w, int day) {
    const CalendarCellLabels& pair = CellOf(w, day);
    QVERIFY2(pair.day != nullptr, qPrintable(QString::number(day)));
    QCOMPARE(w.controls().Shape2->pos(), QPoint(pair.day->x() - 1, pair.day->y() + 1));
  }

  static void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

 private slots:
  void init() {
    g_today = {2024, 2, 10};
    TFRM_Date::SetTodayHook(&FixedToday);
  }
  void cleanup() { TFRM_Date::SetTodayHook(nullptr); }

  void hasEveryControlAtItsPlace() {
    TFRM_Date w;
    const CalendarControls& c = w.controls();
    QCOMPARE(w.windowTitle(), QStringLiteral("Tovan日历"));
    QCOMPARE(w.size(), QSize(339, 319));
    QCOMPARE(c.UpDown1->minimum(), 1901);
    QCOMPARE(c.UpDown1->maximum(), 2050);
    QCOMPARE(c.UpDown2->minimum(), 1);
    QCOMPARE(c.UpDown2->maximum(), 12);
    QCOMPARE(c.StaticText1->text(), QStringLiteral("今天"));
    QCOMPARE(c.Label18->text(), QStringLiteral("月"));
    QCOMPARE(c.Label19->text(), QStringLiteral("年"));
    QCOMPARE(c.Label17->toolTip(), QStringLiteral("单击改变月份"));
    QCOMPARE(c.Label1->toolTip(), QStringLiteral("单击改变年份"));
    const QStringList names = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    for (int i = 0; i < 7; ++i) {
      for (const QLabel* l : {c.top_headings[i], c.bottom_headings[i]}) {
        QCOMPARE(l->text(), names[i]);
        QCOMPARE(TextColour(l), (i == 0 || i == 6) ? QColor(Qt::red) : QColor(Qt::black));
      }
      QVERIFY(c.top_headings[i]->y() < c.cells[0].day->y());
      QVERIFY(c.bottom_headings[i]->y() > c.cells[35].lunar->geometry().bottom());
    }
    QCOMPARE(c.top_headings[0]->objectName(), QStringLiteral("Label2"));
    QCOMPARE(c.bottom_headings[6]->objectName(), QStringLiteral("Label15"));
    QVERIFY(c.day1->isHidden());
    QVERIFY(c.Cnday->isHidden());
    QCOMPARE(c.day1->geometry(), QRect(14, 56, 36, 16));
    QCOMPARE(c.Cnday->geometry(), QRect(13, 73, 36, 12));
    QCOMPARE(c.Shape2->size(), QSize(38, 30));
    QCOMPARE(c.Shape2->palette().color(QPalette::Window), QColor(0x7E, 0xE2, 0x81));
    // Cells of a row 42 pixels apart, rows 32 pixels apart; cell 37 is the second of row six.
    QCOMPARE(c.cells[0].day->geometry(), QRect(14, 56, 36, 16));
    QCOMPARE(c.cells[6].day->geometry(), QRect(14 + 6 * 42, 56, 36, 16));
    QCOMPARE(c.cells[7].lunar->geometry(), QRect(13, 73 + 32, 36, 12));
    QCOMPARE(c.cells[36].day->geometry(), QRect(14 + 42, 56 + 5 * 32, 36, 16));
    QCOMPARE(c.cells[36].lunar->geometry(), QRect(13 + 42, 73 + 5 * 32, 36, 12));
    QCOMPARE(TextColour(c.Label21), QColor(0xDD, 0xDD, 0xFF));
    QCOMPARE(TextColour(c.Label22), QColor(0xFF, 0x80, 0xFF));
    QCOMPARE(TextColour(c.Label20), QColor(0xFF, 0xE8, 0xDD));
    QCOMPARE(TextColour(c.Label16), QColor(0xEB, 0xEB, 0xEB));
    QCOMPARE(c.Label16->font().pixelSize(), 120);
    QCOMPARE(c.Label20->font().pixelSize(), 64);
    // The pale year and month and the marker lie behind the day cells.
    const QObjectList& order = w.children();
    QVERIFY(order.indexOf(c.Label16) < order.indexOf(c.Shape2));
    QVERIFY(order.indexOf(c.Label20) < order.indexOf(c.Shape2));
    QVERIFY(order.indexOf(c.Shape2) < order.indexOf(c.cells[0].day));
  }

  void showsTodayWithItsLunarLines() {
    TFRM_Date w;
    w.show();
    const CalendarControls& c = w.controls();
    QCOMPARE(w.shownYear(), 2024);
    QCOMPARE(w.shownMonth(), 2);
    QCOMPARE(w.selectedDay(), 10);
    QCOMPARE(c.UpDown1->position(), 2024);
    QCOMPARE(c.UpDown2->position(), 2);
    QCOMPARE(c.Label1->text(), QStringLiteral("2024"));
    QCOMPARE(c.Label20->text(), QStringLiteral("2024"));
    QCOMPARE(c.Label17->text(), QStringLiteral("2"));
    QCOMPARE(c.Label16->text(), QStringLiteral("2"));
    QCOMPARE(c.Label21->text(), QStringLiteral("辰龙"));
    QCOMPARE(c.Label22->text(), QStringLiteral("水瓶座"));
    // 1 February 2024 is a Thursday: cell 5.
    QCOMPARE(c.cells[4].day->text(), QStringLiteral("1"));
    for (int cell : {1, 2, 3, 4, 34, 35, 36, 37}) {
      QVERIFY(c.cells[cell - 1].day->isHidden());
      QVERIFY(c.cells[cell - 1].lunar->isHidden());
    }
    QCOMPARE(c.cells[32].day->text(), QStringLiteral("29"));
    struct Line {
      int day;
      const char* text;
      CellKind kind;
    };
    for (const Line& l : {Line{9, "除夕", CellKind::kFestival}, Line{10, "春节", CellKind::kFestival},
                          Line{4, "立春", CellKind::kTerm}, Line{5, "廿六", CellKind::kDay},
                          Line{14, "情人节", CellKind::kFestival}, Line{24, "元宵节", CellKind::kFestival}}) {
      const CalendarCellLabels& pair = CellOf(w, l.day);
      QCOMPARE(pair.lunar->text(), QString::fromUtf8(l.text));
      QCOMPARE(TextColour(pair.lunar), TFRM_Date::ColourOf(l.kind));
      QCOMPARE(TextColour(pair.day), QColor(Qt::black));
    }
    QCOMPARE(TFRM_Date::ColourOf(CellKind::kDay), QColor(0x00, 0x40, 0x00));
    QCOMPARE(TFRM_Date::ColourOf(CellKind::kMonth), QColor(0xFF, 0x00, 0x00));
    QCOMPARE(TFRM_Date::ColourOf(CellKind::kFestival), QColor(0xFF, 0x80, 0x00));
    QCOMPARE(TFRM_Date::ColourOf(CellKind::kTerm), QColor(0x53, 0x53, 0xFF));
    ExpectMarkerOn(w, 10);
  }

  void stepsMonthsAndYearsWithTheSpinButtons() {
    TFRM_Date w;
    w.show();
    const CalendarControls& c = w.controls();
    Click(c.UpDown2->upButton());
    QCOMPARE(w.shownMonth(), 3);
    QCOMPARE(c.Label17->text(), QStringLiteral("3"));
    QCOMPARE(c.Label16->text(), QStringLiteral("3"));
    QCOMPARE(c.Label22->text(), QStringLiteral("双鱼座"));  // 10 March
    ExpectMarkerOn(w, 10);
    // A month's first lunar day shows the month name in red: 10 March 2024 is 二月初一.
    QCOMPARE(CellOf(w, 10).lunar->text(), QStringLiteral("二月"));
    QCOMPARE(TextColour(CellOf(w, 10).lunar), QColor(0xFF, 0x00, 0x00));

    Click(c.UpDown1->upButton());
    QCOMPARE(w.shownYear(), 2025);
    QCOMPARE(c.Label1->text(), QStringLiteral("2025"));
    QCOMPARE(c.Label20->text(), QStringLiteral("2025"));
    QCOMPARE(c.Label21->text(), QStringLiteral("巳蛇"));
    Click(c.UpDown1->downButton());
    Click(c.UpDown1->downButton());
    QCOMPARE(w.shownYear(), 2023);
    QCOMPARE(c.Label21->text(), QStringLiteral("卯兔"));

    // The spin buttons stop at the ends of their ranges.
    for (int i = 0; i < 14; ++i) Click(c.UpDown2->upButton());
    QCOMPARE(w.shownMonth(), 12);
    QCOMPARE(c.Label17->text(), QStringLiteral("12"));
    for (int i = 0; i < 13; ++i) Click(c.UpDown2->downButton());
    QCOMPARE(w.shownMonth(), 1);
    c.UpDown1->setPosition(2049);
    Click(c.UpDown1->upButton());
    Click(c.UpDown1->upButton());
    QCOMPARE(w.shownYear(), 2050);
    c.UpDown1->setPosition(1902);
    Click(c.UpDown1->downButton());
    Click(c.UpDown1->downButton());
    QCOMPARE(w.shownYear(), 1901);
    QCOMPARE(c.Label1->text(), QStringLiteral("1901"));
  }

  void clickingADayMovesTheMarkerAndSelectsIt() {
    g_today = {2024, 3, 5};
    TFRM_Date w;
    w.show();
    const CalendarControls& c = w.controls();
    QCOMPARE(c.Label22->text(), QStringLiteral("双鱼座"));
    Click(CellOf(w, 31).day);
    ExpectMarkerOn(w, 31);
    QCOMPARE(w.selectedDay(), 31);
    QCOMPARE(w.currentDate(), (CivilDate{2024, 3, 31}));
    // Nothing is rendered again: the constellation stays that of 5 March.
    QCOMPARE(c.Label22->text(), QStringLiteral("双鱼座"));

    // Day 31 shows as 29 February, and again as 31 March a step later.
    Click(c.UpDown2->downButton());
    ExpectMarkerOn(w, 29);
    QCOMPARE(w.selectedDay(), 31);
    QCOMPARE(c.Label22->text(), QStringLiteral("双鱼座"));
    Click(c.UpDown2->upButton());
    ExpectMarkerOn(w, 31);
    QCOMPARE(c.Label22->text(), QStringLiteral("白羊座"));

    // A click on the lunar line does the same.
    Click(CellOf(w, 20).lunar);
    ExpectMarkerOn(w, 20);
    QCOMPARE(w.selectedDay(), 20);
    Click(c.UpDown1->upButton());
    QCOMPARE(c.Label22->text(), QStringLiteral("双鱼座"));  // 20 March 2025
    ExpectMarkerOn(w, 20);
  }

  void todayReturnsToTheCurrentDate() {
    TFRM_Date w;
    w.show();
    const CalendarControls& c = w.controls();
    Click(c.UpDown1->upButton());
    Click(c.UpDown2->upButton());
    Click(CellOf(w, 3).day);
    QCOMPARE(w.currentDate(), (CivilDate{2025, 3, 3}));
    Click(c.StaticText1);
    QCOMPARE(w.currentDate(), (CivilDate{2024, 2, 10}));
    QCOMPARE(w.shownYear(), 2024);
    QCOMPARE(w.shownMonth(), 2);
    QCOMPARE(c.UpDown1->position(), 2024);
    QCOMPARE(c.UpDown2->position(), 2);
    QCOMPARE(c.Label22->text(), QStringLiteral("水瓶座"));
    ExpectMarkerOn(w, 10);
  }

  void aMonthOfThirtyOneDaysFromSaturdayFillsCell37() {
    g_today = {2020, 8, 15};
    TFRM_Date w;
    w.show();
    const CalendarControls& c = w.controls();
    QVERIFY(c.cells[36].day->isVisible());
    QCOMPARE(c.cells[36].day->text(), QStringLiteral("31"));
    QCOMPARE(c.cells[6].day->text(), QStringLiteral("1"));
    QCOMPARE(c.Label21->text(), QStringLiteral("子鼠"));
    // The month before (July 2020) leaves the last row empty.
    Click(c.UpDown2->downButton());
    QVERIFY(c.cells[36].day->isHidden());
    QVERIFY(c.cells[35].day->isHidden());
  }

  void theCaptionsChooseTheSpinButton() {
    TFRM_Date w;
    w.show();
    const CalendarControls& c = w.controls();
    Click(c.Label1);
    QVERIFY(c.UpDown1->isVisible());
    QVERIFY(c.UpDown2->isHidden());
    Click(c.Label17);
    QVERIFY(c.UpDown2->isVisible());
    QVERIFY(c.UpDown1->isHidden());
    Click(c.Label19);
    QVERIFY(c.UpDown1->isVisible());
  }

  void todayOutsideTheRangeShowsTheNearestYear() {
    struct Case {
      CivilDate today;
      CivilDate shown;
    };
    for (const Case& k : {Case{{2060, 2, 29}, {2050, 2, 28}}, Case{{1899, 5, 5}, {1901, 5, 5}},
                          Case{{2050, 12, 31}, {2050, 12, 31}}}) {
      g_today = k.today;
      TFRM_Date w;
      w.show();
      QCOMPARE(w.currentDate(), k.shown);
      QCOMPARE(w.shownYear(), k.shown.year);
      QCOMPARE(w.controls().Label1->text(), QString::number(k.shown.year));
      ExpectMarkerOn(w, k.shown.day);
    }
  }

  void closesWhenItLosesActivation() {
    std::unique_ptr<QDialog> w(CreateCalendarWindow(nullptr));
    QVERIFY(qobject_cast<TFRM_Date*>(w.get()) != nullptr);
    QVERIFY(!w->testAttribute(Qt::WA_DeleteOnClose));
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTRY_VERIFY(w->isHidden());
    // Closed, not freed: the main window deletes it when it opens the next one.
    QCOMPARE(w->windowTitle(), QStringLiteral("Tovan日历"));
  }
};

QTEST_MAIN(CalendarWindowTest)
#include "calendar_window_test.moc"
