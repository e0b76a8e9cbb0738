#include "data/core/lookups.h"

#include <gtest/gtest.h>

#include "data/tests/dictionary_fixture.h"
#include "tests/support/fixture_db.h"

namespace mirevo {
namespace {

class Lookups : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteDatabase(tmp_ / "Dazezed.dll", testing::DictionaryFixtureSql());
    SetDataFolder(tmp_.path());
  }
  testing::TempFolder tmp_;
};

TEST_F(Lookups, StrokeCountTriesSimplifiedThenTraditional) {
  Connection c(RefDb::Dazezed);
  Query q(c);
  struct Case {
    const char* ch;
    int strokes;
  } cases[] = {
      {"张", 11},  // zi
      {"張", 11},  // ft
      {"发", 0},   // its rows hold 0 strokes under both columns
      {"發", 12},  // ft of 髮
      {"國", 11},  // traditional only
      {"龍", 0},   // absent
      {"", 0},     // the empty text finds nothing
      {"'", 0},    // a quote no longer breaks the query
      {"%", 0},
  };
  for (const auto& c : cases) {
    Gbk ch = Gbk::FromUtf8(c.ch);
    EXPECT_EQ(StrokeCount(ch), c.strokes) << c.ch;
    EXPECT_EQ(StrokeCount(q, ch), c.strokes) << c.ch << " (window form)";
  }
}

TEST_F(Lookups, ARowWithZeroStrokesFallsThroughToTheTraditionalColumn) {
  testing::WriteDatabase(tmp_ / "Dazezed.dll",
                         std::string(testing::kWordSchema) +
                             "INSERT INTO word VALUES (1,'后','後',0,'',1,1,1,'1',NULL);"
                             "INSERT INTO word VALUES (2,'後','后',9,'水',2,1,1,'1',NULL);");
  Connection c(RefDb::Dazezed);
  Query q(c);
  EXPECT_EQ(StrokeCount(GBK("后")), 9);
  EXPECT_EQ(StrokeCount(q, GBK("后")), 9);
  EXPECT_EQ(CharacterElement(q, GBK("后")), GBK("水"));
}

TEST_F(Lookups, CharacterElementAsStored) {
  Connection c(RefDb::Dazezed);
  Query q(c);
  EXPECT_EQ(CharacterElement(q, GBK("张")), GBK("火"));
  EXPECT_EQ(CharacterElement(q, GBK("發")), GBK("水"));  // only under ft
  EXPECT_EQ(CharacterElement(q, GBK("龍")), Gbk());
  EXPECT_EQ(CharacterElement(q, Gbk::Ascii("'")), Gbk());
}

TEST_F(Lookups, DatabaseErrorsGiveZeroOneShotAndReachTheCallerOtherwise) {
  std::filesystem::remove(tmp_ / "Dazezed.dll");
  EXPECT_EQ(StrokeCount(GBK("张")), 0);
  EXPECT_EQ(StrokeComboScore(GBK("张"), Gbk(), GBK("三"), Gbk()), 0);
  Connection c(RefDb::Dazezed);
  Query q(c);
  EXPECT_THROW(StrokeCount(q, GBK("张")), DbError);
  EXPECT_THROW(CharacterElement(q, GBK("张")), DbError);
}

TEST_F(Lookups, StrokeComboScoreOfTheFourPositions) {
  EXPECT_EQ(StrokeComboScore(GBK("张"), Gbk(), GBK("三"), Gbk()), 77);
  EXPECT_EQ(StrokeComboScore(GBK("张"), Gbk(), GBK("伟"), GBK("三")), 88);
  EXPECT_EQ(StrokeComboScore(GBK("欧"), GBK("阳"), GBK("伟"), Gbk()), 66);
  EXPECT_EQ(StrokeComboScore(GBK("张"), Gbk(), GBK("伟"), Gbk()), 0);   // not in the table
  EXPECT_EQ(StrokeComboScore(GBK("龍"), Gbk(), GBK("三"), Gbk()), 0);  // 0 strokes: no row
  EXPECT_EQ(StrokeComboScore(Gbk::Ascii("'"), Gbk(), GBK("三"), Gbk()), 0);
}

}  // namespace
}  // namespace mirevo
