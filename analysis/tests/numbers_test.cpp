#include "analysis/core/numbers.h"

#include <gtest/gtest.h>

#include "analysis/core/analysis_abort.h"
#include "analysis/tests/analysis_fixture.h"
#include "data/core/refdb.h"

namespace mirevo {
namespace {

TEST(ClassifyNumber, TheListsCoverOneToEightyOneOnce) {
  int per_class[4] = {0, 0, 0, 0};
  for (int n = 1; n <= 81; ++n) {
    const int c = ClassifyNumber(n);
    ASSERT_GE(c, 1) << n;
    ASSERT_LE(c, 3) << n;
    ++per_class[c];
  }
  EXPECT_EQ(per_class[1], 32);
  EXPECT_EQ(per_class[2], 14);
  EXPECT_EQ(per_class[3], 35);
}

TEST(ClassifyNumber, EdgeCases) {
  struct Case {
    int number, number_class;
  } cases[] = {
      {81, 1}, {82, 0}, {0, 0}, {-1, 0}, {100, 0}, {1000, 0},
      {1, 1}, {11, 1}, {21, 1},  // 1 does not match inside 11, 21 or 81
      {10, 3}, {2, 3}, {20, 3},
      {6, 2}, {17, 2}, {75, 2},
      {8, 1}, {15, 1}, {22, 3},
  };
  for (const Case& c : cases) EXPECT_EQ(ClassifyNumber(c.number), c.number_class) << c.number;
}

TEST(NumberPoints, ByClassAndGrid) {
  // One number of each class: 1 (class 1), 6 (class 2), 2 (class 3), 82 (none).
  struct Row {
    int number;
    double heaven, earth, person, total, outer;
  } rows[] = {
      {1, 10, 10, 30, 20, 10},
      {6, 8.5, 8.5, 25.5, 17, 8.5},
      {2, 7, 7, 21, 14, 7},
      {82, 0, 0, 0, 0, 0},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(NumberPoints(r.number, GridKind::kHeaven), r.heaven) << r.number;
    EXPECT_EQ(NumberPoints(r.number, GridKind::kEarth), r.earth) << r.number;
    EXPECT_EQ(NumberPoints(r.number, GridKind::kPerson), r.person) << r.number;
    EXPECT_EQ(NumberPoints(r.number, GridKind::kTotal), r.total) << r.number;
    EXPECT_EQ(NumberPoints(r.number, GridKind::kOuter), r.outer) << r.number;
  }
}

class NumberTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteAnalysisDatabases(tmp_.path());
    SetDataFolder(tmp_.path());
  }
  testing::TempFolder tmp_;
};

TEST_F(NumberTextTest, StoredTextsUntrimmedAndABlankWithoutARow) {
  EXPECT_EQ(NumberText(17, NumberColumn::kReading), GBK("数17"));
  EXPECT_EQ(NumberText(17, NumberColumn::kVerdict), GBK("（吉17）"));
  EXPECT_EQ(NumberText(17, NumberColumn::kHint), GBK("暗示17"));
  EXPECT_EQ(NumberText(8, NumberColumn::kHint), GBK("暗示8 "));
  for (NumberColumn c : {NumberColumn::kReading, NumberColumn::kVerdict, NumberColumn::kHint}) {
    EXPECT_EQ(NumberText(9, c), Gbk::Ascii(" "));
    EXPECT_EQ(NumberText(0, c), Gbk::Ascii(" "));
    EXPECT_EQ(NumberText(82, c), Gbk::Ascii(" "));
  }
}

TEST_F(NumberTextTest, AFailingTableStopsTheAnalysis) {
  testing::WriteDatabase(tmp_ / "KelFile.dll", "CREATE TABLE sancai (title, djc);");
  EXPECT_THROW(NumberText(8, NumberColumn::kReading), AnalysisAborted);
  std::filesystem::remove(tmp_ / "KelFile.dll");
  EXPECT_THROW(NumberText(8, NumberColumn::kHint), AnalysisAborted);
}

}  // namespace
}  // namespace mirevo
