// TFRM_Date, "Tovan日历": a one-month calendar of 1901–2050 with lunar days,
// month names, solar terms, festivals, the branch-and-animal label and the
// constellation of the selected day. The lines come from RenderCalendarMonth;
// the window only places and colours them.
#pragma once

#include <QDialog>
#include <array>

#include "app/core/datetime.h"
#include "calendar/core/calendar_month.h"

class QLabel;

namespace mirevo {

class ClickLabel;
class UpDown;

struct CalendarCellLabels {
  ClickLabel* day = nullptr;    // the Gregorian day number
  ClickLabel* lunar = nullptr;  // the lunar line under it
};

struct CalendarControls {
  ClickLabel* Label17 = nullptr;  // month number
  ClickLabel* Label18 = nullptr;  // 月
  UpDown* UpDown2 = nullptr;      // month 1–12
  ClickLabel* Label1 = nullptr;   // year
  ClickLabel* Label19 = nullptr;  // 年
  UpDown* UpDown1 = nullptr;      // year 1901–2050
  ClickLabel* StaticText1 = nullptr;  // 今天
  std::array<QLabel*, 7> top_headings{};     // Label2 … Label8, Sunday first
  std::array<QLabel*, 7> bottom_headings{};  // Label9 … Label15
  QLabel* Label20 = nullptr;  // the large pale year
  QLabel* Label16 = nullptr;  // the large pale month
  QLabel* Label21 = nullptr;  // branch and animal
  QLabel* Label22 = nullptr;  // constellation
  QWidget* Shape2 = nullptr;  // marker of the selected day
  QLabel* day1 = nullptr;     // hidden templates of the first cell pair
  QLabel* Cnday = nullptr;
  std::array<CalendarCellLabels, kCalendarCellCount> cells{};  // cell 1 first
};

class TFRM_Date : public QDialog {
  Q_OBJECT
 public:
  explicit TFRM_Date(QWidget* parent = nullptr);

  const CalendarControls& controls() const { return c_; }
  CivilDate currentDate() const { return current_; }
  int shownYear() const { return shown_year_; }
  int shownMonth() const { return shown_month_; }
  int selectedDay() const { return selected_day_; }

  // Tests set the clock the window reads for today; nullptr restores the system clock.
  using TodayFn = CivilDate (*)();
  static void SetTodayHook(TodayFn today);

  // The colours of the lunar lines.
  static QColor ColourOf(CellKind kind);

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void Label1Click();
  void Label17Click();
  void UpDown1Click();
  void UpDown2Click();
  void CnDayClick(int cell);
  void CnDayMouseDown(int cell);
  void StaticText1Click();
  void FormDeactivate();

  void BuildCaptions();
  void BuildHeadings();
  void BuildCells();
  void Render(int year, int month, int day);
  void MoveMarkerTo(int cell);

  CalendarControls c_;
  CivilDate current_;
  int shown_year_ = 0;
  int shown_month_ = 0;
  int selected_day_ = 1;
  std::array<int, kCalendarCellCount> cell_days_{};  // the day each cell shows, 0 for none
  bool was_active_ = false;
};

}  // namespace mirevo
