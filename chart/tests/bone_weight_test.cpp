#include "chart/core/bone_weight.h"

#include <gtest/gtest.h>

#include "chart/tests/chart_fixture.h"

namespace mirevo {
namespace {

using testing::G;
using testing::U;

class BoneWeight : public testing::ChartFolder {
 protected:
  // Lunar 1984, months 1 and 2, days 1 and 2, hours 0 and 1: 1.2 + 0.9 + 1.5 + 0.6
  // = 4.2 and 1.2 + 1.4 + 1.5 + 0.9 = 5.
  void SetUp() override {
    ChartFolder::SetUp();
    WriteDream(
        "INSERT INTO chenggu1 VALUES ('1984',1.2);"
        "INSERT INTO chenggu2 VALUES ('1',0.9),('2',1.4);"
        "INSERT INTO chenggu3 VALUES ('1',1.5);"
        "INSERT INTO chenggu4 VALUES ('0',0.6),('1',0.9);"
        "INSERT INTO chenggu VALUES ('42',' 诗四两二 ',' 解四两二 ');"
        "INSERT INTO chenggu VALUES ('50','诗五两','解五两');");
  }
  Gbk Line(const char* year, const char* month, const char* day, const char* hour, int mode) {
    return BoneWeightLine(Gbk::Ascii(year), Gbk::Ascii(month), Gbk::Ascii(day), Gbk::Ascii(hour), mode);
  }
};

TEST_F(BoneWeight, TheCodeOfATotal) {
  EXPECT_EQ(BoneWeightCode(4.2).bytes(), "42");
  EXPECT_EQ(BoneWeightCode(4.199999999999999).bytes(), "42");
  EXPECT_EQ(BoneWeightCode(5).bytes(), "50");
  EXPECT_EQ(BoneWeightCode(3.85).bytes(), "38");  // dropped, not rounded
  EXPECT_EQ(BoneWeightCode(0).bytes(), "00");
}

TEST_F(BoneWeight, TheThreeLinesOfATotal) {
  EXPECT_EQ(U(Line("1984", "1", "1", "0", kBoneWeightTotal)), "你的骨重为：4两2钱");
  EXPECT_EQ(U(Line("1984", "1", "1", "0", kBoneWeightVerse)), "骨重诗评：诗四两二");
  EXPECT_EQ(U(Line("1984", "1", "1", "0", kBoneWeightCommentary)), "骨重解评：解四两二");
  EXPECT_EQ(U(Line("1984", "2", "1", "1", kBoneWeightTotal)), "你的骨重为：5两");
  EXPECT_EQ(U(Line("1984", "2", "1", "1", kBoneWeightVerse)), "骨重诗评：诗五两");
}

TEST_F(BoneWeight, WithoutAReadingForTheCodeEveryLineIsEmpty) {
  // Month 3 has no row and weighs 0: 3.3, code 33, no reading.
  for (int mode : {0, 1, 2}) EXPECT_EQ(Line("1984", "3", "1", "0", mode), Gbk()) << mode;
  // A quote in a key is a character of the key.
  EXPECT_EQ(Line("1984'", "1", "1", "0", 0), Gbk());
}

TEST_F(BoneWeight, ATableThatCannotBeReadIsAnError) {
  std::filesystem::remove(tmp_ / "dream.dll");
  EXPECT_THROW(Line("1984", "1", "1", "0", 0), DbError);
  testing::WriteDatabase(tmp_ / "dream.dll", "CREATE TABLE chenggu1 (year TEXT, weight REAL);");
  EXPECT_THROW(Line("1984", "1", "1", "0", 0), DbError);
}

}  // namespace
}  // namespace mirevo
