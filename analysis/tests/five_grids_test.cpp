#include "analysis/core/five_grids.h"

#include <gtest/gtest.h>

#include "analysis/core/analysis_abort.h"
#include "analysis/tests/analysis_fixture.h"
#include "data/core/refdb.h"

namespace mirevo {
namespace {

class FiveGridsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteAnalysisDatabases(tmp_.path());
    SetDataFolder(tmp_.path());
  }
  testing::TempFolder tmp_;
};

TEST(GridFormulas, EveryNameFormByStrokeCounts) {
  struct Case {
    int form, s1, s2, g1, g2;
    FiveGrids grids;  // 天 人 地 总 外
  } cases[] = {
      {12, 7, 0, 10, 5, {8, 17, 15, 22, 6}},     // the worked example
      {11, 7, 0, 10, 0, {8, 17, 11, 17, 2}},     // 外格 is 2 for one character each
      {11, 30, 0, 24, 0, {31, 54, 25, 54, 2}},   // whatever the strokes
      {21, 15, 17, 6, 0, {32, 23, 7, 38, 16}},   // 外格 s1 + 1
      {22, 15, 17, 6, 11, {32, 23, 17, 49, 27}}, // 外格 s1 + g2 + 1, not s1 + g2
      {12, 11, 9, 3, 8, {12, 14, 11, 22, 9}},    // an absent position's count is ignored
  };
  for (const Case& c : cases) {
    const NameStrokes n = FormStrokes(c.form, c.s1, c.s2, c.g1, c.g2);
    EXPECT_EQ(ComputeFiveGrids(n), c.grids) << "form " << c.form << " " << c.s1 << "," << c.g1;
    for (GridKind k : {GridKind::kHeaven, GridKind::kEarth, GridKind::kPerson, GridKind::kTotal, GridKind::kOuter})
      EXPECT_EQ(ComputeGrid(n, k), c.grids.Of(k));
  }
}

TEST_F(FiveGridsTest, NamesTakeTheirStrokesFromTheDictionary) {
  struct Case {
    const char* surname;
    const char* given;
    FiveGrids grids;
  } cases[] = {
      {"李", "家乐", {8, 17, 15, 22, 6}},
      {"李", "家", {8, 17, 11, 17, 2}},
      {"欧阳", "明", {32, 25, 9, 40, 16}},
      {"歐陽", "明", {32, 25, 9, 40, 16}},   // traditional forms find the same rows
      {"司马", "家乐", {15, 20, 15, 30, 11}},
      {"李", "龙", {8, 7, 1, 7, 2}},         // a character the dictionary lacks counts 0
  };
  for (const Case& c : cases)
    EXPECT_EQ(ComputeFiveGrids(Gbk::FromUtf8(c.surname), Gbk::FromUtf8(c.given)), c.grids)
        << c.surname << c.given;
  EXPECT_EQ(ComputeGrid(GBK("李"), GBK("家乐"), GridKind::kPerson), 17);
}

TEST_F(FiveGridsTest, APartIsOneCharacterUpToTwoBytes) {
  // Three bytes are two characters (the second is the lone byte 3); one byte is
  // one character, but only two bytes each fix 外格 at 2.
  const NameStrokes three = NameStrokesOf(GBK("李") + Gbk::Ascii("x"), GBK("明"));
  EXPECT_TRUE(three.two_char_surname);
  EXPECT_EQ(ComputeFiveGrids(three), (FiveGrids{7, 8, 9, 15, 8}));
  EXPECT_EQ(ComputeFiveGrids(Gbk::Ascii("x"), GBK("明")), (FiveGrids{1, 8, 9, 8, 1}));
  EXPECT_EQ(ComputeFiveGrids(GBK("李"), GBK("明")).outer, 2);
}

TEST(GridElement, ByTheLastDigit) {
  const char* by_digit[] = {"水", "木", "木", "火", "火", "土", "土", "金", "金", "水"};
  for (int n = 0; n <= 99; ++n) EXPECT_EQ(GridElement(n), Gbk::FromUtf8(by_digit[n % 10])) << n;
  EXPECT_EQ(GridElement(10), GBK("水"));
  EXPECT_EQ(GridElement(20), GBK("水"));
  EXPECT_EQ(GridElement(30), GBK("水"));
  EXPECT_EQ(GridElement(11), GBK("木"));
  EXPECT_EQ(GridElement(21), GBK("木"));
}

TEST(TalentConfig, HeavenPersonEarthInThatOrder) {
  EXPECT_EQ(MakeTalentConfig(8, 17, 15), GBK("金金土"));
  EXPECT_EQ(MakeTalentConfig(15, 17, 8), GBK("土金金"));
  EXPECT_EQ(MakeTalentConfig(FiveGrids{8, 17, 15, 22, 6}), GBK("金金土"));
  EXPECT_EQ(MakeTalentConfig(0, 0, 0).size(), 6u);
}

TEST(TalentGradePoints, OneToSevenAndNothingElse) {
  const double expected[] = {-1, 20, 18, 16, 15, 14, 13, 12, -1};
  for (int grade = 0; grade <= 8; ++grade) EXPECT_EQ(TalentGradePoints(grade), expected[grade]) << grade;
  EXPECT_EQ(TalentGradePoints(-3), -1);
}

TEST_F(FiveGridsTest, ConfigurationPointsFromTheGradeTable) {
  EXPECT_EQ(TalentConfigPoints(GBK("金金土")), 16);
  EXPECT_EQ(TalentConfigPoints(GBK("火土金")), 20);
  EXPECT_EQ(TalentConfigPoints(GBK("水火金")), 12);
  EXPECT_EQ(TalentConfigPoints(GBK("木木木")), -1);  // no row: −1, not 0
  EXPECT_EQ(TalentConfigPoints(Gbk::Ascii("x' or '1'='1")), -1);  // a quote stays inside the literal
  testing::WriteDatabase(tmp_ / "KelFile.dll", testing::SchemaOf("KelFile") + "INSERT INTO sancai VALUES ('木木木',9);");
  EXPECT_EQ(TalentConfigPoints(GBK("木木木")), -1);  // a grade outside 1–7
}

TEST_F(FiveGridsTest, AFailingGradeTableStopsTheAnalysis) {
  std::filesystem::remove(tmp_ / "KelFile.dll");
  EXPECT_THROW(TalentConfigPoints(GBK("金金土")), AnalysisAborted);
  testing::WriteDatabase(tmp_ / "KelFile.dll", "CREATE TABLE other (x);");
  EXPECT_THROW(TalentConfigPoints(GBK("金金土")), AnalysisAborted);
}

TEST_F(FiveGridsTest, ReadingTextsAreTrimmed) {
  const std::optional<TalentReading> r = TalentConfigReading(GBK("金金土"));
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->yy, GBK("总论"));
  EXPECT_EQ(r->jcy, GBK("基础"));
  EXPECT_EQ(r->jx1, GBK("（吉）"));
  EXPECT_EQ(r->cgy, GBK("成功"));
  EXPECT_EQ(r->jx2, GBK("（中吉）"));
  EXPECT_EQ(r->rjgx, GBK("人际"));
  EXPECT_EQ(r->jx3, GBK("（吉）"));
  EXPECT_EQ(r->xg, GBK("性格"));
  EXPECT_FALSE(TalentConfigReading(GBK("火土金")).has_value());
  std::filesystem::remove(tmp_ / "KelFile.dll");
  EXPECT_THROW(TalentConfigReading(GBK("金金土")), DbError);
}

}  // namespace
}  // namespace mirevo
