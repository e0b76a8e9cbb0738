#include "chart/core/luck.h"

#include <gtest/gtest.h>

#include "chart/core/pillars.h"
#include "chart/tests/chart_fixture.h"

namespace mirevo {
namespace {

using testing::G;
using testing::U;

class Luck : public testing::ChartFolder {};

TEST_F(Luck, DirectionByYearStemAndSex) {
  // 甲 = 1 is yang, 己 = 6 yin.
  EXPECT_TRUE(LuckRunsBackward(/*male=*/true, 6));
  EXPECT_FALSE(LuckRunsBackward(/*male=*/false, 6));
  EXPECT_FALSE(LuckRunsBackward(/*male=*/true, 1));
  EXPECT_TRUE(LuckRunsBackward(/*male=*/false, 1));
  EXPECT_TRUE(LuckRunsBackward(/*male=*/true, 0));  // 癸
}

TEST_F(Luck, TheLuckPillarsOfABoyAndAGirlBornOnNewYearsDay2000) {
  const ChartData boy = *ComputeChartData(2000, 1, 1, 12, 0, G("男"));
  const ChartData girl = *ComputeChartData(2000, 1, 1, 12, 0, G("女"));
  EXPECT_TRUE(boy.backward);
  EXPECT_FALSE(girl.backward);
  EXPECT_EQ(U(boy.luck_pillars), "丙子   乙亥   甲戌   癸酉   壬申   辛未   庚午   己巳   戊辰   丁卯");
  EXPECT_EQ(U(girl.luck_pillars), "丙子   丁丑   戊寅   己卯   庚辰   辛巳   壬午   癸未   甲申   乙酉");
}

TEST_F(Luck, TheEmbryo) {
  EXPECT_EQ(U(EmbryoPillar({3, 1}).Text()), "丁卯");  // of 丙子
  EXPECT_EQ(U(EmbryoPillar({0, 0}).Text()), "甲寅");   // of 癸亥
}

TEST_F(Luck, StartAgeOfTheDayCount) {
  struct Case {
    int days, age;
  } cases[] = {{1, 1}, {2, 1}, {3, 1}, {4, 2}, {6, 2}, {7, 3}, {27, 9}, {28, 10}, {30, 10}, {31, 1}, {32, 1}, {0, 10}};
  for (const Case& c : cases) EXPECT_EQ(StartAgeOfDayCount(c.days), c.age) << c.days;
}

TEST_F(Luck, StartAgeCountsTheDaysToTheNextOrPreviousJie) {
  // 2024 by the formula: 小寒 6 January, 立春 4 February, 惊蛰 5 March, 芒种 5 June,
  // 小暑 6 July.
  EXPECT_EQ(StartAge(EncodeDate(2024, 2, 3), false, 99), 1);   // 1 day
  EXPECT_EQ(StartAge(EncodeDate(2024, 2, 1), false, 99), 1);   // 3 days
  EXPECT_EQ(StartAge(EncodeDate(2024, 1, 31), false, 99), 2);  // 4 days
  // A birth on a 节 day counts to the next one, or back to the previous one.
  EXPECT_EQ(StartAge(EncodeDate(2024, 2, 4), false, 99), 10);  // 30 days to 惊蛰
  EXPECT_EQ(StartAge(EncodeDate(2024, 2, 4), true, 99), 10);   // 29 days back to 小寒
  EXPECT_EQ(StartAge(EncodeDate(2024, 6, 5), false, 99), 1);   // 31 days to 小暑
  EXPECT_EQ(StartAge(EncodeDate(2024, 1, 7), true, 99), 1);    // 1 day back
}

TEST_F(Luck, AnnualPillarsAndAgeLabels) {
  EXPECT_EQ(U(AnnualPillarText(1999)), "己卯");
  EXPECT_EQ(U(AnnualPillarText(1984)), "甲子");
  EXPECT_EQ(U(AgeLabel(1999, 1999)), "00岁");
  EXPECT_EQ(U(AgeLabel(2004, 1999)), "05岁");
  EXPECT_EQ(U(AgeLabel(2012, 1999)), "13岁");
}

// A chart record with only what the luck block reads.
ChartData LuckChart(int start_age, bool backward) {
  ChartData c;
  c.year = 2000;
  c.start_age = start_age;
  c.start_age_text = Gbk::Number(start_age);
  c.hour_pillar = {5, 7};  // 戊午
  c.backward = backward;
  c.luck_sound_line = G("纳音：x ");
  c.luck_ten_god_line = G("十神：y   ");
  c.luck_pillars = G("丙子   乙亥");
  return c;
}

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

TEST_F(Luck, TheBlockForLunarYear1999AndStartAge3) {
  const ReportLines lines = LuckBlock(LuckChart(3, false), 1999);
  ASSERT_EQ(lines.size(), 37u);
  EXPECT_EQ(U(lines[0]), "纳音：x ");
  EXPECT_EQ(U(lines[1]), "十神：y   ");
  EXPECT_EQ(U(lines[2]), "大运：丙子   乙亥");
  EXPECT_EQ(U(lines[3]), "      1-2岁   3岁   13岁   23岁   33岁   43岁   53岁   63岁   73岁   83岁");
  EXPECT_EQ(U(lines[4]), "始于：2000   2003   2013   2023   2033   2043   2053   2063   2073   2083");
  EXPECT_EQ(lines[5], Gbk());
  EXPECT_EQ(U(lines[6]), "流年：己卯   壬午   壬辰   壬寅   壬子   壬戌   壬申   壬午   壬辰   壬寅");
  EXPECT_EQ(U(lines[7]), Blanks(6) + "庚辰   癸未   癸巳   癸卯   癸丑   癸亥   癸酉   癸未   癸巳   癸卯");
  EXPECT_EQ(U(lines[9]), Blanks(13) + "乙酉   乙未   乙巳   乙卯   乙丑   乙亥   乙酉   乙未   乙巳");
  EXPECT_EQ(U(lines[15]), Blanks(13) + "辛卯   辛丑   辛亥   辛酉   辛未   辛巳   辛卯   辛丑   辛亥");
  EXPECT_EQ(lines[16], Gbk());
  EXPECT_EQ(U(lines[17]), "小运：戊午   辛酉   辛未   辛巳   辛卯   辛丑   辛亥   辛酉   辛未   辛巳");
  EXPECT_EQ(U(lines[18]), Blanks(6) + "00岁   03岁   13岁   23岁   33岁   43岁   53岁   63岁   73岁   83岁");
  EXPECT_EQ(U(lines[23]), Blanks(13) + "甲子   甲戌   甲申   甲午   甲辰   甲寅   甲子   甲戌   甲申");
  EXPECT_EQ(U(lines[24]), Blanks(13) + "06岁   16岁   26岁   36岁   46岁   56岁   66岁   76岁   86岁");
  EXPECT_EQ(U(lines[36]), Blanks(13) + "12岁   22岁   32岁   42岁   52岁   62岁   72岁   82岁   92岁");
}

TEST_F(Luck, MinorLuckRunsBackwardToo) {
  const ReportLines lines = LuckBlock(LuckChart(3, true), 1999);
  EXPECT_EQ(U(lines[17]).substr(0, std::string("小运：戊午   乙卯   乙巳").size()), "小运：戊午   乙卯   乙巳");
}

TEST_F(Luck, ColumnZeroRowsFollowTheStartAge) {
  auto has_column_zero = [](const Gbk& row) { return row.Slice(1, 6) != Gbk::Ascii("      ") || row.Slice(7, 1) != Gbk::Ascii(" "); };
  const ReportLines ten = LuckBlock(LuckChart(10, false), 1999);
  EXPECT_EQ(U(ten[3]), "      1-9岁   10岁   20岁   30岁   40岁   50岁   60岁   70岁   80岁   90岁");
  for (int r = 0; r < 10; ++r) EXPECT_TRUE(has_column_zero(ten[6 + r])) << r;
  EXPECT_EQ(U(ten[36]), Blanks(6) + "09岁   19岁   29岁   39岁   49岁   59岁   69岁   79岁   89岁   99岁");

  const ReportLines one = LuckBlock(LuckChart(1, false), 1999);
  EXPECT_EQ(U(one[3]), "      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁");
  EXPECT_TRUE(has_column_zero(one[6]));
  for (int r = 1; r < 10; ++r) EXPECT_FALSE(has_column_zero(one[6 + r])) << r;
}

TEST_F(Luck, TheLinesOfTheLuckPillarsWithTheirLookups) {
  WriteTgcode(
      "INSERT INTO jiazi VALUES ('丙子','涧下水');"
      "INSERT INTO jiazi VALUES ('丁卯','炉中火');"
      "INSERT INTO Shishen VALUES ('戊丙','偏印');");
  const LuckPillarList pillars = LuckPillars({3, 1}, false);
  // Missing answers leave their slot empty; the separators stay, the last ones too.
  EXPECT_EQ(U(LuckSoundLine(pillars)), "纳音：涧下水 " + Blanks(9));
  EXPECT_EQ(U(LuckTenGodLine(G("戊"), pillars)), "十神：偏印   " + Blanks(27));
  ChartData c;
  c.embryo = G("丁卯 ");
  c.start_age_text = Gbk::Ascii("7");
  EXPECT_EQ(U(EmbryoLine(c)), "胎元：丁卯(炉中火)");
  EXPECT_EQ(U(StartAgeLine(c)), "起运：7岁");
}

}  // namespace
}  // namespace mirevo
