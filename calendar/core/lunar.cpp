#include "calendar/core/lunar.h"

#include <array>
#include <bit>

namespace mirevo {
namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;

// One entry per lunar year 1900–2100. Bit 15 is month 1 and bits 14–4 months 2–12
// (1 = 30 days, 0 = 29 days); bits 3–0 the leap month (0 = none). The value F in
// bits 3–0 means no leap month this year and a 30-day leap month the year before.
constexpr std::array<uint16_t, kLastYear - kFirstYear + 1> kYearInfo = {
    0x4BD8, 0x4AE0, 0xA570, 0x54D5, 0xD260, 0xD950, 0x5554, 0x56AF, 0x9AD0, 0x55D2,  // 1900
    0x4AE0, 0xA5B6, 0xA4D0, 0xD250, 0xD295, 0xB54F, 0xD6A0, 0xADA2, 0x95B0, 0x4977,  // 1910
    0x497F, 0xA4B0, 0xB4B5, 0x6A50, 0x6D40, 0xAB54, 0x2B6F, 0x9570, 0x52F2, 0x4970,  // 1920
    0x6566, 0xD4A0, 0xEA50, 0x6A95, 0x5ADF, 0x2B60, 0x86E3, 0x92EF, 0xC8D7, 0xC95F,  // 1930
    0xD4A0, 0xD8A6, 0xB55F, 0x56A0, 0xA5B4, 0x25DF, 0x92D0, 0xD2B2, 0xA950, 0xB557,  // 1940
    0x6CA0, 0xB550, 0x5355, 0x4DAF, 0xA5B0, 0x4573, 0x52BF, 0xA9A8, 0xE950, 0x6AA0,  // 1950
    0xAEA6, 0xAB50, 0x4B60, 0xAAE4, 0xA570, 0x5260, 0xF263, 0xD950, 0x5B57, 0x56A0,  // 1960
    0x96D0, 0x4DD5, 0x4AD0, 0xA4D0, 0xD4D4, 0xD250, 0xD558, 0xB540, 0xB6A0, 0x95A6,  // 1970
    0x95BF, 0x49B0, 0xA974, 0xA4B0, 0xB27A, 0x6A50, 0x6D40, 0xAF46, 0xAB60, 0x9570,  // 1980
    0x4AF5, 0x4970, 0x64B0, 0x74A3, 0xEA50, 0x6B58, 0x5AC0, 0xAB60, 0x96D5, 0x92E0,  // 1990
    0xC960, 0xD954, 0xD4A0, 0xDA50, 0x7552, 0x56A0, 0xABB7, 0x25D0, 0x92D0, 0xCAB5,  // 2000
    0xA950, 0xB4A0, 0xBAA4, 0xAD50, 0x55D9, 0x4BA0, 0xA5B0, 0x5176, 0x52BF, 0xA930,  // 2010
    0x7954, 0x6AA0, 0xAD50, 0x5B52, 0x4B60, 0xA6E6, 0xA4E0, 0xD260, 0xEA65, 0xD530,  // 2020
    0x5AA0, 0x76A3, 0x96D0, 0x4AFB, 0x4AD0, 0xA4D0, 0xD0B6, 0xD25F, 0xD520, 0xDD45,  // 2030
    0xB5A0, 0x56D0, 0x55B2, 0x49B0, 0xA577, 0xA4B0, 0xAA50, 0xB255, 0x6D2F, 0xADA0,  // 2040
    0x4B63, 0x937F, 0x49F8, 0x4970, 0x64B0, 0x68A6, 0xEA5F, 0x6B20, 0xA6C4, 0xAAEF,  // 2050
    0x92E0, 0xD2E3, 0xC960, 0xD557, 0xD4A0, 0xDA50, 0x5D55, 0x56A0, 0xA6D0, 0x55D4,  // 2060
    0x52D0, 0xA9B8, 0xA950, 0xB4A0, 0xB6A6, 0xAD50, 0x55A0, 0xABA4, 0xA5B0, 0x52B0,  // 2070
    0xB273, 0x6930, 0x7337, 0x6AA0, 0xAD50, 0x4B55, 0x4B6F, 0xA570, 0x54E4, 0xD260,  // 2080
    0xE968, 0xD520, 0xDAA0, 0x6AA6, 0x56DF, 0x4AE0, 0xA9D4, 0xA4D0, 0xD150, 0xF252,  // 2090
    0xD520,                                                                          // 2100
};

// Day values of the two anchors: the first days of lunar 1900 and lunar 2000.
constexpr long long kLunar1900Start = 32;     // 1900-01-31
constexpr long long kLunar2000Start = 36561;  // 2000-02-05
constexpr long long kAfterLastDay = 73416;    // 2101-01-01

constexpr int kNoLeapNibble = 0xF;

}  // namespace

uint16_t LunarYearInfo(int year) {
  // Callers keep to 1900–2100; any other year reads as a year of 29-day months
  // without a leap month rather than outside the table.
  if (year < kFirstYear || year > kLastYear) return 0;
  return kYearInfo[static_cast<std::size_t>(year - kFirstYear)];
}

int LunarLeapMonth(int year) {
  int n = LunarYearInfo(year) & 0xF;
  return n == kNoLeapNibble ? 0 : n;
}

int LunarLeapMonthDays(int year) {
  if (LunarLeapMonth(year) == 0) return 0;
  return (LunarYearInfo(year + 1) & 0xF) == kNoLeapNibble ? 30 : 29;
}

int LunarMonthDays(int year, int month) {
  int shift = month <= 1 ? 0 : month - 1;
  unsigned mask = shift < 16 ? 0x8000u >> shift : 0u;
  return (LunarYearInfo(year) & mask) != 0 ? 30 : 29;
}

int LunarYearDays(int year) {
  return 348 + std::popcount(static_cast<unsigned>(LunarYearInfo(year) & 0xFFF0)) + LunarLeapMonthDays(year);
}

LunarDate GregorianToLunar(DateValue date) {
  const long long x = DayNumber(date);
  if (x < kLunar1900Start || x >= kAfterLastDay) return LunarDate{};
  long long off = x - kLunar1900Start;

  int y = kFirstYear;
  int d = 0;
  while (off > 0) {
    d = LunarYearDays(y);
    ++y;
    off -= d;
  }
  if (off < 0) {
    off += d;
    --y;
  }

  const int leap_month = LunarLeapMonth(y);
  bool leap = false;
  int m = 0;
  while (off >= 0) {
    ++m;
    d = LunarMonthDays(y, m);
    off -= d;
    if (off >= 0 && m == leap_month) {
      d = LunarLeapMonthDays(y);
      off -= d;
      if (off < 0) leap = true;
    }
  }
  if (off < 0) off += d;
  return LunarDate{y, m, static_cast<int32_t>(off + 1), static_cast<uint8_t>(leap ? 1 : 0)};
}

bool IsValidLunarDate(const LunarDate& date) {
  // 1900 and 2100 are refused although GregorianToLunar yields dates in them.
  if (date.year > 2099 || date.year < 1901) return false;
  // Months below 1 and days below 1 only come from typed text; they name no date.
  if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 30) return false;
  if (date.leap != 0) return LunarLeapMonth(date.year) == date.month && LunarLeapMonthDays(date.year) >= date.day;
  return LunarMonthDays(date.year, date.month) >= date.day;
}

DateValue LunarToGregorian(const LunarDate& date) {
  if (!IsValidLunarDate(date)) return EncodeDate(1, 1, 1);
  const int y = date.year;
  const int leap_month = LunarLeapMonth(y);

  // The months before this one, the leap month included when it lies before it.
  long long days = 0;
  for (int i = 1; i < date.month; ++i) {
    days += LunarMonthDays(y, i);
    if (i == leap_month) days += LunarLeapMonthDays(y);
  }
  days += date.day - 1;
  // The regular month precedes its leap month.
  if (date.month == leap_month && date.leap != 0) days += LunarMonthDays(y, date.month);

  for (int year = 2000; year < y; ++year) days += LunarYearDays(year);
  for (int year = y; year < 2000; ++year) days -= LunarYearDays(year);
  return static_cast<DateValue>(kLunar2000Start + days);
}

}  // namespace mirevo
