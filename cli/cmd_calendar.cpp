// The calendar commands:
//   lunar DATE...                      lunar date of each Gregorian date
//   gregorian YEAR MONTH DAY [--leap]  Gregorian date of a lunar date
//   terms YEAR [--table]               the 24 solar terms of a year
//   signs DATE...                      constellations and zodiac animal of each date
//   calendar YEAR MONTH [--day D]      the month as the calendar window shows it
#include <string>

#include "calendar/core/calendar_month.h"
#include "calendar/core/date_texts.h"
#include "calendar/core/lunar.h"
#include "calendar/core/signs.h"
#include "calendar/core/solar_terms.h"
#include "cli/cli.h"

namespace mirevo::cli {
namespace {

const Gbk& Tab() {
  static const Gbk tab = Gbk::Ascii("\t");
  return tab;
}

DateValue DateArg(const std::string& text) {
  auto date = ParseShortDate(text);
  if (!date) throw InputError("not a date of the form yyyy-mm-dd: " + text);
  return *date;
}

std::vector<DateValue> DateArgs(const std::vector<std::string>& argv) {
  Args args(argv, {}, {});
  if (args.positionals().empty()) throw UsageError("give at least one date");
  std::vector<DateValue> dates;
  for (const std::string& text : args.positionals()) dates.push_back(DateArg(text));
  return dates;
}

int Lunar(const std::vector<std::string>& argv, Output& out) {
  for (DateValue date : DateArgs(argv)) {
    const LunarDate l = GregorianToLunar(date);
    Gbk text;
    if (!l.IsNone()) text = CycleYearText(l.year - 1864) + LunarMonthText(l.month, l.leap != 0) + LunarDayText(l.day);
    out.Line(Gbk::Ascii(FormatShortDate(date)) + Tab() + Gbk::Number(l.year) + Tab() + Gbk::Number(l.month) + Tab() +
             Gbk::Number(l.day) + Tab() + Gbk::Number(l.leap) + Tab() + text);
  }
  return 0;
}

int Gregorian(const std::vector<std::string>& argv, Output& out) {
  Args args(argv, {}, {"leap"});
  const auto& p = args.positionals();
  if (p.size() != 3) throw UsageError("give the lunar year, month and day");
  LunarDate l{IntArg(p[0], "YEAR"), IntArg(p[1], "MONTH"), IntArg(p[2], "DAY"),
              static_cast<uint8_t>(args.Flag("leap") ? 1 : 0)};
  out.Line(FormatShortDate(LunarToGregorian(l)));
  return 0;
}

int Terms(const std::vector<std::string>& argv, Output& out) {
  Args args(argv, {}, {"table"});
  const auto& p = args.positionals();
  if (p.size() != 1) throw UsageError("give one year");
  const int year = IntArg(p[0], "YEAR");
  if (args.Flag("table")) {
    if (year < 1901 || year > 2050) throw InputError("the calendar term table covers the years 1901 to 2050");
    for (int k = 1; k <= 24; ++k) {
      const DateValue day = EncodeDate(year, (k + 1) / 2, CalendarSolarTermDay(year, k));
      out.Line(Gbk::Number(k) + Tab() + SolarTermName(k - 1) + Tab() + Gbk::Ascii(FormatShortDate(day)));
    }
    return 0;
  }
  // Dates are written with four-digit years.
  if (year < 1 || year > 9999) throw InputError("the year must lie between 1 and 9999");
  for (int n = 0; n < 24; ++n)
    out.Line(Gbk::Number(n) + Tab() + SolarTermName(n) + Tab() + Gbk::Ascii(FormatDateTime(SolarTermInstant(year, n))));
  return 0;
}

int Signs(const std::vector<std::string>& argv, Output& out) {
  for (DateValue date : DateArgs(argv)) {
    const CivilDate c = DecodeDate(date);
    out.Line(Gbk::Ascii(FormatShortDate(date)) + Tab() + ConstellationOf(date) + Tab() +
             CalendarConstellationOf(c.year, c.month, c.day) + Tab() + ZodiacAnimalOf(GregorianToLunar(date).year));
  }
  return 0;
}

const char* KindName(CellKind kind) {
  switch (kind) {
    case CellKind::kMonth:
      return "month";
    case CellKind::kFestival:
      return "festival";
    case CellKind::kTerm:
      return "term";
    case CellKind::kDay:
      break;
  }
  return "day";
}

int Calendar(const std::vector<std::string>& argv, Output& out) {
  Args args(argv, {"day"}, {});
  const auto& p = args.positionals();
  if (p.size() != 2) throw UsageError("give the year and the month");
  const int year = IntArg(p[0], "YEAR"), month = IntArg(p[1], "MONTH");
  const int day = IntArg(args.ValueOr("day", "1"), "--day");
  if (year < 1901 || year > 2050) throw InputError("the calendar shows the years 1901 to 2050");
  if (month < 1 || month > 12) throw InputError("the month must lie between 1 and 12");
  if (day < 1 || day > 31) throw InputError("the day must lie between 1 and 31");

  const CalendarMonthView view = RenderCalendarMonth(year, month, day);
  out.Line(view.label);
  out.Line(view.constellation);
  for (int cell = 1; cell <= kCalendarCellCount; ++cell) {
    const CalendarCell& c = view.cells[static_cast<std::size_t>(cell - 1)];
    if (c.day == 0) continue;
    out.Line(Gbk::Number(c.day) + Tab() + Gbk::Number(cell) + Tab() + c.lunar_line + Tab() + Gbk::Ascii(KindName(c.kind)));
  }
  return 0;
}

}  // namespace

MIREVO_CLI_COMMAND("lunar", "lunar DATE...            lunar date of each yyyy-mm-dd date", Lunar);
MIREVO_CLI_COMMAND("gregorian", "gregorian Y M D [--leap]  Gregorian date of a lunar date (0001-01-01: none)",
                   Gregorian);
MIREVO_CLI_COMMAND("terms", "terms YEAR [--table]      the 24 solar terms of a year (--table: the calendar's days)",
                   Terms);
MIREVO_CLI_COMMAND("signs", "signs DATE...            constellation (report, calendar) and zodiac animal", Signs);
MIREVO_CLI_COMMAND("calendar", "calendar Y M [--day D]   the month calendar: label, constellation, one line a day",
                   Calendar);

}  // namespace mirevo::cli
