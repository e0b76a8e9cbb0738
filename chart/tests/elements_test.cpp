#include "chart/core/elements.h"

#include <gtest/gtest.h>

#include "chart/tests/chart_fixture.h"

namespace mirevo {
namespace {

using testing::G;
using testing::U;

class Elements : public testing::ChartFolder {};

TEST_F(Elements, TheTallyOfAnExampleChart) {
  const ElementCount c = ElementTally(G("金木   水火   金水   火土"));
  EXPECT_EQ(U(c.tally), "金:占2个 25, 木:占1个 12.5, 水:占2个 25, 火:占2个 25, 土:占1个 12.5.");
  EXPECT_EQ(U(c.weak), "木土");  // every element present: those of count 1
}

TEST_F(Elements, WeakElementsAreThoseOfTheSmallestCountInTheirOrder) {
  struct Case {
    const char* row;
    const char* weak;
    const char* tally;
  } cases[] = {
      {"金金   金金   金金   金金", "木水火土", "金:占8个 100, 木:占0个 0, 水:占0个 0, 火:占0个 0, 土:占0个 0."},
      {"金木   水水   木金   水木", "火土", "金:占2个 25, 木:占3个 37.5, 水:占3个 37.5, 火:占0个 0, 土:占0个 0."},
      {"土火   火土   火土   土火", "金木水", "金:占0个 0, 木:占0个 0, 水:占0个 0, 火:占4个 50, 土:占4个 50."},
      {"金金   金金   金金   金木", "水火土", "金:占7个 87.5, 木:占1个 12.5, 水:占0个 0, 火:占0个 0, 土:占0个 0."},
  };
  for (const Case& c : cases) {
    const ElementCount count = ElementTally(G(c.row));
    EXPECT_EQ(U(count.weak), c.weak) << c.row;
    EXPECT_EQ(U(count.tally), c.tally) << c.row;
  }
}

TEST_F(Elements, AShortRowIsReadAtTheFixedPositions) {
  // One lookup answered nothing: the later slices shift, as the positions are fixed,
  // and read 金, a blank, 火, a blank, 水, a blank, 土 and nothing.
  const ElementCount c = ElementTally(G("金   水火   金水   火土"));
  EXPECT_EQ(U(c.tally), "金:占1个 12.5, 木:占0个 0, 水:占1个 12.5, 火:占1个 12.5, 土:占1个 12.5.");
  EXPECT_EQ(U(c.weak), "木");
}

TEST_F(Elements, LookupsOfTheElementAndTheReadings) {
  WriteTgcode(
      "INSERT INTO hzwh VALUES ('甲乙寅卯','木');"
      "INSERT INTO hzwh VALUES ('戊己辰戌丑未',' 土 ');"
      "INSERT INTO sjrs VALUES ('土','春','土在春季受克');"
      "INSERT INTO qtbj VALUES ('戊','寅','先用丙火暖局。');"
      "INSERT INTO Houtian VALUES ('火','多用红色。');"
      "INSERT INTO Houtian VALUES ('土','多用黄色。');");
  EXPECT_EQ(U(ElementOfCharacter(G("寅"))), "木");
  EXPECT_EQ(U(ElementOfCharacter(G(" 戌 "))), "土");
  EXPECT_EQ(U(ElementOfCharacter(G("子"))), "");
  EXPECT_EQ(U(ElementOfCharacter(G("'"))), "");
  EXPECT_EQ(U(SeasonUseReading(G("土"), G("春"))), "土在春季受克");
  EXPECT_EQ(U(SeasonUseReading(G("土"), G("夏"))), "");
  EXPECT_EQ(U(ClimateUseReading(G("戊"), G("寅"))), "先用丙火暖局。");
  EXPECT_EQ(U(RemedyText(G("火"))), "多用红色。");

  ChartData c;
  c.month = 3;  // spring, whatever the month pillar says
  c.texts = {G("甲"), G("子"), G("丙"), G("寅"), G("戊"), G("辰"), G("庚"), G("申")};
  const ElementCount count = ElementTally(G("木水   火木   土土   金金"));
  const ReportLines block = ReadingsBlock(c, count);
  ASSERT_EQ(block.size(), 4u);
  EXPECT_EQ(U(block[0]), "四季用神：日主天干土生于春季，土在春季受克。");
  EXPECT_EQ(U(block[1]), "穷通宝鉴调候用神：戊土生于寅月，先用丙火暖局。");
  EXPECT_EQ(U(block[2]), "八字五行个数：" + U(count.tally));
  EXPECT_EQ(U(block[3]), "喜用神：水火，建议你名字五行带：水火最佳。");

  const ReportLines remedy = RemedyBlock(G("火土"));
  ASSERT_EQ(remedy.size(), 4u);
  EXPECT_EQ(U(remedy[0]), "其他补充说明：");
  EXPECT_EQ(U(remedy[1]), "多用红色。");
  EXPECT_EQ(U(remedy[2]), "多用黄色。");
  EXPECT_EQ(remedy[3], Gbk());
  // A missing text still prints its line, empty.
  EXPECT_EQ(RemedyBlock(G("金")), (ReportLines{G("其他补充说明："), Gbk(), Gbk()}));
}

TEST_F(Elements, TheSeasonIsThatOfTheGregorianMonth) {
  WriteTgcode("INSERT INTO hzwh VALUES ('戊','土');");
  ChartData c;
  c.texts = {G("甲"), G("子"), G("丙"), G("寅"), G("戊"), G("辰"), G("庚"), G("申")};
  const ElementCount count = ElementTally(Gbk());
  const char* season[13] = {"", "春", "春", "春", "夏", "夏", "夏", "秋", "秋", "秋", "冬", "冬", "冬"};
  for (int m = 1; m <= 12; ++m) {
    c.month = m;
    EXPECT_EQ(U(ReadingsBlock(c, count)[0]), std::string("四季用神：日主天干土生于") + season[m] + "季，。") << m;
  }
}

TEST_F(Elements, TheElementRowOfTheEightCharacters) {
  WriteTgcode(
      "INSERT INTO hzwh VALUES ('甲乙寅卯','木');"
      "INSERT INTO hzwh VALUES ('丙丁巳午','火');"
      "INSERT INTO hzwh VALUES ('戊己辰戌丑未','土');"
      "INSERT INTO hzwh VALUES ('庚辛申酉','金');"
      "INSERT INTO hzwh VALUES ('壬癸亥子','水');");
  ChartData c;
  c.texts = {G("己"), G("卯"), G("丙"), G("子"), G("戊"), G("午"), G("戊"), G("午")};
  const Gbk row = ElementRow(c);
  EXPECT_EQ(U(row), "土木   火水   土火   土火");
  EXPECT_EQ(row.size(), 25u);
  EXPECT_EQ(U(ElementLine(row)), "五行：土木   火水   土火   土火");
}

}  // namespace
}  // namespace mirevo
