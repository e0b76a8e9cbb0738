#include "chart/core/chart_report.h"

#include <gtest/gtest.h>

#include "chart/core/elements.h"
#include "chart/core/personality.h"
#include "chart/tests/chart_fixture.h"

namespace mirevo {
namespace {

using testing::G;
using testing::U;

const CivilDate kToday{2024, 6, 1};

ChartRequest Request(const char* surname, int calendar, const char* y, const char* m, const char* d, const char* hour,
                     const char* minute = "01", const char* sex = "男") {
  ChartRequest r;
  r.surname = G(surname);
  r.birth = BirthMoment{calendar, G(y), G(m), G(d), G(hour), G(minute), G(sex)};
  return r;
}

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

class ChartChecks : public testing::ChartFolder {};

TEST_F(ChartChecks, EmptyInputsAreRefusedInTheirOrder) {
  struct Case {
    ChartRequest request;
    const char* message;
    bool focus;
  } cases[] = {
      {Request("", 0, "", "", "", ""), "姓不能为空!", true},
      {Request("  ", 0, "2010", "01", "01", "子 0"), "姓不能为空!", true},
      {Request("张", 0, " ", "", "", ""), "请选择出生年!", false},
      {Request("张", 0, "2010", "", "", ""), "请选择出生月!", false},
      {Request("张", 0, "2010", "01", "", ""), "请选择出生日!", false},
      {Request("张", 0, "2010", "01", "01", " "), "请选择出生小时!", false},
  };
  for (const Case& c : cases) {
    const ChartReport r = PrintChart(c.request, kToday);
    EXPECT_EQ(r.outcome, ChartReport::kRefused);
    EXPECT_EQ(U(r.message), c.message);
    EXPECT_EQ(r.focus_surname, c.focus) << c.message;
    EXPECT_TRUE(r.lines.empty());
  }
}

TEST_F(ChartChecks, TextsThatAreNoDateOrTimeStopBeforeAnythingIsPrinted) {
  struct Case {
    ChartRequest request;
    const char* quoted;
  } cases[] = {
      {Request("张", 0, "2010", "02", "30", "子 0"), "2010-02-30"},
      {Request("张", 0, "2010", "04", "31", "子 0"), "2010-04-31"},
      {Request("张", 0, "20x0", "01", "01", "子 0"), "20x0-01-01"},
      {Request("张", 1, "2010", "一", "01", "子 0"), "一"},
      {Request("张", 0, "2010", "01", "01", "子 x"), "子 x"},
      {Request("张", 0, "2010", "01", "01", "子 24"), "子 24"},
      {Request("张", 0, "2010", "01", "01", "8"), "8"},
      {Request("张", 0, "2010", "01", "01", "子 0", "75"), "75"},
      {Request("张", 0, "2010", "01", "01", "子 0", ""), ""},
  };
  for (const Case& c : cases) {
    const ChartReport r = PrintChart(c.request, kToday);
    EXPECT_EQ(r.outcome, ChartReport::kConversionError) << c.quoted;
    EXPECT_NE(U(r.message).find(std::string("“") + c.quoted + "”"), std::string::npos) << U(r.message);
    EXPECT_TRUE(r.lines.empty());
  }
}

TEST_F(ChartChecks, DatesWithoutALunarDateAreRefused) {
  for (const ChartRequest& request :
       {Request("张", 0, "1900", "01", "30", "子 0"), Request("张", 0, "2101", "01", "01", "子 0"),
        Request("张", 0, "1800", "06", "01", "子 0")}) {
    const ChartReport r = PrintChart(request, kToday);
    EXPECT_EQ(r.outcome, ChartReport::kRefused);
    EXPECT_EQ(U(r.message), "出生日期须在1900年1月31日至2100年12月31日之间!");
  }
  // Lunar dates that do not exist: a month 13, month 0, day 0, day 31, the lunar
  // years 1900 and 2100 which the conversion back does not take.
  for (const ChartRequest& request :
       {Request("张", 1, "2010", "13", "01", "子 0"), Request("张", 1, "2010", "00", "01", "子 0"),
        Request("张", 1, "2010", "01", "00", "子 0"), Request("张", 1, "2010", "01", "31", "子 0"),
        Request("张", 1, "1900", "01", "01", "子 0"), Request("张", 1, "2100", "06", "01", "子 0")}) {
    const ChartReport r = PrintChart(request, kToday);
    EXPECT_EQ(r.outcome, ChartReport::kRefused) << U(request.birth.month) << "/" << U(request.birth.day);
    EXPECT_EQ(U(r.message), "农历没有这一天，请检查出生日期!");
  }
  // The first and the last day of the range are charted.
  EXPECT_TRUE(PrintChart(Request("张", 0, "1900", "01", "31", "子 0"), kToday).printed());
  EXPECT_TRUE(PrintChart(Request("张", 0, "2100", "12", "31", "子 23", "59", "女"), kToday).printed());
}

TEST_F(ChartChecks, TheHeaderOfALunarBirthDate) {
  const ChartReport r = PrintChart(Request(" 张 ", 1, "2010", "01", "01", "辰 8", "30"), kToday);
  ASSERT_TRUE(r.printed());
  ASSERT_GE(r.lines.size(), 7u);
  EXPECT_EQ(U(r.lines[0]), "姓氏：张");
  EXPECT_EQ(U(r.lines[1]), "年龄：14岁");
  EXPECT_EQ(U(r.lines[2]), "您出生公历：2010年02月14日8点30分");
  EXPECT_EQ(U(r.lines[3]), "农历：庚寅(虎年)一月初一");
  EXPECT_EQ(U(r.lines[4]), "属相：虎");
  EXPECT_EQ(U(r.lines[5]), "星座：水瓶座");
  EXPECT_EQ(U(r.lines[6]), "<-----------------------批八字内容分隔线----------------------------->");
}

TEST_F(ChartChecks, HourAndMinuteAsTheyArePrintedAndCharted) {
  const ChartReport late = PrintChart(Request("张", 0, "1990", "01", "20", "子 23", "05"), kToday);
  const ChartReport early = PrintChart(Request("张", 0, "1990", "01", "20", "子 0", "05"), kToday);
  ASSERT_TRUE(late.printed() && early.printed());
  EXPECT_EQ(U(late.lines[2]), "您出生公历：1990年01月20日23点05分");
  EXPECT_EQ(U(early.lines[2]), "您出生公历：1990年01月20日0点05分");
  EXPECT_EQ(U(late.lines[10]), "八字：己巳   丁丑   乙酉   丙子");
  EXPECT_EQ(late.lines[10], early.lines[10]);
}

TEST_F(ChartChecks, TheAgeCountsWholeCalendarYears) {
  for (const char* month : {"01", "12"})
    EXPECT_EQ(U(PrintChart(Request("张", 0, "2023", month, "15", "子 0"), {2024, 3, 1}).lines[1]), "年龄：1岁") << month;
}

TEST_F(ChartChecks, WithoutAnyDatabaseTheChartStopsAtTheBoneWeight) {
  const ChartReport r = PrintChart(Request("张", 0, "2000", "01", "01", "午 12", "00"), kToday);
  EXPECT_EQ(r.outcome, ChartReport::kCutShort);
  ASSERT_FALSE(r.lines.empty());
  EXPECT_EQ(U(r.lines.back()), "袁天罡称骨算命：");
  // Lookups that fail print empty values in their places.
  EXPECT_EQ(U(r.lines[7]), "胎元：丁卯()");
  EXPECT_EQ(U(r.lines[9]), "十神：      日元   ");
  EXPECT_EQ(U(r.lines[10]), "八字：己卯   丙子   戊午   戊午");
  EXPECT_EQ(U(r.lines[11]), "遁藏：乙 癸 己 己");
  EXPECT_EQ(U(r.lines[14]), "五行：" + Blanks(9));
}

TEST_F(ChartChecks, WithTheBoneWeightTablesAloneTheChartIsWhole) {
  WriteDream("INSERT INTO chenggu VALUES ('00','诗','解');");
  const ChartReport r = PrintChart(Request("张", 0, "2000", "01", "01", "午 12", "00"), kToday);
  EXPECT_EQ(r.outcome, ChartReport::kComplete);
  // Every element counts 0, so all five are weak and get a (here empty) remedy line.
  ASSERT_EQ(r.lines.size(), 77u);
  EXPECT_EQ(U(r.lines[60]), "你的骨重为：0两");
  EXPECT_EQ(U(r.lines[69]), "其他补充说明：");
  EXPECT_EQ(U(r.lines.back()), "<-----------------------以上内容只作参考----------------------------->");
}

class ChartOnRealData : public testing::RealData {};

TEST_F(ChartOnRealData, TheWholeChartOfNewYearsDay2000) {
  const ChartReport r = PrintChart(Request("张", 0, "2000", "01", "01", "午 12", "00"), kToday);
  ASSERT_EQ(r.outcome, ChartReport::kComplete);
  const ReportLines& l = r.lines;
  ASSERT_EQ(l.size(), 73u);
  const std::string sep = "<-----------------------批八字内容分隔线----------------------------->";
  const std::vector<std::pair<int, std::string>> expected = {
      {0, "姓氏：张"},
      {1, "年龄：24岁"},
      {2, "您出生公历：2000年01月01日12点00分"},
      {3, "农历：己卯(兔年)十一月廿五"},
      {4, "属相：兔"},
      {5, "星座：摩羯座"},
      {6, sep},
      {7, "胎元：丁卯(炉中火)"},
      {8, "起运：9岁"},  // backward to 大雪 on 7 December: 25 days
      {9, "十神：劫财   偏印   日元   比肩"},
      {10, "八字：己卯   丙子   戊午   戊午"},
      {11, "遁藏：乙正官 癸正财 己劫财 己劫财"},
      {12, Blanks(13) + "辛伤官 丁正印 丁正印 "},
      {13, Blanks(13) + "己劫财 " + Blanks(14)},
      {14, "五行：土木   火水   土火   土火"},
      {15, "纳音：城头土 涧下水 天上火 天上火"},
      {16, "纳音：涧下水 山头火 山头火 剑锋金 剑锋金 路旁土 路旁土 大林木 大林木 炉中火 "},
      {17, "十神：偏印   正官   七杀   正财   偏财   伤官   食神   劫财   比肩   正印   "},
      {18, "大运：丙子   乙亥   甲戌   癸酉   壬申   辛未   庚午   己巳   戊辰   丁卯"},
      {19, "      1-8岁   9岁   19岁   29岁   39岁   49岁   59岁   69岁   79岁   89岁"},
      {20, "始于：2000   2009   2019   2029   2039   2049   2059   2069   2079   2089"},
      {21, ""},
      {22, "流年：己卯   戊子   戊戌   戊申   戊午   戊辰   戊寅   戊子   戊戌   戊申"},
      {32, ""},
      {33, "小运：戊午   己酉   己亥   己丑   己卯   己巳   己未   己酉   己亥   己丑"},  // backward
      {34, Blanks(6) + "00岁   09岁   19岁   29岁   39岁   49岁   59岁   69岁   79岁   89岁"},
      {53, sep},
      {56, "八字五行个数：金:占0个 0, 木:占1个 12.5, 水:占1个 12.5, 火:占3个 37.5, 土:占3个 37.5."},
      {57, "喜用神：金，建议你名字五行带：金最佳。"},
      {58, sep},
      {59, "袁天罡称骨算命："},
      {60, "你的骨重为：5两3钱"},  // 己卯 1.9 + 十一月 0.9 + 廿五 1.5 + 午时 1
      {63, sep},
      {64, ""},
      {65, "性格简评："},
      {66, "    " + U(BirthdayPersonality(1, 1))},
      {67, ""},
      {68, sep},
      {69, "其他补充说明："},
      {70, U(RemedyText(G("金")))},
      {71, ""},
      {72, "<-----------------------以上内容只作参考----------------------------->"},
  };
  for (const auto& [i, text] : expected) EXPECT_EQ(U(l[i]), text) << "line " << i;
  // The readings come from their tables and stand in their sentences.
  EXPECT_EQ(U(l[54]), "四季用神：日主天干土生于春季，" + U(SeasonUseReading(G("土"), G("春"))) + "。");
  EXPECT_EQ(U(l[55]), "穷通宝鉴调候用神：戊土生于子月，" + U(ClimateUseReading(G("戊"), G("子"))));
  EXPECT_GT(l[55].size(), G("穷通宝鉴调候用神：戊土生于子月，").size());
  EXPECT_TRUE(U(l[61]).starts_with("骨重诗评：") && l[61].size() > 12);
  EXPECT_TRUE(U(l[62]).starts_with("骨重解评：") && l[62].size() > 12);
  EXPECT_FALSE(l[70].empty());
}

TEST_F(ChartOnRealData, TheSolarTermTableMovesABirthOnTheDayOfLiChun) {
  // 立春 1984 fell at 23:19 on 4 February (China standard time): a birth that
  // morning still belongs to the 丑 month of 癸亥.
  const ChartReport before = PrintChart(Request("张", 0, "1984", "02", "04", "巳 10", "00"), kToday);
  const ChartReport after = PrintChart(Request("张", 0, "1984", "02", "04", "子 23", "30"), kToday);
  EXPECT_EQ(U(before.lines[10]), "八字：癸亥   乙丑   戊辰   丁巳");
  EXPECT_EQ(U(after.lines[10]), "八字：甲子   丙寅   戊辰   壬子");
}

}  // namespace
}  // namespace mirevo
