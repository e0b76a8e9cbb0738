// The month calendar of 1901–2050: its own lunar dates, its lunar texts and
// festivals, and the month laid out as 37 day cells.
//
// The calendar keeps its own lunar records, one per Gregorian year. They give the
// dates of GregorianToLunar on every day except in four months, where two
// neighbouring lunar months have their lengths swapped:
//   1906-04-23 … 1906-05-22   third month 30 days, fourth 29 (1906-04-24 is 4/1)
//   1914-11-17 … 1914-12-16   ninth month 29 days, tenth 30 (1914-11-17 is 10/1)
//   1989-08-01 … 1989-08-30   sixth month 29 days, seventh 30 (1989-08-01 is 7/1)
//   2013-06-08 … 2013-07-07   fourth month 30 days, fifth 29 (2013-06-09 is 5/1)
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "app/core/datetime.h"
#include "app/core/gbk.h"

namespace mirevo {

struct CalendarLunarDate {
  int month = 0;  // 1–12
  bool leap = false;
  int day = 0;    // 1–30
  friend bool operator==(const CalendarLunarDate&, const CalendarLunarDate&) = default;
};

// The calendar's lunar date of a day of 1901-01-01 to 2050-12-31; none outside.
std::optional<CalendarLunarDate> CalendarLunarDay(DateValue date);
// 正月 … 十月, 冬月, 腊月; a leap month is 闰 and the name without 月 (闰四).
// Empty without a lunar date.
Gbk CalendarLunarMonthText(DateValue date);
// 初一 … 三十; empty without a lunar date.
Gbk CalendarLunarDayText(DateValue date);

// The calendar's lunar record of a Gregorian year of 1901–2050 (all zero outside):
// byte 0 bit 7 set when 1 January lies in the twelfth lunar month (else the
// eleventh), bits 6–0 the lunar day of 1 January; bytes 1–2 the lengths of 16
// lunar months from that one (bit 15 first, 1 = 30 days); byte 3 the month that a
// leap month follows within them (0 = none).
std::array<uint8_t, 4> CalendarLunarRecord(int year);

// The festival of a Gregorian date (元旦节, 母亲节 …); empty on other days.
Gbk GregorianFestivalOf(int year, int month, int day);
// The festival of the calendar's lunar date (春节, 除夕 …); empty on other days.
Gbk LunarFestivalOf(DateValue date);

// What a cell's lunar line shows, which also sets its colour.
enum class CellKind {
  kDay,       // the lunar day name, dark green
  kMonth,     // the month name on the first day of a lunar month, red
  kFestival,  // a Gregorian or lunar festival, orange
  kTerm,      // a solar term, blue
};

struct CalendarCell {
  int day = 0;  // the Gregorian day; 0 for a cell the month leaves empty
  Gbk lunar_line;
  CellKind kind = CellKind::kDay;
};

inline constexpr int kCalendarCellCount = 37;

struct CalendarMonthView {
  int year = 0;
  int month = 0;
  int day = 0;  // the selected day, within the month
  // Cell 1 (Sunday of the first row) is cells[0]; rows of seven run Sunday to Saturday.
  std::array<CalendarCell, kCalendarCellCount> cells;
  int selected_cell = 0;  // 1–37, the cell of `day`
  Gbk label;              // branch and animal of the shown date, such as 辰龙
  Gbk constellation;      // of the selected day
};

// A month of 1901–2050 with the selected day; a selected day beyond the month's
// length shows the month's last day.
CalendarMonthView RenderCalendarMonth(int year, int month, int selected_day);

}  // namespace mirevo
