// Date values and the program's own date and time text formats.
//
// A date value is a real day number: day 0 is 1899-12-30 and the time of day is the
// fraction (0.5 = noon). The program writes and reads dates in these formats,
// whatever the platform's settings:
//   short date yyyy-MM-dd, long date yyyy'年'M'月'd'日', time H:mm:ss,
//   date separator "-", time separator ":".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/core/gbk.h"

namespace mirevo {

using DateValue = double;

struct CivilDate {
  int year = 0;
  int month = 0;
  int day = 0;
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

struct DateFormats {
  const char* long_date = "yyyy'年'M'月'd'日'";
  const char* short_date = "yyyy-MM-dd";
  const char* time = "H:mm:ss";
  const char* date_separator = "-";
  const char* time_separator = ":";
};
// The five formats every date and time text of the program follows.
inline constexpr DateFormats kDateFormats{};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);

// Day number of a civil date (no validity check).
DateValue EncodeDate(int year, int month, int day);
inline DateValue EncodeDate(const CivilDate& d) { return EncodeDate(d.year, d.month, d.day); }
// Civil date of the day that holds `value` (the time of day is dropped).
CivilDate DecodeDate(DateValue value);
// Whole day number of the day that holds `value`.
long long DayNumber(DateValue value);
// 1 = Sunday … 7 = Saturday.
int DayOfWeek(DateValue value);
// Day of the year, 1 for 1 January.
int DayOfYear(int year, int month, int day);

// yyyy-MM-dd (years below 1000 get leading zeros: 0001-01-01).
std::string FormatShortDate(DateValue value);
// yyyy-MM-dd HH:mm:ss of a date-time value (rounded to the second).
std::string FormatDateTime(DateValue value);
// Reads a short date: year, "-", month, "-", day, each part decimal digits
// (months and days with one or two digits: 1980-1-1 and 1980-01-01 both read).
// std::nullopt when the text is no valid date.
std::optional<DateValue> ParseShortDate(std::string_view text);
// Reads yyyy-MM-dd HH:MM[:SS]; std::nullopt when not such a text.
std::optional<DateValue> ParseDateTime(std::string_view text);

// Today's date of the local clock.
CivilDate Today();

}  // namespace mirevo
