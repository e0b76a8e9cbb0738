#include "calendar/core/calendar_month.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "calendar/core/lunar.h"
#include "calendar/core/solar_terms.h"

namespace mirevo {
namespace {

DateValue Day(const char* text) { return *ParseShortDate(text); }
std::string Utf8(const Gbk& g) { return g.ToUtf8(); }

std::string Show(const std::optional<CalendarLunarDate>& l) {
  if (!l) return "none";
  return std::string(l->leap ? "leap " : "") + std::to_string(l->month) + "/" + std::to_string(l->day);
}

// The lunar months a Gregorian year touches, by the calendar's own dates.
int MonthsTouched(int year) {
  int months = 0;
  std::optional<CalendarLunarDate> previous;
  for (DateValue d = EncodeDate(year, 1, 1); d < EncodeDate(year + 1, 1, 1); ++d) {
    const auto l = CalendarLunarDay(d);
    if (!previous || l->day == 1) ++months;
    previous = l;
  }
  return months;
}

// The published records, compared on every bit the year reads (the 2050 record
// also holds a 2051 month that no date of 2050 reaches).
TEST(CalendarLunarRecord, MatchesThePublishedRecords) {
  struct Case {
    int year;
    std::array<uint8_t, 4> bytes;
  };
  for (const Case& c : {Case{1901, {0x0b, 0x52, 0xba, 0x00}}, Case{1984, {0x1d, 0xec, 0x96, 0x0a}},
                        Case{2006, {0x82, 0x55, 0x6c, 0x07}}, Case{2024, {0x14, 0x52, 0xda, 0x00}},
                        Case{2050, {0x88, 0x2a, 0xd8, 0x03}}}) {
    const auto r = CalendarLunarRecord(c.year);
    EXPECT_EQ(r[0], c.bytes[0]) << c.year;
    EXPECT_EQ(r[3], c.bytes[3]) << c.year;
    const unsigned read = 0xFFFFu << (16 - MonthsTouched(c.year)) & 0xFFFFu;
    EXPECT_EQ(((r[1] << 8 | r[2]) & read), ((c.bytes[1] << 8 | c.bytes[2]) & read)) << c.year;
  }
  EXPECT_EQ(CalendarLunarRecord(1900), (std::array<uint8_t, 4>{}));
  EXPECT_EQ(CalendarLunarRecord(2051), (std::array<uint8_t, 4>{}));
}

// Where the calendar parts from GregorianToLunar: the four swapped month pairs.
struct Stretch {
  const char* first;
  const char* last;
};
constexpr Stretch kStretches[] = {{"1906-04-23", "1906-05-22"},
                                  {"1914-11-17", "1914-12-16"},
                                  {"1989-08-01", "1989-08-30"},
                                  {"2013-06-08", "2013-07-07"}};

bool InAStretch(DateValue d) {
  for (const Stretch& s : kStretches)
    if (d >= Day(s.first) && d <= Day(s.last)) return true;
  return false;
}

TEST(CalendarLunarDay, AgreesWithTheLunarTableOutsideTheFourStretches) {
  int differing = 0, failures = 0;
  for (DateValue d = Day("1901-01-01"); d <= Day("2050-12-31") && failures < 10; ++d) {
    const LunarDate l = GregorianToLunar(d);
    const auto c = CalendarLunarDay(d);
    ASSERT_TRUE(c.has_value()) << FormatShortDate(d);
    const bool same = c->month == l.month && c->day == l.day && c->leap == (l.leap != 0);
    if (!same) ++differing;
    if (same == InAStretch(d)) {
      ADD_FAILURE() << FormatShortDate(d) << ": calendar " << Show(c) << ", table " << l.month << "/" << l.day;
      ++failures;
    }
  }
  EXPECT_EQ(differing, 120);
}

TEST(CalendarLunarDay, InsideTheStretches) {
  struct Case {
    const char* date;
    CalendarLunarDate lunar;
  };
  for (const Case& c : {Case{"1906-04-23", {3, false, 30}}, Case{"1906-04-24", {4, false, 1}},
                        Case{"1906-05-22", {4, false, 29}}, Case{"1906-05-23", {4, true, 1}},
                        Case{"1914-11-16", {9, false, 29}}, Case{"1914-11-17", {10, false, 1}},
                        Case{"1914-12-16", {10, false, 30}}, Case{"1914-12-17", {11, false, 1}},
                        Case{"1989-08-01", {7, false, 1}}, Case{"1989-08-30", {7, false, 30}},
                        Case{"1989-08-31", {8, false, 1}}, Case{"2013-06-08", {4, false, 30}},
                        Case{"2013-06-09", {5, false, 1}}, Case{"2013-07-07", {5, false, 29}},
                        Case{"2013-07-08", {6, false, 1}}})
    EXPECT_EQ(Show(CalendarLunarDay(Day(c.date))), Show(c.lunar)) << c.date;
}

TEST(CalendarLunarDay, OnlyFrom1901To2050) {
  for (const char* date : {"1900-12-31", "2051-01-01", "1800-06-01"}) {
    EXPECT_FALSE(CalendarLunarDay(Day(date)).has_value()) << date;
    EXPECT_EQ(CalendarLunarMonthText(Day(date)), Gbk()) << date;
    EXPECT_EQ(CalendarLunarDayText(Day(date)), Gbk()) << date;
    EXPECT_EQ(LunarFestivalOf(Day(date)), Gbk()) << date;
  }
  EXPECT_EQ(Show(CalendarLunarDay(Day("1901-01-01"))), "11/11");
  // 1 January 2034 lies in the leap eleventh month that began in 2033.
  EXPECT_EQ(Show(CalendarLunarDay(Day("2034-01-01"))), "leap 11/11");
  EXPECT_EQ(Show(CalendarLunarDay(Day("2034-01-20"))), "12/1");
}

TEST(CalendarLunarTexts, MonthNamesOfTheCalendar) {
  struct Case {
    const char* date;
    const char* month;
    const char* day;
  };
  for (const Case& c : {Case{"2024-02-10", "正月", "初一"}, Case{"2024-01-11", "腊月", "初一"},
                        Case{"2023-12-13", "冬月", "初一"}, Case{"2024-11-01", "十月", "初一"},
                        Case{"2020-05-23", "闰四", "初一"}, Case{"2020-06-20", "闰四", "廿九"},
                        Case{"2020-06-21", "五月", "初一"}, Case{"1906-04-23", "三月", "三十"},
                        Case{"1906-04-24", "四月", "初一"}, Case{"2013-06-09", "五月", "初一"},
                        Case{"2024-02-24", "正月", "十五"}, Case{"2024-02-29", "正月", "二十"}, Case{"2024-03-01", "正月", "廿一"}})
  {
    EXPECT_EQ(Utf8(CalendarLunarMonthText(Day(c.date))), c.month) << c.date;
    EXPECT_EQ(Utf8(CalendarLunarDayText(Day(c.date))), c.day) << c.date;
  }
}

TEST(GregorianFestival, FixedDaysAndWeekdayRules) {
  struct Case {
    int year, month, day;
    const char* text;
  };
  const Case cases[] = {
      {2024, 1, 1, "元旦节"},  {2024, 2, 14, "情人节"}, {2024, 3, 8, "妇女节"},  {2024, 4, 1, "愚人节"},
      {2024, 5, 1, "劳动节"},  {2024, 5, 4, "青年节"},  {2024, 6, 1, "儿童节"},  {2024, 7, 1, "建党节"},
      {2024, 8, 1, "建军节"},  {2024, 9, 10, "教师节"}, {2024, 10, 1, "国庆节"}, {2024, 10, 6, "老人节"},
      {2024, 10, 31, "万圣节"}, {2024, 11, 8, "记者日"}, {2024, 12, 25, "圣诞节"},
      {2020, 5, 10, "母亲节"}, {2020, 5, 3, ""},  {2020, 5, 17, ""},       // first and third Sunday
      {2021, 6, 20, "父亲节"}, {2021, 6, 13, ""},  {2021, 6, 27, ""},
      {2020, 11, 26, "感恩节"}, {2020, 11, 19, ""}, {2020, 11, 27, ""},    // third Thursday, a Friday
      {2015, 11, 26, "感恩节"}, {2018, 11, 22, "感恩节"}, {2024, 5, 12, "母亲节"},
      {2024, 12, 24, ""},      {2024, 2, 30, ""},  {2024, 13, 1, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Utf8(GregorianFestivalOf(c.year, c.month, c.day)), c.text) << c.year << "-" << c.month << "-" << c.day;
}

TEST(GregorianFestival, EighteenDaysEveryYear) {
  for (int year : {1901, 1999, 2020, 2021, 2050}) {
    int found = 0;
    for (DateValue d = EncodeDate(year, 1, 1); d < EncodeDate(year + 1, 1, 1); ++d) {
      const CivilDate c = DecodeDate(d);
      found += !GregorianFestivalOf(c.year, c.month, c.day).empty();
    }
    EXPECT_EQ(found, 18) << year;
  }
}

TEST(LunarFestival, TheFestivalsOf2024) {
  struct Case {
    const char* date;
    const char* text;
  };
  for (const Case& c : {Case{"2024-02-09", "除夕"}, Case{"2024-02-10", "春节"}, Case{"2024-02-24", "元宵节"},
                        Case{"2024-06-10", "端午节"}, Case{"2024-08-10", "七夕节"}, Case{"2024-09-17", "中秋节"},
                        Case{"2024-10-11", "重阳节"}, Case{"2024-01-18", "腊八节"}, Case{"2024-02-08", ""},
                        Case{"2024-02-11", ""}, Case{"2024-03-10", ""}, Case{"2024-01-01", ""}})
    EXPECT_EQ(Utf8(LunarFestivalOf(Day(c.date))), c.text) << c.date;
}

// Over all years: each festival once a year (除夕 and 春节 by lunar year), none in
// a leap month, and 除夕 always the day before 春节.
TEST(LunarFestival, OnceEachLunarYearAndNeverInALeapMonth) {
  std::map<std::string, int> count;
  for (DateValue d = Day("1901-01-01"); d <= Day("2050-12-31"); ++d) {
    const Gbk f = LunarFestivalOf(d);
    if (f.empty()) continue;
    ++count[Utf8(f)];
    EXPECT_FALSE(CalendarLunarDay(d)->leap) << FormatShortDate(d);
    if (f == GBK("除夕")) EXPECT_EQ(Utf8(LunarFestivalOf(d + 1)), "春节") << FormatShortDate(d);
  }
  // 正月初一 of 1901 to 2050 fall in those years; so do their eves, 1901's on 1901-02-18.
  for (const char* name : {"春节", "除夕", "元宵节", "端午节", "七夕节", "中秋节", "重阳节"})
    EXPECT_EQ(count[name], 150) << name;
  // 腊八 of 1900's twelfth month falls in January 1901, and that of 2050 in 2051.
  EXPECT_EQ(count["腊八节"], 150);
  // The eve test at the end of the range asks for a day that has no lunar date.
  EXPECT_EQ(Utf8(LunarFestivalOf(Day("2050-12-31"))), "");
}

std::string Line(const CalendarMonthView& v, int day) {
  for (const CalendarCell& c : v.cells)
    if (c.day == day) return Utf8(c.lunar_line);
  return "?";
}

CellKind Kind(const CalendarMonthView& v, int day) {
  for (const CalendarCell& c : v.cells)
    if (c.day == day) return c.kind;
  return CellKind::kDay;
}

TEST(RenderCalendarMonth, LunarLinesAndTheirKinds) {
  struct Case {
    int year, month, day;
    const char* line;
    CellKind kind;
  };
  const Case cases[] = {
      {1906, 4, 23, "三十", CellKind::kDay},      {1906, 4, 24, "四月", CellKind::kMonth},
      {2013, 6, 9, "五月", CellKind::kMonth},     {2013, 6, 8, "三十", CellKind::kDay},
      {2024, 2, 9, "除夕", CellKind::kFestival},  {2024, 2, 10, "春节", CellKind::kFestival},
      {2024, 2, 4, "立春", CellKind::kTerm},      {2024, 2, 14, "情人节", CellKind::kFestival},
      {2024, 2, 5, "廿六", CellKind::kDay},       {2020, 5, 10, "母亲节", CellKind::kFestival},
      {2021, 6, 20, "父亲节", CellKind::kFestival}, {2020, 11, 26, "感恩节", CellKind::kFestival},
      {2020, 6, 21, "夏至", CellKind::kTerm},     // a third Sunday too
      {2024, 9, 17, "中秋节", CellKind::kFestival}, {2024, 1, 1, "元旦节", CellKind::kFestival},
      {2020, 5, 23, "闰四", CellKind::kMonth},    {2020, 6, 20, "廿九", CellKind::kDay},
      {2009, 2, 4, "立春", CellKind::kTerm},      {2009, 2, 3, "初九", CellKind::kDay},
      {1995, 8, 21, "处暑", CellKind::kTerm},
  };
  for (const Case& c : cases) {
    const CalendarMonthView v = RenderCalendarMonth(c.year, c.month, 1);
    EXPECT_EQ(Line(v, c.day), c.line) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(Kind(v, c.day), c.kind) << c.year << "-" << c.month << "-" << c.day;
  }
}

// Days where two lines compete: a lunar festival beats a solar term, which beats
// a Gregorian festival.
TEST(RenderCalendarMonth, ALunarFestivalWinsOverATermAndATermOverAGregorianFestival) {
  int festival_over_term = 0, term_over_festival = 0;
  for (DateValue d = Day("1901-01-01"); d <= Day("2050-12-31"); ++d) {
    const CivilDate c = DecodeDate(d);
    const Gbk lunar = LunarFestivalOf(d), term = CalendarSolarTermOn(d),
              gregorian = GregorianFestivalOf(c.year, c.month, c.day);
    if (term.empty() || (lunar.empty() && gregorian.empty())) continue;
    const CalendarMonthView v = RenderCalendarMonth(c.year, c.month, 1);
    if (!lunar.empty()) {
      EXPECT_EQ(Line(v, c.day), Utf8(lunar)) << FormatShortDate(d);
      ++festival_over_term;
    } else {
      EXPECT_EQ(Line(v, c.day), Utf8(term)) << FormatShortDate(d);
      ++term_over_festival;
    }
  }
  EXPECT_GT(festival_over_term, 0);
  EXPECT_GT(term_over_festival, 0);
}

TEST(RenderCalendarMonth, CellsFollowTheWeekdays) {
  // August 2020 begins on a Saturday and fills cell 37.
  CalendarMonthView v = RenderCalendarMonth(2020, 8, 1);
  EXPECT_EQ(v.cells[6].day, 1);
  EXPECT_EQ(v.cells[36].day, 31);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(v.cells[static_cast<std::size_t>(i)].day, 0);
  EXPECT_EQ(v.selected_cell, 7);
  // February 2015 begins on a Sunday and fills cells 1 to 28.
  v = RenderCalendarMonth(2015, 2, 1);
  for (int i = 0; i < kCalendarCellCount; ++i)
    EXPECT_EQ(v.cells[static_cast<std::size_t>(i)].day, i < 28 ? i + 1 : 0) << i;
  for (int i = 28; i < kCalendarCellCount; ++i) EXPECT_EQ(v.cells[static_cast<std::size_t>(i)].lunar_line, Gbk());
}

TEST(RenderCalendarMonth, TheSelectedDayKeepsWithinTheMonth) {
  CalendarMonthView v = RenderCalendarMonth(2024, 2, 31);
  EXPECT_EQ(v.day, 29);
  EXPECT_EQ(v.cells[static_cast<std::size_t>(v.selected_cell - 1)].day, 29);
  EXPECT_EQ(Utf8(v.constellation), "双鱼座");
  EXPECT_EQ(RenderCalendarMonth(2023, 2, 31).day, 28);
  v = RenderCalendarMonth(2024, 3, 31);
  EXPECT_EQ(v.day, 31);
  EXPECT_EQ(v.selected_cell, DayOfWeek(EncodeDate(2024, 3, 1)) + 30);
  EXPECT_EQ(Utf8(v.constellation), "白羊座");
}

TEST(RenderCalendarMonth, LabelAndConstellationOfTheShownDay) {
  struct Case {
    int year, month, day;
    const char* label;
    const char* constellation;
  };
  for (const Case& c : {Case{2024, 1, 15, "卯兔", "摩羯座"}, Case{2024, 3, 15, "辰龙", "双鱼座"},
                        Case{2024, 2, 9, "卯兔", "水瓶座"}, Case{2024, 2, 10, "辰龙", "水瓶座"},
                        Case{1972, 1, 1, "亥猪", "摩羯座"}, Case{2024, 4, 20, "辰龙", "金牛座"},
                        Case{2024, 10, 23, "辰龙", "天秤座"}, Case{2024, 12, 31, "辰龙", "摩羯座"}}) {
    const CalendarMonthView v = RenderCalendarMonth(c.year, c.month, c.day);
    EXPECT_EQ(Utf8(v.label), c.label) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(Utf8(v.constellation), c.constellation) << c.year << "-" << c.month << "-" << c.day;
  }
}

}  // namespace
}  // namespace mirevo
