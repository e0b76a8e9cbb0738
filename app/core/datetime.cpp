#include "app/core/datetime.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace mirevo {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

CivilDate CivilFromDays(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long y = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return CivilDate{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// 1899-12-30 counted from 1970-01-01.
constexpr long long kEpochOffset = -25569;

bool ReadNumber(std::string_view& s, int max_digits, int& out) {
  int n = 0, digits = 0;
  while (!s.empty() && s.front() >= '0' && s.front() <= '9' && digits < max_digits) {
    n = n * 10 + (s.front() - '0');
    s.remove_prefix(1);
    ++digits;
  }
  if (digits == 0) return false;
  out = n;
  return true;
}

bool Expect(std::string_view& s, char ch) {
  if (s.empty() || s.front() != ch) return false;
  s.remove_prefix(1);
  return true;
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

DateValue EncodeDate(int year, int month, int day) {
  return static_cast<DateValue>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpochOffset);
}

long long DayNumber(DateValue value) { return static_cast<long long>(std::floor(value)); }

CivilDate DecodeDate(DateValue value) { return CivilFromDays(DayNumber(value) + kEpochOffset); }

int DayOfWeek(DateValue value) {
  // Day 0 (1899-12-30) was a Saturday.
  long long n = DayNumber(value);
  long long r = ((n + 6) % 7 + 7) % 7;  // 0 = Sunday
  return static_cast<int>(r) + 1;
}

int DayOfYear(int year, int month, int day) {
  return static_cast<int>(EncodeDate(year, month, day) - EncodeDate(year, 1, 1)) + 1;
}

std::string FormatShortDate(DateValue value) {
  CivilDate d = DecodeDate(value);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
  return buf;
}

std::string FormatDateTime(DateValue value) {
  long long seconds = std::llround(value * 86400.0);
  long long day = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
  long long rest = seconds - day * 86400;
  CivilDate d = CivilFromDays(day + kEpochOffset);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02lld:%02lld:%02lld", d.year, d.month, d.day, rest / 3600,
                rest / 60 % 60, rest % 60);
  return buf;
}

std::optional<DateValue> ParseShortDate(std::string_view text) {
  int y = 0, m = 0, d = 0;
  std::string_view s = text;
  if (!ReadNumber(s, 4, y) || !Expect(s, '-') || !ReadNumber(s, 2, m) || !Expect(s, '-') || !ReadNumber(s, 2, d) ||
      !s.empty())
    return std::nullopt;
  if (!IsValidDate(y, m, d)) return std::nullopt;
  return EncodeDate(y, m, d);
}

std::optional<DateValue> ParseDateTime(std::string_view text) {
  std::size_t blank = text.find(' ');
  if (blank == std::string_view::npos) return std::nullopt;
  auto date = ParseShortDate(text.substr(0, blank));
  if (!date) return std::nullopt;
  std::string_view s = text.substr(blank + 1);
  int h = 0, mi = 0, se = 0;
  if (!ReadNumber(s, 2, h) || !Expect(s, ':') || !ReadNumber(s, 2, mi)) return std::nullopt;
  if (!s.empty() && (!Expect(s, ':') || !ReadNumber(s, 2, se) || !s.empty())) return std::nullopt;
  if (h > 23 || mi > 59 || se > 59) return std::nullopt;
  return *date + (h * 3600 + mi * 60 + se) / 86400.0;
}

CivilDate Today() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return CivilDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace mirevo
