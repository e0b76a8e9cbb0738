#include "chart/core/pillars.h"

#include <gtest/gtest.h>

#include "app/core/datetime.h"
#include "chart/core/jie.h"
#include "chart/tests/chart_fixture.h"

namespace mirevo {
namespace {

using testing::G;
using testing::U;

std::string Text(const FourPillars& p) {
  return U(p.year.Text() + Gbk::Ascii(" ") + p.month.Text() + Gbk::Ascii(" ") + p.day.Text() + Gbk::Ascii(" ") +
           p.hour.Text());
}

class Pillars : public testing::ChartFolder {};

TEST_F(Pillars, TheFourPillarsOfKnownMoments) {
  // No JQ table: the months turn on their fixed days.
  struct Case {
    int y, m, d, h;
    const char* pillars;
  } cases[] = {
      {2000, 1, 1, 12, "己卯 丙子 戊午 戊午"},  // before 4 February: the previous year
      {1900, 2, 20, 0, "庚子 戊寅 甲子 甲子"},
      {1984, 2, 3, 10, "癸亥 乙丑 丁卯 乙巳"},
      {1984, 2, 4, 10, "甲子 丙寅 戊辰 丁巳"},
      {1990, 1, 20, 23, "己巳 丁丑 乙酉 丙子"},  // 23:xx keeps its calendar day
      {1990, 1, 20, 0, "己巳 丁丑 乙酉 丙子"},
  };
  for (const Case& c : cases) EXPECT_EQ(Text(FourPillarsOf(c.y, c.m, c.d, c.h, 0)), c.pillars) << c.y << "-" << c.m << "-" << c.d;
}

TEST_F(Pillars, TheDayPillarAdvancesByOneEveryDayFrom1900To2100) {
  int previous = -1;
  for (DateValue v = EncodeDate(1900, 1, 1); v <= EncodeDate(2100, 12, 31); v += 1) {
    const CivilDate d = DecodeDate(v);
    const Pillar day = FourPillarsOf(d.year, d.month, d.day, 12, 0).day;
    // Stem and branch numbers of one sixty-cycle position: n mod 10 and n mod 12.
    int n = -1;
    for (int k = 0; k < 60; ++k)
      if (k % 10 == day.stem && k % 12 == day.branch) n = k;
    ASSERT_GE(n, 0) << FormatShortDate(v);
    if (previous >= 0) {
      ASSERT_EQ(n, (previous + 1) % 60) << FormatShortDate(v);
    }
    previous = n;
  }
}

TEST_F(Pillars, HoursOfTheEveningAndTheNight) {
  // 2024-03-01 is a 甲 day: 21 and 22 give 乙亥, 23 and 0 both give 甲子.
  EXPECT_EQ(U(FourPillarsOf(2024, 3, 1, 12, 0).day.Text()).substr(0, 3), "甲");
  for (int h : {21, 22}) EXPECT_EQ(U(FourPillarsOf(2024, 3, 1, h, 0).hour.Text()), "乙亥") << h;
  for (int h : {0, 23}) EXPECT_EQ(U(FourPillarsOf(2024, 3, 1, h, 59).hour.Text()), "甲子") << h;
  EXPECT_EQ(U(FourPillarsOf(2024, 3, 1, 1, 0).hour.Text()), "乙丑");
  EXPECT_EQ(U(FourPillarsOf(2024, 3, 1, 2, 0).hour.Text()), "乙丑");
  EXPECT_EQ(U(FourPillarsOf(2024, 3, 1, 3, 0).hour.Text()), "丙寅");
}

TEST_F(Pillars, MonthBoundariesAndFallbackCounts) {
  struct Case {
    int md, month, day;
    const char* branch;
    int fallback;
  } cases[] = {
      {203, 2, 3, "丑", (30 + 3 - 6) / 3}, {204, 2, 4, "寅", 0},  {305, 3, 5, "寅", 10}, {306, 3, 6, "卯", 0},
      {404, 4, 4, "卯", 9},   {405, 4, 5, "辰", 0},   {505, 5, 5, "巳", 0},   {606, 6, 6, "午", 0},
      {707, 7, 7, "未", 0},   {808, 8, 8, "申", 0},   {907, 9, 7, "申", 9},   {908, 9, 8, "酉", 0},
      {1008, 10, 8, "戌", 0}, {1107, 11, 7, "亥", 0}, {1207, 12, 7, "亥", 10}, {1208, 12, 8, "子", 0},
      {1231, 12, 31, "子", 7}, {101, 1, 1, "子", 9},  {105, 1, 5, "子", 10},  {106, 1, 6, "丑", 0},
      // A correction of the day of a 节: MD one less, counts from the uncorrected day.
      {203, 2, 4, "丑", 9},
      // Below every range (a 节 on 1 January): counted as 子.
      {100, 1, 1, "子", 9},
  };
  for (const Case& c : cases) {
    const MonthBoundary b = MonthBoundaryTable(c.md, c.month, c.day);
    EXPECT_EQ(U(ChartBranchText(b.branch)), c.branch) << c.md;
    EXPECT_EQ(b.fallback_count, c.fallback) << c.md;
  }
}

TEST_F(Pillars, TheJieMomentMovesTheBoundaryOnlyOnItsOwnDayAndBeforeItsTime) {
  WriteTgcode(
      "INSERT INTO JQ VALUES (1984,'立春','1984-02-04 23:19:00');"
      "INSERT INTO JQ VALUES (1984,'雨水','1984-02-19 19:16:00');"
      "INSERT INTO JQ VALUES (1990,'立春','1990-02-03 22:14:00');"
      "INSERT INTO JQ VALUES (2000,'立春','2000-02-05 04:40:00');");
  // Before the moment: still the 丑 month of the previous year.
  EXPECT_EQ(Text(FourPillarsOf(1984, 2, 4, 10, 0)), "癸亥 乙丑 戊辰 丁巳");
  EXPECT_EQ(Text(FourPillarsOf(1984, 2, 4, 23, 18)), "癸亥 乙丑 戊辰 壬子");
  // At and after the moment: the fixed boundary holds.
  EXPECT_EQ(Text(FourPillarsOf(1984, 2, 4, 23, 19)), "甲子 丙寅 戊辰 壬子");
  EXPECT_EQ(Text(FourPillarsOf(1984, 2, 4, 23, 30)), "甲子 丙寅 戊辰 壬子");
  // A 立春 listed for 3 or 5 February does not touch a birth on the 4th.
  EXPECT_EQ(U(FourPillarsOf(1990, 2, 4, 10, 0).year.Text()), "庚午");
  EXPECT_EQ(U(FourPillarsOf(2000, 2, 4, 3, 0).year.Text()), "庚辰");
  // A 中气 (雨水) moves nothing.
  EXPECT_FALSE(IsBeforeJieMoment(1984, EncodeDate(1984, 2, 19) + 0.25));
  // The year of the query is the year given.
  EXPECT_FALSE(IsBeforeJieMoment(1985, EncodeDate(1984, 2, 4) + 0.25));
}

TEST_F(Pillars, WithoutAReadableJqTableTheFixedDaysHold) {
  EXPECT_FALSE(IsBeforeJieMoment(1984, EncodeDate(1984, 2, 4)));  // no file
  testing::WriteDatabase(tmp_ / "Tgcode.dll", "CREATE TABLE other (x INTEGER);");
  EXPECT_FALSE(IsBeforeJieMoment(1984, EncodeDate(1984, 2, 4)));  // no table
  testing::WriteFile(tmp_ / "Tgcode.dll", "this is no database");
  EXPECT_FALSE(IsBeforeJieMoment(1984, EncodeDate(1984, 2, 4)));  // damaged file
  WriteTgcode("INSERT INTO JQ VALUES (1984,'立春','not a time');");
  EXPECT_FALSE(IsBeforeJieMoment(1984, EncodeDate(1984, 2, 4)));  // bad data
}

TEST_F(Pillars, JieNames) {
  for (const char* name : {"立春", "惊蛰", "清明", "立夏", "芒种", "小暑", "立秋", "白露", "寒露", "立冬", "大雪", "小寒"})
    EXPECT_TRUE(IsJieName(G(name))) << name;
  for (const char* name : {"雨水", "春分", "冬至", "大寒", "", "立春 ", "立"}) EXPECT_FALSE(IsJieName(G(name))) << name;
}

TEST_F(Pillars, ImpossibleDaysAreRefused) {
  EXPECT_EQ(U(ImpossibleDayMessage()), "请检查输入数据是否出错！");
  struct Case {
    int y, m, d;
    bool accepted;
  } cases[] = {{2001, 2, 29, false}, {2010, 4, 31, false}, {2010, 6, 31, false}, {2010, 9, 31, false},
               {2010, 11, 31, false}, {1900, 2, 29, false}, {2000, 2, 29, true}, {2004, 2, 29, true},
               {2001, 2, 30, false}, {2010, 1, 31, true},  {2010, 13, 1, false}, {2010, 1, 0, false}};
  for (const Case& c : cases)
    EXPECT_EQ(ComputeChartData(c.y, c.m, c.d, 8, 0, G("男")).has_value(), c.accepted) << c.y << "-" << c.m << "-" << c.d;
  EXPECT_FALSE(ComputeChartData(2010, 1, 1, 24, 0, G("男")).has_value());
  EXPECT_FALSE(ComputeChartData(2010, 1, 1, 8, 60, G("男")).has_value());
}

TEST_F(Pillars, TheChartRecordOfOneRun) {
  const ChartData c = *ComputeChartData(2000, 1, 1, 12, 0, G("男"));
  Gbk eight;
  for (const Gbk& t : c.texts) eight += t;
  EXPECT_EQ(U(eight), "己卯丙子戊午戊午");
  EXPECT_EQ(U(c.day_stem()), "戊");
  EXPECT_TRUE(c.male);
  EXPECT_FALSE(ComputeChartData(2000, 1, 1, 12, 0, G("女"))->male);
  EXPECT_FALSE(ComputeChartData(2000, 1, 1, 12, 0, G("男 "))->male);  // exactly 男
  EXPECT_EQ(U(c.embryo), "丁卯 ");
  EXPECT_EQ(c.start_age_text, Gbk::Number(c.start_age));
  EXPECT_EQ(U(c.personality).substr(0, 9), "是一个");
}

}  // namespace
}  // namespace mirevo
