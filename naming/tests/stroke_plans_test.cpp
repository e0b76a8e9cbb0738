#include "naming/core/stroke_plans.h"

#include <gtest/gtest.h>

#include "naming/tests/naming_fixture.h"
#include "tests/support/fixture_db.h"

namespace mirevo {
namespace {

Gbk G(const char* utf8) { return Gbk::FromUtf8(utf8); }

std::vector<std::string> Utf8(const std::vector<Gbk>& lines) {
  std::vector<std::string> out;
  for (const Gbk& l : lines) out.push_back(l.ToUtf8());
  return out;
}

PlanQueryTerms Terms(int surname_chars, int given_chars, int s1, int s2 = 0, int f2 = 0, int f3 = 0,
                   std::optional<int> minimum = std::nullopt) {
  PlanQueryTerms terms;
  terms.code = {surname_chars, given_chars};
  terms.s1 = s1;
  terms.s2 = s2;
  terms.f2 = f2;
  terms.f3 = f3;
  terms.minimum = minimum;
  return terms;
}

TEST(StrokePlanSql, BaseLineLimitsAndConditions) {
  struct Case {
    PlanQueryTerms terms;
    std::vector<std::string> lines;
  };
  const std::string one = "select bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = ";
  const std::string two = "select bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = ";
  const std::string order = " order by jxjx asc,zf asc";
  const Case cases[] = {
      {Terms(1, 2, 11), {one + "12 and bh11 = 11 ", order, " limit 20"}},
      {Terms(1, 1, 7), {one + "11 and bh11 = 7 ", order, " limit 40"}},
      {Terms(2, 1, 15, 17), {two + "21 and bh11 = 15 and bh12 = 17 ", order, " limit 40"}},
      {Terms(2, 2, 15, 17), {two + "22 and bh11 = 15 and bh12 = 17 ", order, " limit 20"}},
      {Terms(1, 2, 11, 0, 8), {one + "12 and bh11 = 11 ", " and bh21 = 8 ", order, " limit 80"}},
      {Terms(2, 2, 15, 17, 0, 8), {two + "22 and bh11 = 15 and bh12 = 17 ", " and bh22 = 8 ", order, " limit 80"}},
      {Terms(1, 2, 11, 0, 0, 0, 90), {one + "12 and bh11 = 11 ", " and zf >= 90 ", order, " limit 20"}},
      {Terms(1, 2, 11, 0, 8, 0, 70), {one + "12 and bh11 = 11 ", " and bh21 = 8 ", " and zf >= 70 ", order, " limit 80"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8(StrokePlanSql(c.terms)), c.lines) << c.lines[0];
}

TEST(PlanEntryText, OneEntryShapePerNameForm) {
  EXPECT_EQ(PlanEntryText({1, 1}, 7, 0, G("16"), G("0"), G("95")), G("7|16(95分)"));
  EXPECT_EQ(PlanEntryText({1, 2}, 7, 0, G("16"), G("9"), G("95")), G("7|16-9(95分)"));
  EXPECT_EQ(PlanEntryText({2, 1}, 12, 5, G("6"), G("0"), G("88")), G("12-5|6(88分)"));
  EXPECT_EQ(PlanEntryText({2, 2}, 12, 5, G(" 6"), G("11 "), G(" 88 ")), G("12-5|6-11(88分)"));
}

class BuildStrokePlansTest : public ::testing::Test {
 protected:
  void SetUp() override { Use(testing::NamingFixtureSql()); }
  void Use(const std::string& sql) {
    db_.Use(sql);
  }
  StrokePlans Build(const WorkbenchInputs& in) { return BuildStrokePlans(*db_.query, in); }
  std::vector<std::string> Entries(const WorkbenchInputs& in) { return Utf8(Build(in).entries); }
  static WorkbenchInputs Surname(const char* utf8) {
    WorkbenchInputs in;
    in.surname = G(utf8);
    return in;
  }

  testing::FixtureDatabase db_;
};

TEST_F(BuildStrokePlansTest, NameFormsAndTheirPlansInOrder) {
  // Within equal jxjx the lower score comes first; bh21 25 is never offered.
  StrokePlans zhang = Build(Surname("张"));
  EXPECT_EQ(zhang.code.value(), 12);
  EXPECT_EQ(Utf8(zhang.entries),
            (std::vector<std::string>{"电脑全自动", "11|8-9(90分)", "11|6-8(80分)", "11|9-8(85分)", "11|8-6(76分)"}));

  WorkbenchInputs single = Surname("张");
  single.single_given = true;
  StrokePlans zhang1 = Build(single);
  EXPECT_EQ(zhang1.code.value(), 11);
  EXPECT_EQ(Utf8(zhang1.entries), (std::vector<std::string>{"电脑全自动", "11|8(75分)", "11|9(100分)", "11|6(74分)"}));

  StrokePlans ouyang = Build(Surname("欧阳"));
  EXPECT_EQ(ouyang.code.value(), 22);
  EXPECT_EQ(Utf8(ouyang.entries), (std::vector<std::string>{"电脑全自动", "15-17|8-9(91分)", "15-17|6-9(82分)"}));

  // A three-character surname is taken by its first two characters.
  StrokePlans three = Build(Surname("欧阳明"));
  EXPECT_EQ(three.code.value(), 22);
  EXPECT_EQ(three.entries, ouyang.entries);
  WorkbenchInputs three_single = Surname("欧阳明");
  three_single.single_given = true;
  EXPECT_EQ(Build(three_single).code.value(), 21);
}

TEST_F(BuildStrokePlansTest, FixedCharacterKeepsPlansWithItsStrokes) {
  WorkbenchInputs in = Surname("张");
  in.fixed_wanted = true;
  in.fixed_character = G("明");  // 8 strokes
  EXPECT_EQ(Entries(in), (std::vector<std::string>{"电脑全自动", "11|8-9(90分)", "11|8-6(76分)"}));
  in.fixed_position = FixedPosition::kThird;
  EXPECT_EQ(Entries(in), (std::vector<std::string>{"电脑全自动", "11|6-8(80分)", "11|9-8(85分)"}));

  // No condition when the character is unknown, empty, or the box is unchecked.
  const auto all = Entries(Surname("张"));
  for (const char* fixed : {"龍", ""}) {
    in.fixed_character = G(fixed);
    EXPECT_EQ(Entries(in), all) << fixed;
  }
  in.fixed_character = G("明");
  in.fixed_wanted = false;
  EXPECT_EQ(Entries(in), all);
}

TEST_F(BuildStrokePlansTest, MinimumScore) {
  WorkbenchInputs in = Surname("张");
  in.minimum_wanted = true;
  in.minimum_score = G("85");
  EXPECT_EQ(Entries(in), (std::vector<std::string>{"电脑全自动", "11|8-9(90分)", "11|9-8(85分)"}));
  in.minimum_score = G("");  // an empty minimum adds no condition
  EXPECT_EQ(Entries(in).size(), 5u);
  in.minimum_wanted = false;
  in.minimum_score = G("abc");  // not read while the box is unchecked
  EXPECT_EQ(Entries(in).size(), 5u);
  in.minimum_wanted = true;
  EXPECT_THROW(Build(in), ConversionError);
}

TEST_F(BuildStrokePlansTest, UnknownOrOddSurnamesLeaveOnlyTheAutomaticEntry) {
  for (const char* surname : {"龍", "O'", "%", "'; drop table zh; --", "a"}) {
    StrokePlans plans = Build(Surname(surname));
    EXPECT_EQ(Utf8(plans.entries), (std::vector<std::string>{"电脑全自动"})) << surname;
  }
}

TEST_F(BuildStrokePlansTest, TopLimitsHoldOnALargeTable) {
  // Four rows for every pair of strokes 1..24 under both name forms of 张.
  std::string sql = std::string("BEGIN;") + testing::kWordSchema + "INSERT INTO word VALUES (1,'张','張',11,'火',1,1,1,'1','1');"
                    "INSERT INTO word VALUES (2,'明','明',8,'木',1,1,1,'1',NULL);";
  int jxjx = 0;
  for (int k = 0; k < 4; ++k)
    for (int a = 1; a <= 24; ++a)
      for (int b = 0; b <= 24; ++b) {
        int lx = b == 0 ? 11 : 12;
        sql += "INSERT INTO zh VALUES (" + std::to_string(lx) + ",11,0," + std::to_string(a) + "," +
               std::to_string(b) + "," + std::to_string(50 + (a + b + k) % 50) + "," + std::to_string(++jxjx) + ");";
      }
  Use(sql + "COMMIT;");
  EXPECT_EQ(Build(Surname("张")).entries.size(), 21u);
  WorkbenchInputs single = Surname("张");
  single.single_given = true;
  EXPECT_EQ(Build(single).entries.size(), 41u);
  WorkbenchInputs fixed = Surname("张");
  fixed.fixed_wanted = true;
  fixed.fixed_character = G("明");
  StrokePlans plans = Build(fixed);
  ASSERT_EQ(plans.entries.size(), 81u);
  for (std::size_t i = 1; i < plans.entries.size(); ++i)
    EXPECT_TRUE(plans.entries[i].StartsWith(G("11|8-"))) << plans.entries[i].ToUtf8();
}

TEST(BuildStrokePlans, ADatabaseErrorReachesTheCaller) {
  testing::TempFolder tmp;
  Connection missing(tmp / "Dazezed.dll");
  Query query(missing);
  WorkbenchInputs in;
  in.surname = G("张");
  EXPECT_THROW(BuildStrokePlans(query, in), DbError);
}

}  // namespace
}  // namespace mirevo
