#include "calendar/core/lunar.h"

#include <gtest/gtest.h>

#include <string>

namespace mirevo {
namespace {

DateValue Day(const char* text) { return *ParseShortDate(text); }

std::string Show(const LunarDate& l) {
  return std::to_string(l.year) + "/" + (l.leap ? "leap " : "") + std::to_string(l.month) + "/" +
         std::to_string(l.day);
}

TEST(LunarTable, AnchorsAreTheDayNumbersTheConversionsCountFrom) {
  EXPECT_EQ(Day("1900-01-31"), 32);
  EXPECT_EQ(Day("2000-02-05"), 36561);
  EXPECT_EQ(Day("2100-12-31"), 73415);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
}

TEST(LunarTable, TheYears1900To1999SpanExactlyTheDaysBetweenTheAnchors) {
  long long days = 0;
  for (int y = 1900; y <= 1999; ++y) days += LunarYearDays(y);
  EXPECT_EQ(days, 36529);
  EXPECT_EQ(days, Day("2000-02-05") - Day("1900-01-31"));
}

TEST(LunarTable, EveryYearHasALengthOfTwelveOrThirteenMonths) {
  for (int y = 1900; y <= 2100; ++y) {
    const int days = LunarYearDays(y);
    if (LunarLeapMonth(y) == 0)
      EXPECT_TRUE(days >= 353 && days <= 355) << y << ": " << days;
    else
      EXPECT_TRUE(days >= 383 && days <= 385) << y << ": " << days;
  }
}

TEST(LunarTable, MonthAndLeapMonthLengthsReadFromTheEntries) {
  struct Case {
    int year;
    int leap_month;
    int leap_days;
  };
  // 1906 and 1925 have 30-day leap months: the next year's entry ends in F.
  for (const Case& c : {Case{1900, 8, 29}, Case{1906, 4, 30}, Case{1907, 0, 0}, Case{1987, 6, 29},
                        Case{1925, 4, 30}, Case{2020, 4, 29}, Case{2033, 11, 29}, Case{2034, 0, 0}, Case{2100, 0, 0}}) {
    EXPECT_EQ(LunarLeapMonth(c.year), c.leap_month) << c.year;
    EXPECT_EQ(LunarLeapMonthDays(c.year), c.leap_days) << c.year;
  }
  EXPECT_EQ(LunarMonthDays(1980, 12), 30);
  EXPECT_EQ(LunarMonthDays(1980, 10), 29);
  // 0x4BD8: months 1–12 of 1900 are 29 30 29 29 30 29 30 30 30 30 29 30.
  const int expected_1900[] = {29, 30, 29, 29, 30, 29, 30, 30, 30, 30, 29, 30};
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(LunarMonthDays(1900, m), expected_1900[m - 1]) << m;
  EXPECT_EQ(LunarMonthDays(1900, 0), LunarMonthDays(1900, 1));
  EXPECT_EQ(LunarYearDays(1900), 384);
}

TEST(GregorianToLunar, EdgesOfTheRangeAndOfTheLeapMonths) {
  struct Case {
    const char* date;
    LunarDate lunar;
  };
  const Case cases[] = {
      {"1900-01-31", {1900, 1, 1, 0}},  {"1900-01-30", {}},
      {"2100-12-31", {2100, 12, 1, 0}}, {"2101-01-01", {}},
      {"2000-02-05", {2000, 1, 1, 0}},  {"2000-02-04", {1999, 12, 29, 0}},
      {"1987-07-26", {1987, 6, 1, 1}},  {"1987-07-25", {1987, 6, 30, 0}},
      {"1987-08-23", {1987, 6, 29, 1}}, {"1987-08-24", {1987, 7, 1, 0}},
      {"2020-05-23", {2020, 4, 1, 1}},  {"2033-12-22", {2033, 11, 1, 1}},
      {"1981-02-04", {1980, 12, 30, 0}}, {"1981-02-05", {1981, 1, 1, 0}},
      {"1984-02-01", {1983, 12, 30, 0}}, {"2024-02-10", {2024, 1, 1, 0}},
      {"0001-01-01", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Show(GregorianToLunar(Day(c.date))), Show(c.lunar)) << c.date;
}

TEST(GregorianToLunar, TheTimeOfDayIsDropped) {
  EXPECT_EQ(GregorianToLunar(Day("2000-02-05") + 0.999), (LunarDate{2000, 1, 1, 0}));
  EXPECT_EQ(GregorianToLunar(Day("2000-02-05") - 0.001), (LunarDate{1999, 12, 29, 0}));
  EXPECT_TRUE(GregorianToLunar(Day("1900-01-31") - 0.5).IsNone());
}

TEST(LunarToGregorian, ValidAndRefusedDates) {
  struct Case {
    LunarDate lunar;
    const char* date;  // 0001-01-01: refused
  };
  const Case cases[] = {
      {{2000, 1, 1, 0}, "2000-02-05"},
      {{1999, 12, 29, 0}, "2000-02-04"},
      {{1987, 6, 1, 1}, "1987-07-26"},
      {{1987, 7, 1, 0}, "1987-08-24"},
      {{2020, 4, 1, 1}, "2020-05-23"},
      {{2033, 11, 1, 1}, "2033-12-22"},
      {{1980, 12, 30, 0}, "1981-02-04"},
      {{2099, 12, 30, 0}, "2100-02-08"},
      {{1906, 4, 30, 1}, "1906-06-21"},   // a 30-day leap month
      {{1901, 1, 1, 0}, "1901-02-19"},
      // The years 1900 and 2100 are refused although GregorianToLunar gives them.
      {{1900, 1, 1, 0}, "0001-01-01"},
      {{2100, 12, 1, 0}, "0001-01-01"},
      {{1980, 10, 30, 0}, "0001-01-01"},  // the tenth month of 1980 has 29 days
      {{2020, 4, 30, 1}, "0001-01-01"},   // the leap fourth month of 2020 has 29 days
      {{2020, 5, 1, 1}, "0001-01-01"},    // 2020's leap month is the fourth
      {{2021, 4, 1, 1}, "0001-01-01"},    // 2021 has none
      {{2000, 13, 1, 0}, "0001-01-01"},
      {{2000, 1, 31, 0}, "0001-01-01"},
      // Typed text may give a month or day below 1; they name no lunar date.
      {{2000, 0, 1, 0}, "0001-01-01"},
      {{2000, -3, 1, 0}, "0001-01-01"},
      {{2000, 1, 0, 0}, "0001-01-01"},
      {{2000, 1, -5, 0}, "0001-01-01"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatShortDate(LunarToGregorian(c.lunar)), c.date) << Show(c.lunar);
    EXPECT_EQ(IsValidLunarDate(c.lunar), std::string(c.date) != "0001-01-01") << Show(c.lunar);
  }
}

// Walks every day on which both conversions are defined: each day is the lunar day
// after the day before, and converts back to itself.
TEST(LunarConversion, EveryDayFrom1901To2100RoundTrips) {
  const DateValue first = Day("1901-02-19"), last = Day("2100-02-08");
  ASSERT_EQ(GregorianToLunar(first), (LunarDate{1901, 1, 1, 0}));
  ASSERT_EQ(GregorianToLunar(last), (LunarDate{2099, 12, 30, 0}));
  LunarDate previous = GregorianToLunar(first - 1);
  int days = 0, failures = 0;
  for (DateValue d = first; d <= last && failures < 10; ++d, ++days) {
    const LunarDate l = GregorianToLunar(d);
    const bool next_day = l.year == previous.year && l.month == previous.month && l.leap == previous.leap &&
                          l.day == previous.day + 1;
    const bool first_of_leap = l.day == 1 && l.leap == 1 && l.month == previous.month && previous.leap == 0 &&
                               l.month == LunarLeapMonth(l.year);
    const bool first_of_month = l.day == 1 && l.leap == 0 &&
                                ((l.year == previous.year && l.month == previous.month + 1) ||
                                 (l.year == previous.year + 1 && l.month == 1 && previous.month == 12));
    if (!next_day && !first_of_leap && !first_of_month) {
      ADD_FAILURE() << FormatShortDate(d) << " is " << Show(l) << " after " << Show(previous);
      ++failures;
    }
    if (LunarToGregorian(l) != d) {
      ADD_FAILURE() << FormatShortDate(d) << " -> " << Show(l) << " -> " << FormatShortDate(LunarToGregorian(l));
      ++failures;
    }
    previous = l;
  }
  EXPECT_EQ(days, 72674);
}

// The other way round: every lunar date of 1901–2099 names one day, and the days
// follow each other without gap.
TEST(LunarConversion, EveryValidLunarDateOf1901To2099NamesTheNextDay) {
  DateValue expected = Day("1901-02-19");
  int failures = 0;
  for (int y = 1901; y <= 2099 && failures < 10; ++y) {
    for (int m = 1; m <= 12; ++m) {
      for (int leap = 0; leap <= 1; ++leap) {
        if (leap && LunarLeapMonth(y) != m) continue;
        const int length = leap ? LunarLeapMonthDays(y) : LunarMonthDays(y, m);
        for (int day = 1; day <= 30; ++day) {
          LunarDate l{y, m, day, static_cast<uint8_t>(leap)};
          ASSERT_EQ(IsValidLunarDate(l), day <= length) << Show(l);
          if (day > length) continue;
          if (LunarToGregorian(l) != expected) {
            ADD_FAILURE() << Show(l) << " -> " << FormatShortDate(LunarToGregorian(l)) << ", wanted "
                          << FormatShortDate(expected);
            ++failures;
          }
          ++expected;
        }
      }
    }
  }
  EXPECT_EQ(FormatShortDate(expected), "2100-02-09");
}

}  // namespace
}  // namespace mirevo
