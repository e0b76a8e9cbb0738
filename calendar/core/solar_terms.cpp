#include "calendar/core/solar_terms.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace mirevo {
namespace {

constexpr int kTermCount = 24;

// Minutes of each term after 小寒 within a tropical year.
constexpr std::array<long long, kTermCount> kMinutesOffset = {
    0,      21208,  42467,  63836,  85337,  107014, 128867, 150921, 173149, 195551, 218072, 240693,
    263343, 285989, 308563, 331033, 353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758,
};

constexpr double kTropicalYearMs = 31556925974.7;
constexpr long long kMsPerDay = 86400000;
// 小寒 of 1900 fell on 1900-01-06 (day 7) at 02:05:00.
constexpr long long kAnchorMs = 7 * kMsPerDay + (2 * 60 + 5) * 60000;

long long FloorDiv(long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Milliseconds from day 0 to the instant of term n of a year.
long long TermMs(int year, int n) {
  // nearbyint in the default rounding mode rounds ties to even.
  double ms = std::nearbyint(static_cast<double>(year - 1900) * kTropicalYearMs +
                             static_cast<double>(kMinutesOffset[static_cast<std::size_t>(n)]) * 60000.0);
  return kAnchorMs + static_cast<long long>(ms);
}

long long TermDayNumber(int year, int n) { return FloorDiv(TermMs(year, n), kMsPerDay); }

// The calendar table's terms, numbered 1–24 as the table counts them.
enum CalendarTerm {
  kMinorCold = 1, kMajorCold, kStartOfSpring, kRainWater, kAwakening, kSpringEquinox,
  kClearBright, kGrainRain, kStartOfSummer, kGrainBuds, kGrainInEar, kSummerSolstice,
  kMinorHeat, kMajorHeat, kStartOfAutumn, kEndOfHeat, kWhiteDew, kAutumnEquinox,
  kColdDew, kFrostsDescent, kStartOfWinter, kMinorSnow, kMajorSnow, kWinterSolstice,
};

struct TableException {
  int year;
  CalendarTerm term;
  int day;  // day of the month the calendar table holds
};

// The term days where the calendar table differs from the formula: in all but one
// case by a day, for 1995 处暑 by two (table 21 August, formula 23 August).
constexpr TableException kTableExceptions[] = {
    {1904, kColdDew, 8}, {1909, kMajorCold, 21}, {1910, kStartOfSpring, 5}, {1910, kClearBright, 6},
    {1911, kStartOfSummer, 7}, {1912, kMinorCold, 7}, {1912, kColdDew, 9}, {1912, kMinorSnow, 23},
    {1913, kAutumnEquinox, 24}, {1917, kGrainBuds, 21},
    {1927, kWhiteDew, 8}, {1928, kSummerSolstice, 21}, {1929, kColdDew, 8}, {1929, kMinorSnow, 22},
    {1935, kGrainInEar, 6}, {1942, kMajorCold, 21}, {1943, kStartOfSpring, 5}, {1943, kClearBright, 6},
    {1945, kMinorCold, 6}, {1947, kWinterSolstice, 23}, {1949, kEndOfHeat, 24},
    {1950, kGrainRain, 20}, {1950, kMajorSnow, 8}, {1951, kWinterSolstice, 23}, {1952, kSpringEquinox, 21},
    {1954, kFrostsDescent, 23}, {1955, kMajorHeat, 23}, {1956, kRainWater, 20}, {1957, kStartOfWinter, 8},
    {1958, kMinorHeat, 7}, {1958, kEndOfHeat, 23}, {1960, kWhiteDew, 7}, {1961, kSummerSolstice, 21},
    {1962, kMajorCold, 21},
    {1973, kRainWater, 20}, {1973, kStartOfSummer, 5}, {1974, kMinorSnow, 23}, {1975, kMajorCold, 21},
    {1975, kAutumnEquinox, 23}, {1976, kStartOfSpring, 5}, {1976, kEndOfHeat, 24}, {1977, kAwakening, 6},
    {1977, kStartOfSummer, 6}, {1977, kStartOfAutumn, 7}, {1978, kMinorCold, 6}, {1978, kMinorSnow, 23},
    {1979, kMajorCold, 21}, {1979, kGrainBuds, 21},
    {1980, kStartOfSpring, 5}, {1980, kWinterSolstice, 22}, {1981, kAwakening, 6}, {1981, kStartOfWinter, 8},
    {1982, kMinorCold, 6}, {1983, kMajorSnow, 8}, {1984, kMajorHeat, 22}, {1984, kWinterSolstice, 22},
    {1985, kSpringEquinox, 21}, {1987, kMinorHeat, 7}, {1988, kMajorHeat, 22}, {1989, kRainWater, 19},
    {1989, kWhiteDew, 7},
    {1990, kSummerSolstice, 21}, {1990, kStartOfWinter, 8}, {1991, kStartOfSummer, 7}, {1991, kMinorHeat, 7},
    {1991, kEndOfHeat, 23}, {1994, kSummerSolstice, 21}, {1995, kEndOfHeat, 21}, {1997, kGrainInEar, 5},
    {2006, kStartOfSummer, 5}, {2006, kStartOfAutumn, 7}, {2007, kMinorSnow, 23}, {2008, kMajorCold, 21},
    {2008, kAutumnEquinox, 22}, {2009, kStartOfSpring, 4},
    {2010, kAwakening, 6}, {2010, kStartOfAutumn, 7}, {2011, kMinorCold, 6}, {2011, kMinorSnow, 23},
    {2012, kMajorCold, 21}, {2012, kGrainBuds, 20}, {2012, kMajorSnow, 7}, {2013, kStartOfSpring, 4},
    {2013, kMajorHeat, 22}, {2013, kWinterSolstice, 22}, {2014, kAwakening, 6}, {2015, kMinorCold, 6},
    {2016, kMajorSnow, 7}, {2017, kMajorHeat, 22}, {2017, kWinterSolstice, 22}, {2018, kRainWater, 19},
    {2018, kSpringEquinox, 21}, {2019, kSummerSolstice, 21},
    {2020, kMinorHeat, 6}, {2020, kEndOfHeat, 22}, {2020, kMajorSnow, 7}, {2022, kRainWater, 19},
    {2022, kWhiteDew, 7}, {2023, kSummerSolstice, 21}, {2023, kFrostsDescent, 24}, {2023, kStartOfWinter, 8},
    {2024, kEndOfHeat, 22}, {2026, kGrainInEar, 5},
    {2030, kGrainInEar, 5}, {2033, kMajorHeat, 23}, {2034, kStartOfAutumn, 8}, {2035, kStartOfSummer, 5},
    {2035, kStartOfAutumn, 7}, {2037, kMajorCold, 20}, {2039, kStartOfAutumn, 7},
    {2040, kMinorCold, 6}, {2040, kColdDew, 8}, {2040, kMinorSnow, 22}, {2041, kMajorCold, 20},
    {2041, kGrainBuds, 20}, {2042, kStartOfSpring, 4}, {2043, kAwakening, 6}, {2043, kStartOfAutumn, 7},
    {2044, kMinorCold, 6}, {2044, kMinorSnow, 22}, {2045, kMajorCold, 20}, {2045, kGrainRain, 19},
    {2045, kGrainBuds, 20}, {2045, kMajorSnow, 7}, {2046, kStartOfSpring, 4}, {2046, kMajorHeat, 22},
    {2046, kWinterSolstice, 22}, {2047, kAwakening, 6}, {2048, kMinorCold, 6}, {2048, kSummerSolstice, 20},
    {2049, kClearBright, 5}, {2049, kGrainRain, 20}, {2049, kMinorHeat, 6}, {2049, kEndOfHeat, 22},
    {2049, kMajorSnow, 7},
    {2050, kMajorHeat, 22}, {2050, kWhiteDew, 8}, {2050, kWinterSolstice, 22},
};

constexpr int kTableFirstYear = 1901;
constexpr int kTableLastYear = 2050;

bool InTable(int year) { return year >= kTableFirstYear && year <= kTableLastYear; }

// The calendar term table: one byte per month of 1901–2050. The high four bits h
// give the month's first term on day 15 − h, the low four bits l the second on 15 + l.
using TermTable = std::array<uint8_t, (kTableLastYear - kTableFirstYear + 1) * 12>;

std::size_t TableIndex(int year, int month) { return static_cast<std::size_t>((year - kTableFirstYear) * 12 + month - 1); }

TermTable BuildTermTable() {
  // days[year][k]: the formula's day of the month, then the exceptions over it.
  std::array<std::array<int, kTermCount + 1>, kTableLastYear - kTableFirstYear + 1> days{};
  for (int year = kTableFirstYear; year <= kTableLastYear; ++year)
    for (int n = 0; n < kTermCount; ++n) days[year - kTableFirstYear][n + 1] = DecodeDate(TermDayNumber(year, n)).day;
  for (const TableException& e : kTableExceptions) days[e.year - kTableFirstYear][e.term] = e.day;

  TermTable table{};
  for (int year = kTableFirstYear; year <= kTableLastYear; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const auto& row = days[year - kTableFirstYear];
      int first = row[2 * month - 1], second = row[2 * month];
      table[TableIndex(year, month)] = static_cast<uint8_t>(((15 - first) << 4) | (second - 15));
    }
  }
  return table;
}

const TermTable& CalendarTermTable() {
  static const TermTable table = BuildTermTable();
  return table;
}

const Gbk& NoTerm() {
  static const Gbk empty;
  return empty;
}

}  // namespace

const Gbk& SolarTermName(int n) {
  static const std::array<Gbk, kTermCount> names = [] {
    static const char* const utf8[kTermCount] = {
        "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
        "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至",
    };
    std::array<Gbk, kTermCount> a;
    for (int i = 0; i < kTermCount; ++i) a[static_cast<std::size_t>(i)] = Gbk::FromUtf8(utf8[i]);
    return a;
  }();
  if (n < 0 || n >= kTermCount) return NoTerm();
  return names[static_cast<std::size_t>(n)];
}

DateValue SolarTermInstant(int year, int n) {
  if (n < 0 || n >= kTermCount) return 0;
  return static_cast<DateValue>(TermMs(year, n)) / static_cast<DateValue>(kMsPerDay);
}

Gbk SolarTermOn(DateValue date) {
  const long long day = DayNumber(date);
  const CivilDate c = DecodeDate(date);
  for (int n : {2 * (c.month - 1), 2 * (c.month - 1) + 1})
    if (TermDayNumber(c.year, n) == day) return SolarTermName(n);
  return Gbk();
}

uint8_t CalendarSolarTermByte(int year, int month) {
  if (!InTable(year) || month < 1 || month > 12) return 0;
  return CalendarTermTable()[TableIndex(year, month)];
}

Gbk CalendarSolarTermOn(DateValue date) {
  const CivilDate c = DecodeDate(date);
  if (!InTable(c.year)) return Gbk();
  const uint8_t b = CalendarSolarTermByte(c.year, c.month);
  const int candidate = c.day < 15 ? 15 - (b >> 4) : 15 + (b & 15);
  if (c.day != candidate) return Gbk();
  // Day 15 would be named as the first term; no month has a term on the 15th.
  const int k = c.day <= 15 ? 2 * c.month - 1 : 2 * c.month;
  return SolarTermName(k - 1);
}

int CalendarSolarTermDay(int year, int k) {
  if (!InTable(year) || k < 1 || k > kTermCount) return 0;
  const uint8_t b = CalendarSolarTermByte(year, (k + 1) / 2);
  return k % 2 == 1 ? 15 - (b >> 4) : 15 + (b & 15);
}

}  // namespace mirevo
