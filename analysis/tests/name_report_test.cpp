#include "analysis/core/name_report.h"

#include <gtest/gtest.h>

#include "analysis/core/analysis_abort.h"
#include "analysis/tests/analysis_fixture.h"
#include "data/core/refdb.h"

namespace mirevo {
namespace {

const char* kSeparator = "<-----------------------名字分析内容分隔线----------------------------->";
const char* kClosing = "<-----------------------以上分析内容只作参考----------------------------->";

ReportLines Utf8Lines(std::initializer_list<const char*> lines) {
  ReportLines out;
  for (const char* l : lines) out.push_back(Gbk::FromUtf8(l));
  return out;
}

class NameReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteAnalysisDatabases(tmp_.path());
    SetDataFolder(tmp_.path());
  }
  // Replaces the texts database by the fixture with `change` run on it.
  void ChangeTexts(const std::string& change) {
    testing::WriteDatabase(tmp_ / "KelFile.dll", testing::AnalysisTextsSql() + change);
  }
  testing::TempFolder tmp_;
};

TEST(ComputedScore, FromTheGridClassesAndTheGrade) {
  EXPECT_EQ(ComputedScore(FiveGrids{8, 17, 15, 22, 6}, 16), 84);   // the worked example
  EXPECT_EQ(ComputedScore(FiveGrids{8, 17, 15, 22, 6}, -1), 67);   // no grade row
  EXPECT_EQ(ComputedScore(FiveGrids{1, 1, 1, 1, 1}, 20), 100);     // all class 1, grade 1
  EXPECT_EQ(ComputedScore(FiveGrids{2, 2, 2, 2, 2}, 12), 68);      // all class 3, grade 7
  EXPECT_EQ(ComputedScore(FiveGrids{0, 82, 90, 0, 0}, -1), -1);    // nothing in any list
  EXPECT_EQ(ComputedScore(FiveGrids{1, 6, 1, 1, 1}, 20), 95.5);    // 人格 of class 2
}

TEST(ScoreVerdict, BandsAreInclusiveBelow) {
  const Gbk top = GBK("【总评及建议】:你的名字起得非常棒，如果与命理搭配得当，成功与惊喜将会伴随你的一生。但千万注意不要失去上进心。");
  const Gbk good = GBK("【总评及建议】:你的名字起得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！");
  const Gbk fair = GBK("【总评及建议】:你的名字可能不太理想，要想赢得成功，必须比别人付出更多的艰辛和汗水。如果有条件，改个名字也未尝不可。");
  const Gbk poor = GBK("【总评及建议】:你的名字可能不太好，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。");
  const Gbk bad = GBK("【总评及建议】:你的名字可能不是很好。强烈建议你换个名字试试，也许人生会因此而改变的。");
  struct Case {
    double score;
    const Gbk& verdict;
  } cases[] = {{100, top}, {90, top},  {89.5, good}, {80, good}, {79.5, fair}, {70, fair},
               {69.5, poor}, {60, poor}, {59.5, bad},  {0, bad},   {-1, bad}};
  for (const Case& c : cases) EXPECT_EQ(ScoreVerdict(c.score), c.verdict) << c.score;
}

TEST(ScoreText, ShortestForm) {
  EXPECT_EQ(ScoreText(84), Gbk::Ascii("84"));
  EXPECT_EQ(ScoreText(92.5), Gbk::Ascii("92.5"));
  EXPECT_EQ(ScoreText(-1), Gbk::Ascii("-1"));
  EXPECT_EQ(ScoreText(100), Gbk::Ascii("100"));
}

TEST_F(NameReportTest, TheWorkedExampleInFull) {
  const NameReport r = BuildNameReport(GBK("李"), GBK("家乐"));
  EXPECT_EQ(r.error, "");
  const ReportLines expected = Utf8Lines({
      "综合评分: 84分",
      kSeparator,
      "【天格8的解析】：天格数是先祖留传下来的，其数理对人影响不大。",
      "数8（吉8）",
      "【人格17的解析】：人格数又称主运，是整个姓名的中心点，影响人的一生命运。",
      "数17（吉17）",
      "【地格15的解析】：地格数又称前运，影响人生（49岁）以前的命运。",
      "数15（吉15）",
      "【总格22的解析】：总格又称后运，影响人生（50岁）以后的命运。 ",
      "数22（吉22）",
      "【外格6的解析】：外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。",
      "数6（吉6）",
      kSeparator,
      "【三才数理分析】：您的姓名三才配置为：金金土。它具有如下数理诱导力，据此会对人生产生一定的影响。",
      "总论",
      "【对基础运的影响】：基础（吉）",
      "【对成功运的影响】：成功（中吉）",
      "【对人际关系的影响】：人际（吉）",
      "【对性格的影响】：性格",
      kSeparator,
      "【天格8数理暗示】：",
      "暗示8 ",
      "【人格17数理暗示】：",
      "暗示17",
      "【地格15数理暗示】：",
      "暗示15",
      "【总格22数理暗示】：",
      "暗示22",
      "【外格6数理暗示】：",
      "暗示6",
      kSeparator,
      "【总评及建议】:你的名字起得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！",
      "【系统综合评分】: 84分",
      "",
      kClosing,
  });
  ASSERT_EQ(r.lines.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(r.lines[i], expected[i]) << "line " << i + 1;
  EXPECT_EQ(NameScore(GBK("李"), GBK("家乐")), 84);
}

TEST_F(NameReportTest, WithoutAGradeRowTheConfigurationCostsAPoint) {
  ChangeTexts("DELETE FROM sancai;");
  EXPECT_EQ(NameScore(GBK("李"), GBK("家乐")), 67);
  const NameReport r = BuildNameReport(GBK("李"), GBK("家乐"));
  EXPECT_EQ(r.lines.front(), GBK("综合评分: 67分"));
  EXPECT_EQ(r.lines[r.lines.size() - 3], GBK("【系统综合评分】: 67分"));
  EXPECT_EQ(r.lines[r.lines.size() - 4],
            GBK("【总评及建议】:你的名字可能不太好，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。"));
}

TEST_F(NameReportTest, AStoredScoreIsTheScore) {
  // 王明 would compute to 58 (土木水 has no grade); the table stores 77, and no grid
  // points are added to it.
  EXPECT_EQ(NameScore(GBK("王"), GBK("明")), 77);
  const NameReport r = BuildNameReport(GBK("王"), GBK("明"));
  EXPECT_EQ(r.lines.front(), GBK("综合评分: 77分"));
  EXPECT_EQ(r.lines[r.lines.size() - 3], GBK("【系统综合评分】: 77分"));
  // A stored score needs no grade, so a broken grade table does not matter.
  ChangeTexts("DROP TABLE sancai;");
  EXPECT_EQ(BuildNameReport(GBK("王"), GBK("明")).lines, r.lines);
  // Without the combination table the score is computed.
  testing::WriteDatabase(tmp_ / "Dazezed.dll", testing::AnalysisDictionarySql() + "DROP TABLE zh;");
  ChangeTexts("");
  EXPECT_EQ(NameScore(GBK("王"), GBK("明")), 58);
}

TEST_F(NameReportTest, WithoutAReadingOneSeparatorLeadsToTheHints) {
  // 王明: 天格 5, 人格 12, 地格 9, 总格 12, 外格 2, 土木水 without a reading; none of
  // these numbers has a row in table 81.
  const NameReport r = BuildNameReport(GBK("王"), GBK("明"));
  ASSERT_EQ(r.lines.size(), 28u);
  EXPECT_EQ(r.lines[2], GBK("【天格5的解析】：天格数是先祖留传下来的，其数理对人影响不大。"));
  EXPECT_EQ(r.lines[3], Gbk::Ascii("  "));
  EXPECT_EQ(r.lines[11], Gbk::Ascii("  "));
  EXPECT_EQ(r.lines[12], Gbk::FromUtf8(kSeparator));
  EXPECT_EQ(r.lines[13], GBK("【天格5数理暗示】："));
  EXPECT_EQ(r.lines[14], Gbk::Ascii(" "));
  EXPECT_EQ(r.lines[21], GBK("【外格2数理暗示】："));
  EXPECT_EQ(r.lines[23], Gbk::FromUtf8(kSeparator));
}

TEST_F(NameReportTest, FailingTablesEndTheReportWhereTheyFail) {
  ChangeTexts("DROP TABLE sancai;");  // the grade comes before any line
  NameReport r = BuildNameReport(GBK("李"), GBK("家乐"));
  EXPECT_TRUE(r.lines.empty());
  EXPECT_EQ(r.error, "");
  EXPECT_THROW(NameScore(GBK("李"), GBK("家乐")), AnalysisAborted);

  ChangeTexts("DROP TABLE \"81\";");  // the first number text
  r = BuildNameReport(GBK("李"), GBK("家乐"));
  EXPECT_EQ(r.lines, Utf8Lines({"综合评分: 84分", kSeparator,
                                "【天格8的解析】：天格数是先祖留传下来的，其数理对人影响不大。"}));
  EXPECT_EQ(r.error, "");

  ChangeTexts("DROP TABLE sancai2009;");  // reported, after the five readings
  r = BuildNameReport(GBK("李"), GBK("家乐"));
  EXPECT_EQ(r.lines.size(), 12u);
  EXPECT_EQ(r.lines.back(), GBK("数6（吉6）"));
  EXPECT_NE(r.error.find("sancai2009"), std::string::npos) << r.error;
}

TEST_F(NameReportTest, AnEmptyPartGivesNoReport) {
  EXPECT_TRUE(BuildNameReport(Gbk(), GBK("家乐")).lines.empty());
  EXPECT_TRUE(BuildNameReport(GBK("李"), Gbk()).lines.empty());
}

TEST_F(NameReportTest, TwoCharacterSurnames) {
  // 欧阳明: 天格 32 (class 1), 人格 25 (1), 地格 9 (3), 总格 40 (3), 外格 16 (1):
  // 10 + 30 + 7 + 14 + 10 = 71, 木土水 has no grade: 70.
  const NameReport r = BuildNameReport(GBK("欧阳"), GBK("明"));
  EXPECT_EQ(r.lines.front(), GBK("综合评分: 70分"));
  EXPECT_EQ(r.lines[10], GBK("【外格16的解析】：外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。"));
}

}  // namespace
}  // namespace mirevo
