#include "chart/core/annotations.h"

#include <gtest/gtest.h>

#include "app/core/datetime.h"
#include "chart/core/pillars.h"
#include "chart/tests/chart_fixture.h"

namespace mirevo {
namespace {

using testing::G;
using testing::U;

class Annotations : public testing::ChartFolder {};

TEST_F(Annotations, TenGodsAndSoundElementsAreLookedUpTrimmed) {
  WriteTgcode(
      "INSERT INTO Shishen VALUES ('甲丙',' 食神 ');"
      "INSERT INTO Shishen VALUES ('丙甲','偏印');"
      "INSERT INTO jiazi VALUES ('甲子','海中金  ');");
  EXPECT_EQ(U(TenGodOf(G("甲"), G("丙"))), "食神");
  EXPECT_EQ(U(TenGodOf(G("丙"), G("甲"))), "偏印");  // the order of the pair counts
  EXPECT_EQ(U(TenGodOf(G("甲"), G("乙"))), "");     // no row
  EXPECT_EQ(U(SoundElementOf(G("甲子"))), "海中金");
  EXPECT_EQ(U(SoundElementOf(G("乙丑"))), "");
  // A quote in a key is only a character of the key.
  EXPECT_EQ(U(SoundElementOf(G("甲' or '1'='1"))), "");
}

TEST_F(Annotations, WithoutTheDatabaseTheAnswersAreEmpty) {
  EXPECT_EQ(TenGodOf(G("甲"), G("丙")), Gbk());
  EXPECT_EQ(SoundElementOf(G("甲子")), Gbk());
}

TEST_F(Annotations, TheHiddenStemTable) {
  const char* expected[12] = {"癸", "癸辛己", "甲丙戊", "乙", "乙戊癸", "庚丙戊", "己丁", "乙己丁", "戊庚壬", "辛", "辛丁戊", "壬甲"};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(U(HiddenStemTable()[i]), expected[i]) << i;
}

TEST_F(Annotations, EachColumnFollowsItsOwnRule) {
  // 20 January 1990: the next 节 is 立春 on 4 February, in lunar 1990 (午), while
  // the year pillar is still 己巳.
  EXPECT_EQ(U(HiddenStemColumns(1990, 1, 20, 12)[0]), "己丁");
  // 1 December: month pillar 亥 until the 8th, month column 子.
  EXPECT_EQ(U(HiddenStemColumns(2010, 12, 1, 12)[1]), "癸");
  EXPECT_EQ(U(HiddenStemColumns(2010, 1, 1, 12)[1]), "癸辛己");  // January 丑
  EXPECT_EQ(U(HiddenStemColumns(2010, 11, 30, 12)[1]), "壬甲");  // November 亥
  // Hours 23 and 0 are both 子; 1 and 2 丑; 21 and 22 亥.
  for (int h : {0, 23}) EXPECT_EQ(U(HiddenStemColumns(2010, 5, 5, h)[3]), "癸") << h;
  for (int h : {1, 2}) EXPECT_EQ(U(HiddenStemColumns(2010, 5, 5, h)[3]), "癸辛己") << h;
  for (int h : {21, 22}) EXPECT_EQ(U(HiddenStemColumns(2010, 5, 5, h)[3]), "壬甲") << h;
}

TEST_F(Annotations, TheDayAndHourColumnsAreThoseOfTheirPillars) {
  // From before 20 February 1900 (a negative day count) on, over more than a cycle.
  for (DateValue v = EncodeDate(1900, 1, 31); v < EncodeDate(1900, 6, 1); v += 1) {
    const CivilDate d = DecodeDate(v);
    for (int h : {0, 5, 12, 22, 23}) {
      const FourPillars p = FourPillarsOf(d.year, d.month, d.day, h, 0);
      const auto columns = HiddenStemColumns(d.year, d.month, d.day, h);
      // The table counts from 子 = 0, the chart numbering from 子 = 1.
      ASSERT_EQ(columns[2], HiddenStemTable()[Mod(p.day.branch - 1, 12)]) << FormatShortDate(v);
      ASSERT_EQ(columns[3], HiddenStemTable()[Mod(p.hour.branch - 1, 12)]) << h;
    }
  }
}

}  // namespace
}  // namespace mirevo
