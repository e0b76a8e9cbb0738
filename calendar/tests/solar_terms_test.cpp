#include "calendar/core/solar_terms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <tuple>

namespace mirevo {
namespace {

DateValue Day(const char* text) { return *ParseShortDate(text); }

std::string Utf8(const Gbk& g) { return g.ToUtf8(); }

// Term k (1–24) by its name.
int TableTermNumber(const std::string& name_utf8) {
  for (int n = 0; n < 24; ++n)
    if (Utf8(SolarTermName(n)) == name_utf8) return n + 1;
  return 0;
}

TEST(SolarTermInstant, FollowsTheFormulaFromTheAnchor) {
  EXPECT_EQ(FormatDateTime(SolarTermInstant(1900, 0)), "1900-01-06 02:05:00");
  EXPECT_EQ(FormatShortDate(SolarTermInstant(2024, 2)), "2024-02-04");
  EXPECT_EQ(FormatDateTime(SolarTermInstant(1900, 1)), "1900-01-20 19:33:00");  // 21208 minutes on
  EXPECT_EQ(FormatDateTime(SolarTermInstant(2024, 2)), "2024-02-04 14:39:01");
  EXPECT_EQ(FormatDateTime(SolarTermInstant(1850, 23)), "1850-12-22 12:04:41");
}

// (year − 1900) × 31556925974.7 lands exactly on a half millisecond in some
// years; the half goes to the even neighbour.
TEST(SolarTermInstant, HalfMillisecondsRoundToEven) {
  const DateValue anchor = EncodeDate(1900, 1, 6) + (2 * 60 + 5) / 1440.0;
  struct Case {
    int year;
    double milliseconds;  // from the anchor
  };
  for (const Case& c : {Case{1915, 473353889620.0}, Case{1805, -2997907967596.0}, Case{1905, 157784629874.0}}) {
    const double got = (SolarTermInstant(c.year, 0) - anchor) * 86400000.0;
    EXPECT_NEAR(got, c.milliseconds, 0.05) << c.year;
  }
}

TEST(SolarTermOn, NamesTheTermOfItsCalendarDayOnly) {
  EXPECT_EQ(Utf8(SolarTermOn(Day("2009-02-03"))), "立春");
  EXPECT_EQ(Utf8(SolarTermOn(Day("2009-02-04"))), "");
  EXPECT_EQ(Utf8(SolarTermOn(Day("1995-08-23"))), "处暑");
  EXPECT_EQ(Utf8(SolarTermOn(Day("1995-08-21"))), "");
  EXPECT_EQ(Utf8(SolarTermOn(Day("1900-01-06"))), "小寒");
  EXPECT_EQ(Utf8(SolarTermOn(Day("2024-12-21"))), "冬至");
  EXPECT_EQ(Utf8(SolarTermOn(Day("2024-12-20"))), "");
}

TEST(SolarTermOn, FindsEachTermOnceEveryYear) {
  for (int year = 1900; year <= 2100; ++year) {
    int found = 0;
    for (DateValue d = EncodeDate(year, 1, 1); d < EncodeDate(year + 1, 1, 1); ++d) {
      Gbk name = SolarTermOn(d);
      if (name.empty()) continue;
      EXPECT_EQ(name, SolarTermName(found)) << FormatShortDate(d);
      ++found;
    }
    EXPECT_EQ(found, 24) << year;
  }
}

TEST(CalendarSolarTermOn, AnswersFromTheCalendarTable) {
  EXPECT_EQ(Utf8(CalendarSolarTermOn(Day("2009-02-03"))), "");
  EXPECT_EQ(Utf8(CalendarSolarTermOn(Day("2009-02-04"))), "立春");
  EXPECT_EQ(Utf8(CalendarSolarTermOn(Day("1995-08-21"))), "处暑");
  EXPECT_EQ(Utf8(CalendarSolarTermOn(Day("1995-08-23"))), "");
  EXPECT_EQ(Utf8(CalendarSolarTermOn(Day("2024-06-20"))), "");
  EXPECT_EQ(Utf8(CalendarSolarTermOn(Day("2024-06-15"))), "");
}

TEST(CalendarSolarTermOn, IsEmptyOutsideTheTableYears) {
  for (const char* date : {"1900-01-06", "1900-12-22", "2051-01-05", "2051-12-22", "1850-06-21"})
    EXPECT_EQ(Utf8(CalendarSolarTermOn(Day(date))), "") << date;
  EXPECT_EQ(CalendarSolarTermDay(1900, 1), 0);
  EXPECT_EQ(CalendarSolarTermDay(2051, 1), 0);
  EXPECT_EQ(CalendarSolarTermDay(2024, 0), 0);
  EXPECT_EQ(CalendarSolarTermDay(2024, 25), 0);
  EXPECT_EQ(CalendarSolarTermByte(2051, 1), 0);
  EXPECT_NE(CalendarSolarTermByte(1901, 1), 0);
}

TEST(CalendarSolarTermTable, Year1984IsStoredAsPublished) {
  const int bytes[] = {0x96, 0xb4, 0xa5, 0xb5, 0xa6, 0xa6, 0x87, 0x88, 0x88, 0x78, 0x87, 0x87};
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(CalendarSolarTermByte(1984, m), bytes[m - 1]) << m;
}

TEST(CalendarSolarTermTable, TheDaysOf2024) {
  const int days[] = {6, 20, 4, 19, 5, 20, 4, 19, 5, 20, 5, 21, 6, 22, 7, 22, 7, 22, 8, 23, 7, 22, 6, 21};
  for (int k = 1; k <= 24; ++k) {
    EXPECT_EQ(CalendarSolarTermDay(2024, k), days[k - 1]) << k;
    EXPECT_EQ(CalendarSolarTermOn(EncodeDate(2024, (k + 1) / 2, days[k - 1])), SolarTermName(k - 1)) << k;
  }
}

// Every day of 1901–2050: the table names exactly its 24 days a year, first terms
// on the 3rd to 9th and second terms on the 18th to 24th (so the 15th, which the
// lookup would name as a first term, never matches).
TEST(CalendarSolarTermTable, NamesEachTermOnceOnItsOwnDay) {
  for (int year = 1901; year <= 2050; ++year) {
    int found = 0;
    for (DateValue d = EncodeDate(year, 1, 1); d < EncodeDate(year + 1, 1, 1); ++d) {
      Gbk name = CalendarSolarTermOn(d);
      if (name.empty()) continue;
      const CivilDate c = DecodeDate(d);
      const int k = found + 1;
      EXPECT_EQ(name, SolarTermName(found)) << FormatShortDate(d);
      EXPECT_EQ(c.month, (k + 1) / 2) << FormatShortDate(d);
      EXPECT_EQ(c.day, CalendarSolarTermDay(year, k)) << FormatShortDate(d);
      EXPECT_TRUE(k % 2 == 1 ? c.day >= 3 && c.day <= 9 : c.day >= 18 && c.day <= 24) << FormatShortDate(d);
      ++found;
    }
    EXPECT_EQ(found, 24) << year;
  }
}

// The published list of the term days where the calendar table and the formula
// part, in the table's own words.
const char* const kListedExceptions =
    "1904: 寒露 10/8. 1909: 大寒 1/21. 1910: 立春 2/5; 清明 4/6. 1911: 立夏 5/7. 1912: 小寒 1/7; 寒露 10/9; "
    "小雪 11/23. 1913: 秋分 9/24. 1917: 小满 5/21. "
    "1927: 白露 9/8. 1928: 夏至 6/21. 1929: 寒露 10/8; 小雪 11/22. 1935: 芒种 6/6. 1942: 大寒 1/21. 1943: 立春 "
    "2/5; 清明 4/6. 1945: 小寒 1/6. 1947: 冬至 12/23. 1949: 处暑 8/24. "
    "1950: 谷雨 4/20; 大雪 12/8. 1951: 冬至 12/23. 1952: 春分 3/21. 1954: 霜降 10/23. 1955: 大暑 7/23. 1956: 雨水 "
    "2/20. 1957: 立冬 11/8. 1958: 小暑 7/7; 处暑 8/23. 1960: 白露 9/7. 1961: 夏至 6/21. 1962: 大寒 1/21. "
    "1973: 雨水 2/20; 立夏 5/5. 1974: 小雪 11/23. 1975: 大寒 1/21; 秋分 9/23. 1976: 立春 2/5; 处暑 8/24. 1977: "
    "惊蛰 3/6; 立夏 5/6; 立秋 8/7. 1978: 小寒 1/6; 小雪 11/23. 1979: 大寒 1/21; 小满 5/21. "
    "1980: 立春 2/5; 冬至 12/22. 1981: 惊蛰 3/6; 立冬 11/8. 1982: 小寒 1/6. 1983: 大雪 12/8. 1984: 大暑 7/22; "
    "冬至 12/22. 1985: 春分 3/21. 1987: 小暑 7/7. 1988: 大暑 7/22. 1989: 雨水 2/19; 白露 9/7. "
    "1990: 夏至 6/21; 立冬 11/8. 1991: 立夏 5/7; 小暑 7/7; 处暑 8/23. 1994: 夏至 6/21. 1995: 处暑 8/21. 1997: "
    "芒种 6/5. "
    "2006: 立夏 5/5; 立秋 8/7. 2007: 小雪 11/23. 2008: 大寒 1/21; 秋分 9/22. 2009: 立春 2/4. "
    "2010: 惊蛰 3/6; 立秋 8/7. 2011: 小寒 1/6; 小雪 11/23. 2012: 大寒 1/21; 小满 5/20; 大雪 12/7. 2013: 立春 2/4; "
    "大暑 7/22; 冬至 12/22. 2014: 惊蛰 3/6. 2015: 小寒 1/6. 2016: 大雪 12/7. 2017: 大暑 7/22; 冬至 12/22. 2018: "
    "雨水 2/19; 春分 3/21. 2019: 夏至 6/21. "
    "2020: 小暑 7/6; 处暑 8/22; 大雪 12/7. 2022: 雨水 2/19; 白露 9/7. 2023: 夏至 6/21; 霜降 10/24; 立冬 11/8. "
    "2024: 处暑 8/22. 2026: 芒种 6/5. "
    "2030: 芒种 6/5. 2033: 大暑 7/23. 2034: 立秋 8/8. 2035: 立夏 5/5; 立秋 8/7. 2037: 大寒 1/20. 2039: 立秋 8/7. "
    "2040: 小寒 1/6; 寒露 10/8; 小雪 11/22. 2041: 大寒 1/20; 小满 5/20. 2042: 立春 2/4. 2043: 惊蛰 3/6; 立秋 "
    "8/7. 2044: 小寒 1/6; 小雪 11/22. 2045: 大寒 1/20; 谷雨 4/19; 小满 5/20; 大雪 12/7. 2046: 立春 2/4; 大暑 "
    "7/22; 冬至 12/22. 2047: 惊蛰 3/6. 2048: 小寒 1/6; 夏至 6/20. 2049: 清明 4/5; 谷雨 4/20; 小暑 7/6; 处暑 "
    "8/22; 大雪 12/7. "
    "2050: 大暑 7/22; 白露 9/8; 冬至 12/22.";

// (year, k) -> (month, day) of the list.
std::map<std::pair<int, int>, std::pair<int, int>> ListedExceptions() {
  std::map<std::pair<int, int>, std::pair<int, int>> list;
  std::istringstream in(kListedExceptions);
  std::string word;
  int year = 0;
  while (in >> word) {
    if (word.back() == ':') {
      year = std::stoi(word);
      continue;
    }
    std::string when;
    in >> when;  // "10/8." or "4/6;"
    const int k = TableTermNumber(word);
    EXPECT_NE(k, 0) << word;
    const int month = std::stoi(when), day = std::stoi(when.substr(when.find('/') + 1));
    list[{year, k}] = {month, day};
  }
  return list;
}

TEST(CalendarSolarTermTable, DiffersFromTheFormulaExactlyOnTheListedDays) {
  const auto listed = ListedExceptions();
  ASSERT_EQ(listed.size(), 138u);
  int one_day = 0, two_days = 0;
  for (int year = 1901; year <= 2050; ++year) {
    for (int k = 1; k <= 24; ++k) {
      const CivilDate formula = DecodeDate(SolarTermInstant(year, k - 1));
      const int table = CalendarSolarTermDay(year, k);
      auto it = listed.find({year, k});
      if (it == listed.end()) {
        EXPECT_EQ(table, formula.day) << year << " " << Utf8(SolarTermName(k - 1));
        continue;
      }
      EXPECT_EQ(it->second.first, (k + 1) / 2) << year << " " << Utf8(SolarTermName(k - 1));
      EXPECT_EQ(table, it->second.second) << year << " " << Utf8(SolarTermName(k - 1));
      const int gap = std::abs(table - formula.day);
      one_day += gap == 1;
      two_days += gap == 2;
    }
  }
  EXPECT_EQ(one_day, 137);
  EXPECT_EQ(two_days, 1);
  EXPECT_EQ(CalendarSolarTermDay(1995, 16), 21);
  EXPECT_EQ(DecodeDate(SolarTermInstant(1995, 15)).day, 23);
}

}  // namespace
}  // namespace mirevo
