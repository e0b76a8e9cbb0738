#include "calendar/core/signs.h"

#include <gtest/gtest.h>

#include <string>

#include "calendar/core/date_texts.h"
#include "calendar/core/lunar.h"

namespace mirevo {
namespace {

std::string Utf8(const Gbk& g) { return g.ToUtf8(); }

struct DayCase {
  int month;
  int day;
  const char* report;
  const char* calendar;
};

// Both ends of every range; the variants part on 20 April and 23 October.
const DayCase kBoundaries[] = {
    {12, 31, "摩羯座", "摩羯座"}, {1, 1, "摩羯座", "摩羯座"},     {1, 19, "摩羯座", "摩羯座"},
    {1, 20, "水瓶座", "水瓶座"},  {2, 18, "水瓶座", "水瓶座"},    {2, 19, "双鱼座", "双鱼座"},
    {2, 29, "双鱼座", "双鱼座"},  {3, 20, "双鱼座", "双鱼座"},    {3, 21, "白羊座", "白羊座"},
    {4, 19, "白羊座", "白羊座"},  {4, 20, "白羊座", "金牛座"},    {4, 21, "金牛座 ", "金牛座"},
    {5, 20, "金牛座 ", "金牛座"}, {5, 21, "双子座", "双子座"},    {6, 21, "双子座", "双子座"},
    {6, 22, "巨蟹座", "巨蟹座"},  {7, 22, "巨蟹座", "巨蟹座"},    {7, 23, "狮子座", "狮子座"},
    {8, 22, "狮子座", "狮子座"},  {8, 23, "处女座", "处女座"},    {9, 22, "处女座", "处女座"},
    {9, 23, "天秤座", "天秤座"},  {10, 22, "天秤座", "天秤座"},   {10, 23, "天蝎座", "天秤座"},
    {10, 24, "天蝎座", "天蝎座"}, {11, 21, "天蝎座", "天蝎座"},   {11, 22, "射手座", "射手座"},
    {12, 21, "射手座", "射手座"}, {12, 22, "摩羯座", "摩羯座"},
};

TEST(Constellation, ReportAndCalendarVariantsAtEveryBoundary) {
  for (const DayCase& c : kBoundaries) {
    EXPECT_EQ(Utf8(ConstellationOf(EncodeDate(2024, c.month, c.day))), c.report) << c.month << "/" << c.day;
    EXPECT_EQ(Utf8(CalendarConstellationOf(2024, c.month, c.day)), c.calendar) << c.month << "/" << c.day;
  }
}

TEST(Constellation, TheVariantsPartOnTwoDaysAndInTheTaurusBlankOnly) {
  int differing_days = 0;
  for (DateValue d = EncodeDate(2024, 1, 1); d < EncodeDate(2025, 1, 1); ++d) {
    const CivilDate c = DecodeDate(d);
    const Gbk report = ConstellationOf(d), calendar = CalendarConstellationOf(c.year, c.month, c.day);
    ASSERT_EQ(calendar.size(), 6u);
    ASSERT_EQ(report.size(), report.StartsWith(GBK("金牛座")) ? 7u : 6u);
    if (report.Trimmed() != calendar) ++differing_days;
  }
  EXPECT_EQ(differing_days, 2);
  EXPECT_EQ(CalendarConstellationOf(2024, 0, 1), Gbk());
  EXPECT_EQ(CalendarConstellationOf(2024, 13, 1), Gbk());
}

TEST(ZodiacAnimal, ChangesOnTheLunarNewYear) {
  EXPECT_EQ(Utf8(ZodiacAnimalOf(1864)), "鼠");
  EXPECT_EQ(Utf8(ZodiacAnimalOf(1984)), "鼠");
  EXPECT_EQ(Utf8(ZodiacAnimalOf(2020)), "鼠");
  EXPECT_EQ(Utf8(ZodiacAnimalOf(2024)), "龙");
  EXPECT_EQ(Utf8(ZodiacAnimalOf(GregorianToLunar(EncodeDate(1984, 2, 1)).year)), "猪");
  EXPECT_EQ(Utf8(ZodiacAnimalOf(GregorianToLunar(EncodeDate(1984, 2, 2)).year)), "鼠");
  // No lunar date (year 0) and years before the cycle's anchor give no animal,
  // as the cycle year text they are also read from.
  EXPECT_EQ(ZodiacAnimalOf(0), Gbk());
  EXPECT_EQ(ZodiacAnimalOf(1863), Gbk());
}

TEST(ZodiacAnimal, IsTheAnimalOfTheCycleYearText) {
  for (int year = 1864; year <= 2100; ++year)
    EXPECT_EQ(ZodiacAnimalOf(year), CycleYearText(year - 1864).Slice(6, 2)) << year;
}

TEST(CalendarAnimalLabel, TurnsWithTheLunarYearInTheFirstMonths) {
  struct Case {
    int year, month, day, lunar_month;
    const char* label;
  };
  const Case cases[] = {
      {2024, 1, 15, 12, "卯兔"}, {2024, 3, 15, 2, "辰龙"},  {1972, 4, 1, 2, "子鼠"},
      {1972, 12, 31, 11, "子鼠"}, {1972, 1, 1, 11, "亥猪"}, {1972, 1, 1, 12, "亥猪"},
      {1971, 1, 1, 12, "戌狗"},  {1901, 1, 1, 11, "子鼠"},  {2050, 12, 31, 11, "午马"},
      {2024, 12, 20, 11, "辰龙"}, {2024, 2, 9, 12, "卯兔"},  {2024, 2, 10, 1, "辰龙"},
      {2023, 3, 31, 12, "寅虎"},  // the test reaches to the end of March
      {2023, 4, 1, 12, "卯兔"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Utf8(CalendarAnimalLabel(EncodeDate(c.year, c.month, c.day), c.lunar_month)), c.label)
        << c.year << "-" << c.month << "-" << c.day;
}

}  // namespace
}  // namespace mirevo
