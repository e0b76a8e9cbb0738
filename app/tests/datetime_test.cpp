#include "app/core/datetime.h"

#include <gtest/gtest.h>

namespace mirevo {
namespace {

TEST(DateValue, KnownDayNumbers) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 31), 32);
  EXPECT_EQ(EncodeDate(2000, 2, 5), 36561);
  EXPECT_EQ(EncodeDate(2100, 12, 31), 73415);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
  EXPECT_EQ(DecodeDate(36561.75), (CivilDate{2000, 2, 5}));
  EXPECT_EQ(DecodeDate(-693593), (CivilDate{1, 1, 1}));
}

TEST(DateValue, WeekdaysLeapYearsAndDaysOfYear) {
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 2, 10)), 7);  // Saturday
  EXPECT_EQ(DayOfWeek(EncodeDate(2020, 5, 10)), 1);  // Sunday
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(2023, 2), 28);
  EXPECT_EQ(DayOfYear(2000, 12, 31), 366);
  EXPECT_EQ(DayOfYear(1999, 3, 1), 60);
}

TEST(DateValue, ReadsAndWritesTheProgramsFormats) {
  EXPECT_EQ(ParseShortDate("1980-1-1"), EncodeDate(1980, 1, 1));
  EXPECT_EQ(ParseShortDate("2010-02-14"), EncodeDate(2010, 2, 14));
  for (const char* bad : {"2010-02-30", "2010-13-01", "abc", "2010-1", "2010-1-1x", "", "2010--1", "0-1-1"})
    EXPECT_FALSE(ParseShortDate(bad).has_value()) << bad;
  EXPECT_EQ(FormatShortDate(EncodeDate(1, 1, 1)), "0001-01-01");
  EXPECT_EQ(FormatShortDate(EncodeDate(2010, 2, 14) + 0.99), "2010-02-14");
  EXPECT_EQ(FormatDateTime(EncodeDate(1900, 1, 6) + (2 * 60 + 5) / 1440.0), "1900-01-06 02:05:00");
  auto dt = ParseDateTime("1984-02-04 23:19:00");
  ASSERT_TRUE(dt.has_value());
  EXPECT_EQ(FormatDateTime(*dt), "1984-02-04 23:19:00");
  EXPECT_FALSE(ParseDateTime("1984-02-04 24:00:00").has_value());
}

}  // namespace
}  // namespace mirevo
