#include "naming/core/candidate_query.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "data/core/refdb.h"
#include "naming/tests/naming_fixture.h"
#include "tests/support/fixture_db.h"

namespace mirevo {
namespace {

Gbk G(const char* utf8) { return Gbk::FromUtf8(utf8); }

ElementSet Elements(const char* utf8) {
  const Gbk chosen = G(utf8);
  const char* names[5] = {"金", "木", "水", "火", "土"};
  ElementSet set{};
  for (int i = 0; i < 5; ++i) set[i] = chosen.Contains(G(names[i]));
  return set;
}

TEST(ElementFilter, PiecesJoinedAsTheBoxesAreChecked) {
  struct Case {
    const char* boxes;
    const char* filter;
  };
  const Case cases[] = {
      {"", ""},
      {"金木水火土", ""},
      {"金", " and wuhang = '金' "},
      {"土", " and wuhang = '土' "},
      // The joined pieces end in "or", which is cut, leaving two blanks before ")".
      {"金木", " and ( wuhang = '金' or  wuhang = '木'  ) "},
      // Ending with the 土 piece, nothing is cut.
      {"金土", " and ( wuhang = '金' or  wuhang = '土' ) "},
      {"木水火", " and ( wuhang = '木' or  wuhang = '水' or  wuhang = '火'  ) "},
      {"木水火土", " and ( wuhang = '木' or  wuhang = '水' or  wuhang = '火' or  wuhang = '土' ) "},
  };
  for (const Case& c : cases) EXPECT_EQ(ElementFilter(Elements(c.boxes)).ToUtf8(), c.filter) << c.boxes;
}

TEST(SexFilter, FreePairsKeepSexlessCharactersForGirlsOnly) {
  WorkbenchInputs in;
  EXPECT_EQ(SexFilter(in).ToUtf8(), " and (xb = '男' or nan = 1 or xb = '1') ");
  in.male = false;
  EXPECT_EQ(SexFilter(in).ToUtf8(), " and (xb = '女' or nv = 1 or xb = '1' or xb = '0') ");
  for (bool single : {true, false}) {
    in = WorkbenchInputs();
    in.single_given = single;
    in.fixed_wanted = !single;
    EXPECT_EQ(SexFilter(in).ToUtf8(), " and (xb = '男' or nan = 1 or xb = '0' or xb = '1') ");
    in.male = false;
    EXPECT_EQ(SexFilter(in).ToUtf8(), " and (xb = '女' or nv = 1 or xb = '0' or xb = '1') ");
  }
  EXPECT_EQ(SecondCharacterMark(true).ToUtf8(), " and nan = 1 ");
  EXPECT_EQ(SecondCharacterMark(false).ToUtf8(), " and nv = 1 ");
}

TEST(ParsePlanEntry, StrokesAndScoreText) {
  struct Case {
    const char* entry;
    bool two_given;
    PlanStrokes plan;
  };
  const Case cases[] = {
      {"7|16(95分)", false, {16, 0, G("(95分)")}},
      {"7|16-9(95分)", true, {16, 9, G("(95分)")}},
      {"7|16-11(95分)", true, {16, 11, G("(95分)")}},
      {"12-5|6-11(88分)", true, {6, 11, G("(88分)")}},
      {"15-17|6(85分)", false, {6, 0, G("(85分)")}},
      {"11|8-9(100分)", true, {8, 9, G("(100分)")}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParsePlanEntry(G(c.entry), c.two_given), c.plan) << c.entry;
  for (const char* bad : {"电脑全自动", "7|a-9(95分)", "7|16-x(95分)", "7|16(95分)"})
    EXPECT_THROW(ParsePlanEntry(G(bad), true), ConversionError) << bad;
  EXPECT_THROW(ParsePlanEntry(G("7|x(95分)"), false), ConversionError);
}

TEST(BuildCandidateQuery, SinglePlanText) {
  WorkbenchInputs in;
  in.surname = G("张");
  const Gbk f = G(" and (xb = '男' or nan = 1 or xb = '1') ");
  const Gbk expected =
      G("select mz from (select '张' || a.zi || b.zi || '(95分)' as mz,(a.px + b.px + a.id) as px,"
        "a.nan + b.nan as you,a.wuhang as wuhang1,b.wuhang as wuhang2  from (") +
      G("select zi,px + 551 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null ") + f +
      G(" and bh = 16) a , (select zi,px + 5000 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null ") + f +
      G(" and nan = 1  and bh = 9) b) p where you > 0 order by px");
  EXPECT_EQ(BuildCandidateQuery(in, QueryMode::kSinglePlan, {{16, 9, G("(95分)")}}).ToUtf8(), expected.ToUtf8());

  in.single_given = true;
  const Gbk wide = G(" and (xb = '男' or nan = 1 or xb = '0' or xb = '1') ");
  EXPECT_EQ(BuildCandidateQuery(in, QueryMode::kSinglePlan, {{16, 0, G("(95分)")}}).ToUtf8(),
            (G("select mz from (select '张' || a.zi || '(95分)'  as mz,(a.px + a.id) as px,1 as you,"
               "a.wuhang as wuhang1 from (select zi,px + 551 as px,id,nan,nv,wuhang from word where 1 = 1 and "
               "Aflag is null ") +
             wide + G(" and bh = 16) a ) p order by px"))
                .ToUtf8());
}

TEST(BuildCandidateQuery, BatchTextJoinsSelectsWithUnionLines) {
  WorkbenchInputs in;
  in.surname = G("张");
  in.male = false;
  const Gbk sql = BuildCandidateQuery(in, QueryMode::kPlanBatch, {{8, 9, G("(90分)")}, {6, 8, G("(80分)")}});
  const std::string text = sql.ToUtf8();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
  EXPECT_NE(text.find("\n union \n"), std::string::npos);
  EXPECT_NE(text.find("px + 1000 as px"), std::string::npos);
  EXPECT_NE(text.find("px + 5001 as px"), std::string::npos);
  EXPECT_NE(text.find("(a.px + b.px) as px,a.nv + b.nv as you"), std::string::npos);
  EXPECT_TRUE(text.ends_with(") p where you > 0 order by px"));
}

// The queries run on a small dictionary and yield the expected names in order.
class CandidateRows : public ::testing::Test {
 protected:
  CandidateRows() {
    testing::WriteDatabase(tmp_ / "Dazezed.dll", testing::NamingFixtureSql());
    connection_ = std::make_unique<Connection>(tmp_ / "Dazezed.dll");
    in_.surname = G("张");
  }
  std::vector<std::string> Names(QueryMode mode, const std::vector<PlanStrokes>& plans) {
    ResultSet rows = connection_->Run(BuildCandidateQuery(in_, mode, plans));
    std::vector<std::string> names;
    for (int r = 0; r < rows.RowCount(); ++r) names.push_back(rows.Text(r, 0).ToUtf8());
    return names;
  }
  using V = std::vector<std::string>;
  const PlanStrokes p89{8, 9, G("(90分)")};

  testing::TempFolder tmp_;
  std::unique_ptr<Connection> connection_;
  WorkbenchInputs in_;
};

TEST_F(CandidateRows, SexFiltersAndSecondCharacterMark) {
  // Boys: 佳 (a girl's character) and 林 (no sex) are left out, 美 lacks nan.
  EXPECT_EQ(Names(QueryMode::kSinglePlan, {p89}), (V{"张明亮(90分)", "张明信(90分)", "张武亮(90分)", "张武信(90分)"}));
  // Girls keep 林; the second character needs nv.
  in_.male = false;
  EXPECT_EQ(Names(QueryMode::kSinglePlan, {p89}),
            (V{"张明美(90分)", "张明信(90分)", "张佳美(90分)", "张佳信(90分)", "张林美(90分)", "张林信(90分)"}));
}

TEST_F(CandidateRows, OneCharacterNames) {
  in_.single_given = true;
  EXPECT_EQ(Names(QueryMode::kSinglePlan, {{8, 0, G("(75分)")}}), (V{"张明(75分)", "张武(75分)", "张林(75分)"}));
  EXPECT_EQ(Names(QueryMode::kPlanBatch, {{8, 0, G("(75分)")}, {6, 0, G("(74分)")}}),
            (V{"张明(75分)", "张安(74分)", "张武(75分)", "张林(75分)"}));
}

TEST_F(CandidateRows, ElementFilter) {
  in_.elements = Elements("木");
  EXPECT_EQ(Names(QueryMode::kSinglePlan, {p89}), V{});
  in_.elements = Elements("木火");
  EXPECT_EQ(Names(QueryMode::kSinglePlan, {p89}), V{"张明亮(90分)"});
}

TEST_F(CandidateRows, FixedCharacters) {
  in_.fixed_wanted = true;
  in_.fixed_character = G("美");
  in_.fixed_position = FixedPosition::kThird;
  // The fixed 美 lends its own marks: it lacks nan, so 林 (no nan either) fails you > 0.
  EXPECT_EQ(Names(QueryMode::kSinglePlan, {p89}), (V{"张明美(90分)", "张武美(90分)"}));
  in_.fixed_position = FixedPosition::kSecond;
  in_.fixed_character = G("信");
  EXPECT_EQ(Names(QueryMode::kSinglePlan, {p89}), (V{"张信亮(90分)", "张信信(90分)"}));
  // An empty fixed character contributes the empty text.
  in_.fixed_character = Gbk();
  EXPECT_EQ(Names(QueryMode::kSinglePlan, {p89}), (V{"张亮(90分)", "张信(90分)"}));
  // A character the dictionary lacks still yields names.
  in_.fixed_character = G("龍");
  EXPECT_EQ(Names(QueryMode::kPlanBatch, {p89}), (V{"张龍亮(90分)", "张龍信(90分)"}));
}

TEST_F(CandidateRows, QuotesAndPercentSignsStayText) {
  in_.surname = G("O'");
  in_.fixed_wanted = true;
  in_.fixed_character = G("'");
  EXPECT_EQ(Names(QueryMode::kSinglePlan, {{8, 9, G("(90'分)")}}), (V{"O''亮(90'分)", "O''信(90'分)"}));
  in_.surname = G("%s");
  in_.fixed_character = G("%");
  EXPECT_EQ(Names(QueryMode::kPlanBatch, {p89}), (V{"%s%亮(90分)", "%s%信(90分)"}));
}

TEST_F(CandidateRows, BatchOrdersTheUnionByPxAndDropsDuplicates) {
  const PlanStrokes p68{6, 8, G("(80分)")};
  const V names = Names(QueryMode::kPlanBatch, {p89, p68, p89});
  // 安明 6016, 明亮 6026, 安武 6036, 明信 and 武亮 6046, 武信 6066.
  ASSERT_EQ(names.size(), 6u);
  EXPECT_EQ((V{names[0], names[1], names[2], names[5]}),
            (V{"张安明(80分)", "张明亮(90分)", "张安武(80分)", "张武信(90分)"}));
  EXPECT_EQ((std::set<std::string>{names[3], names[4]}), (std::set<std::string>{"张明信(90分)", "张武亮(90分)"}));
}

}  // namespace
}  // namespace mirevo
