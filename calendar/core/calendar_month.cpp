#include "calendar/core/calendar_month.h"

#include <algorithm>
#include <vector>

#include "calendar/core/date_texts.h"
#include "calendar/core/lunar.h"
#include "calendar/core/signs.h"
#include "calendar/core/solar_terms.h"

namespace mirevo {
namespace {

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;
constexpr int kStretch = 16;  // lunar months described by one record

// ---- The lunar records --------------------------------------------------------

struct LunarMonth {
  int year;
  int month;
  bool leap;
  int length;
  long long first_day;  // day number
};

// Where the calendar's months differ from the lunar table: the regular month
// `first` of `year` and the month after it have their lengths swapped.
struct SwappedPair {
  int year;
  int first;
};
constexpr SwappedPair kSwappedPairs[] = {{1906, 3}, {1914, 9}, {1989, 6}, {2013, 4}};

// The calendar's lunar months from the first month of lunar 1900 to the end of
// lunar 2051, enough for a stretch of 16 months from any 1 January of 1901–2050.
std::vector<LunarMonth> CalendarLunarMonths() {
  std::vector<LunarMonth> months;
  long long day = DayNumber(EncodeDate(1900, 1, 31));  // 正月初一 of lunar 1900
  for (int y = 1900; y <= 2051; ++y) {
    for (int m = 1; m <= 12; ++m) {
      months.push_back({y, m, false, LunarMonthDays(y, m), day});
      day += LunarMonthDays(y, m);
      if (m == LunarLeapMonth(y)) {
        months.push_back({y, m, true, LunarLeapMonthDays(y), day});
        day += LunarLeapMonthDays(y);
      }
    }
  }
  for (const SwappedPair& p : kSwappedPairs) {
    auto it = std::find_if(months.begin(), months.end(),
                           [&](const LunarMonth& m) { return m.year == p.year && m.month == p.first && !m.leap; });
    std::swap(it->length, (it + 1)->length);
    (it + 1)->first_day = it->first_day + it->length;
  }
  return months;
}

using Record = std::array<uint8_t, 4>;

std::array<Record, kLastYear - kFirstYear + 1> BuildRecords() {
  const std::vector<LunarMonth> months = CalendarLunarMonths();
  std::array<Record, kLastYear - kFirstYear + 1> records{};
  std::size_t i = 0;
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    const long long jan1 = DayNumber(EncodeDate(year, 1, 1)), dec31 = DayNumber(EncodeDate(year, 12, 31));
    while (months[i + 1].first_day <= jan1) ++i;
    const LunarMonth& first = months[i];
    unsigned lengths = 0;
    int leap_after = 0;
    for (int k = 0; k < kStretch; ++k) {
      const LunarMonth& m = months[i + static_cast<std::size_t>(k)];
      if (m.length == 30) lengths |= 0x8000u >> k;
      // Only a leap month that begins within the year is named: one holding
      // 1 January is told by the year before, and one after the year's end
      // could be read after an earlier month of its number.
      if (k > 0 && m.leap && m.first_day <= dec31) leap_after = m.month;
    }
    records[static_cast<std::size_t>(year - kFirstYear)] = {
        static_cast<uint8_t>((first.month == 12 ? 0x80 : 0) | (jan1 - first.first_day + 1)),
        static_cast<uint8_t>(lengths >> 8), static_cast<uint8_t>(lengths & 0xFF), static_cast<uint8_t>(leap_after)};
  }
  return records;
}

bool InRange(int year) { return year >= kFirstYear && year <= kLastYear; }

// ---- Lunar dates from the records ------------------------------------------------

struct StretchEntry {
  int month;
  bool leap;
  int length;
};

std::array<StretchEntry, kStretch> StretchOf(const Record& r) {
  const unsigned lengths = (static_cast<unsigned>(r[1]) << 8) | r[2];
  const int leap_after = r[3];
  std::array<StretchEntry, kStretch> entries{};
  for (int k = 0; k < kStretch; ++k) {
    StretchEntry& e = entries[static_cast<std::size_t>(k)];
    if (k == 0) {
      e.month = (r[0] & 0x80) ? 12 : 11;
    } else {
      const StretchEntry& previous = entries[static_cast<std::size_t>(k - 1)];
      e.leap = !previous.leap && previous.month == leap_after;
      e.month = e.leap ? previous.month : previous.month % 12 + 1;
    }
    e.length = (lengths & (0x8000u >> k)) ? 30 : 29;
  }
  return entries;
}

// ---- Texts ------------------------------------------------------------------------

// 正 二 … 十 冬 腊
Gbk CalendarMonthName(int month) {
  if (month == 1) return GBK("正");
  if (month == 11) return GBK("冬");
  if (month == 12) return GBK("腊");
  return NumeralText(month);
}

struct GregorianFestival {
  int month;
  int day;          // a fixed day, or 0 for a weekday rule
  int weekday;      // 1 = Sunday … 7 = Saturday, for a weekday rule
  int week;         // (day − 1) div 7 of the weekday rule: 1 = the second …
  const char* text;
};

constexpr int kSunday = 1, kThursday = 5;

constexpr GregorianFestival kGregorianFestivals[] = {
    {1, 1, 0, 0, "元旦节"},   {2, 14, 0, 0, "情人节"}, {3, 8, 0, 0, "妇女节"},
    {4, 1, 0, 0, "愚人节"},   {5, 1, 0, 0, "劳动节"},  {5, 4, 0, 0, "青年节"},
    {5, 0, kSunday, 1, "母亲节"}, {6, 1, 0, 0, "儿童节"}, {6, 0, kSunday, 2, "父亲节"},
    {7, 1, 0, 0, "建党节"},   {8, 1, 0, 0, "建军节"},  {9, 10, 0, 0, "教师节"},
    {10, 1, 0, 0, "国庆节"},  {10, 6, 0, 0, "老人节"}, {10, 31, 0, 0, "万圣节"},
    {11, 8, 0, 0, "记者日"},  {11, 0, kThursday, 3, "感恩节"}, {12, 25, 0, 0, "圣诞节"},
};

bool Matches(const GregorianFestival& f, int year, int month, int day) {
  if (f.month != month) return false;
  if (f.day != 0) return f.day == day;
  return DayOfWeek(EncodeDate(year, month, day)) == f.weekday && (day - 1) / 7 == f.week;
}

}  // namespace

std::array<uint8_t, 4> CalendarLunarRecord(int year) {
  static const auto records = BuildRecords();
  if (!InRange(year)) return {};
  return records[static_cast<std::size_t>(year - kFirstYear)];
}

std::optional<CalendarLunarDate> CalendarLunarDay(DateValue date) {
  const CivilDate c = DecodeDate(date);
  if (!InRange(c.year)) return std::nullopt;
  const Record r = CalendarLunarRecord(c.year);
  const auto stretch = StretchOf(r);
  const int j = r[0] & 0x7F;  // lunar day of 1 January
  const int t = DayOfYear(c.year, c.month, c.day) - 1;

  if (t <= stretch[0].length - j) {
    // The first month's leap flag is the one its 31 December had.
    const bool leap = c.year > kFirstYear && CalendarLunarDay(EncodeDate(c.year - 1, 12, 31))->leap;
    return CalendarLunarDate{stretch[0].month, leap, j + t};
  }
  int s = stretch[0].length - j + 1;  // days of the year in the first month
  for (std::size_t i = 1; i < stretch.size(); ++i) {
    if (t < s + stretch[i].length) return CalendarLunarDate{stretch[i].month, stretch[i].leap, t - s + 1};
    s += stretch[i].length;
  }
  return std::nullopt;  // a stretch of 16 months always outlasts the year
}

Gbk CalendarLunarMonthText(DateValue date) {
  const auto lunar = CalendarLunarDay(date);
  if (!lunar) return Gbk();
  if (lunar->leap) return GBK("闰") + CalendarMonthName(lunar->month);
  return CalendarMonthName(lunar->month) + GBK("月");
}

Gbk CalendarLunarDayText(DateValue date) {
  const auto lunar = CalendarLunarDay(date);
  return lunar ? LunarDayText(lunar->day) : Gbk();
}

Gbk GregorianFestivalOf(int year, int month, int day) {
  if (!IsValidDate(year, month, day)) return Gbk();
  const char* text = nullptr;
  // Tested in order; a later rule of the month would win (no two rules share a day).
  for (const GregorianFestival& f : kGregorianFestivals)
    if (Matches(f, year, month, day)) text = f.text;
  return text ? Gbk::FromUtf8(text) : Gbk();
}

Gbk LunarFestivalOf(DateValue date) {
  const auto lunar = CalendarLunarDay(date);
  if (!lunar) return Gbk();
  const Gbk month = CalendarLunarMonthText(date);
  const Gbk& first_month = GBK("正月");
  switch (lunar->day) {
    case 1:
      return month == first_month ? GBK("春节") : Gbk();
    case 5:
      return month == GBK("五月") ? GBK("端午节") : Gbk();
    case 7:
      return month == GBK("七月") ? GBK("七夕节") : Gbk();
    case 8:
      return month == GBK("腊月") ? GBK("腊八节") : Gbk();
    case 9:
      return month == GBK("九月") ? GBK("重阳节") : Gbk();
    case 15:
      if (month == first_month) return GBK("元宵节");
      return month == GBK("八月") ? GBK("中秋节") : Gbk();
    default:
      // The last day before 正月. After 2050-12-31 there is no lunar date, so
      // that day is no 除夕.
      return month != first_month && CalendarLunarMonthText(date + 1) == first_month ? GBK("除夕") : Gbk();
  }
}

CalendarMonthView RenderCalendarMonth(int year, int month, int selected_day) {
  CalendarMonthView view;
  view.year = year;
  view.month = month;
  const int days = DaysInMonth(year, month);
  view.day = std::clamp(selected_day, 1, std::max(days, 1));

  const DateValue shown = EncodeDate(year, month, view.day);
  const auto shown_lunar = CalendarLunarDay(shown);
  view.label = CalendarAnimalLabel(shown, shown_lunar ? shown_lunar->month : 0);
  view.constellation = CalendarConstellationOf(year, month, view.day);

  const int first_cell = DayOfWeek(EncodeDate(year, month, 1));
  for (int d = 1; d <= days; ++d) {
    const DateValue date = EncodeDate(year, month, d);
    CalendarCell& cell = view.cells[static_cast<std::size_t>(first_cell + d - 2)];
    cell.day = d;
    cell.lunar_line = CalendarLunarDayText(date);
    cell.kind = CellKind::kDay;
    if (cell.lunar_line == GBK("初一")) {
      cell.lunar_line = CalendarLunarMonthText(date);
      cell.kind = CellKind::kMonth;
    }
    // A lunar festival wins over a solar term, which wins over a Gregorian festival.
    if (Gbk f = GregorianFestivalOf(year, month, d); !f.empty()) cell = {d, f, CellKind::kFestival};
    if (Gbk term = CalendarSolarTermOn(date); !term.empty()) cell = {d, term, CellKind::kTerm};
    if (Gbk f = LunarFestivalOf(date); !f.empty()) cell = {d, f, CellKind::kFestival};
  }
  view.selected_cell = first_cell + view.day - 1;
  return view;
}

}  // namespace mirevo
