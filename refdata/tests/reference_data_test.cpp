// Checks of the built reference databases (build/bin/*.dll): what the windows and
// reports rely on being there.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "analysis/core/numbers.h"
#include "app/core/gbk.h"
#include "data/core/lookups.h"
#include "data/core/refdb.h"
#include "tests/support/fixture_db.h"

namespace mirevo {
namespace {

class ReferenceData : public ::testing::Test {
 protected:
  void SetUp() override { SetDataFolder(testing::BinFolder()); }
  static ResultSet Run(RefDb db, const char* utf8_sql) { return RunOneShot(db, Gbk::FromUtf8(utf8_sql)); }
};

const std::set<std::string> kElements = {"金", "木", "水", "火", "土"};

// ---- the dictionary -------------------------------------------------------

TEST_F(ReferenceData, WellKnownStrokeCountsOfNameNumerology) {
  // The Kangxi count of the traditional form, radicals in their full forms.
  const std::pair<const char*, int> cases[] = {
      {"张", 11}, {"王", 4},  {"李", 7},  {"陈", 16}, {"刘", 15}, {"杨", 13}, {"黄", 12}, {"赵", 14},
      {"吴", 7},  {"周", 8},  {"徐", 10}, {"孙", 10}, {"马", 10}, {"朱", 6},  {"胡", 11}, {"郭", 15},
      {"林", 8},  {"罗", 20}, {"郑", 19}, {"谢", 17}, {"范", 11}, {"于", 3},  {"余", 7},  {"沈", 8},
      {"姜", 9},  {"江", 7},  {"河", 9},  {"海", 11}, {"清", 12}, {"浩", 11}, {"涛", 18}, {"明", 8},
      {"玉", 5},  {"琪", 13}, {"珊", 10}, {"月", 4},  {"水", 4},  {"心", 4},  {"怡", 9},  {"扬", 13},
      {"萱", 15}, {"芳", 10}, {"进", 15}, {"远", 17}, {"阳", 17}, {"陈", 16}, {"郝", 14}, {"邓", 19},
      {"一", 1},  {"二", 2},  {"三", 3},  {"四", 4},  {"五", 5},  {"六", 6},  {"七", 7},  {"八", 8},
      {"九", 9},  {"十", 10}, {"发", 12}, {"华", 14}, {"伟", 11}, {"国", 11}, {"欧", 15}, {"司", 5},
  };
  for (const auto& [ch, strokes] : cases) EXPECT_EQ(StrokeCount(Gbk::FromUtf8(ch)), strokes) << ch;
}

TEST_F(ReferenceData, TraditionalFormsAreFoundToo) {
  const std::pair<const char*, int> cases[] = {{"張", 11}, {"陳", 16}, {"劉", 15}, {"華", 14},
                                               {"偉", 11}, {"國", 11}, {"歐", 15}, {"陽", 17}};
  for (const auto& [ch, strokes] : cases) EXPECT_EQ(StrokeCount(Gbk::FromUtf8(ch)), strokes) << ch;
}

TEST_F(ReferenceData, EveryDictionaryRowIsComplete) {
  ResultSet r = Run(RefDb::Dazezed, "select id, zi, ft, bh, wuhang, px, nan, nv, xb, Aflag from word");
  ASSERT_GE(r.RowCount(), 6763);
  std::set<long long> ids;
  std::set<std::string> characters;
  int usable = 0;
  for (int i = 0; i < r.RowCount(); ++i) {
    const std::string zi = r.Text(i, "zi").ToUtf8();
    SCOPED_TRACE(zi);
    EXPECT_TRUE(ids.insert(r.Int(i, "id")).second) << "id repeated";
    EXPECT_TRUE(characters.insert(zi).second) << "character repeated";
    EXPECT_EQ(r.Text(i, "zi").size(), 2u);
    EXPECT_EQ(r.Text(i, "ft").size(), 2u);
    EXPECT_GE(r.Int(i, "bh"), 1);
    EXPECT_LE(r.Int(i, "bh"), 64);
    EXPECT_TRUE(kElements.count(r.Text(i, "wuhang").ToUtf8()));
    EXPECT_GE(r.Int(i, "px"), 0);
    EXPECT_LT(r.Int(i, "px"), 5000);
    const long long nan = r.Int(i, "nan"), nv = r.Int(i, "nv");
    EXPECT_TRUE(nan == 0 || nan == 1);
    EXPECT_TRUE(nv == 0 || nv == 1);
    const std::string xb = r.Text(i, "xb").ToUtf8();
    ASSERT_TRUE(xb == "男" || xb == "女" || xb == "1" || xb == "0") << xb;
    if (xb == "男") EXPECT_TRUE(nan == 1 && nv == 0);
    if (xb == "女") EXPECT_TRUE(nv == 1 && nan == 0);
    if (xb == "1") EXPECT_TRUE(nan == 1 && nv == 1);
    if (r.IsNull(i, r.Column("Aflag"))) ++usable;
  }
  EXPECT_GE(usable, 2500);
  EXPECT_LE(usable, 4500);
}

TEST_F(ReferenceData, EveryStrokeCountOffersBoysAndGirlsCharacters) {
  // The two-character run needs, for each common stroke count, characters that
  // pass the second-character filter of either sex.
  for (int bh = 3; bh <= 20; ++bh) {
    std::string sql = "select sum(nan), sum(nv) from word where Aflag is null and bh = " + std::to_string(bh);
    ResultSet r = RunOneShot(RefDb::Dazezed, Gbk(sql));
    EXPECT_GE(r.Int(0, 0), 5) << bh << " strokes, boys";
    EXPECT_GE(r.Int(0, 1), 5) << bh << " strokes, girls";
  }
}

// ---- three talents ----------------------------------------------------------

int VerdictRank(const std::string& v) {
  static const std::map<std::string, int> ranks = {{"（大吉）", 1}, {"（吉）", 2},   {"（中吉）", 3},
                                                   {"（半吉）", 4}, {"（凶）", 5}, {"（大凶）", 6}};
  auto it = ranks.find(v);
  return it == ranks.end() ? 0 : it->second;
}

TEST_F(ReferenceData, AllThreeTalentConfigurationsAreGradedAndRead) {
  ResultSet grades = Run(RefDb::KelFile, "select title, djc from sancai");
  ResultSet readings = Run(RefDb::KelFile, "select * from sancai2009");
  ASSERT_EQ(grades.RowCount(), 125);
  ASSERT_EQ(readings.RowCount(), 125);
  std::map<std::string, int> grade_of;
  for (int i = 0; i < grades.RowCount(); ++i) {
    grade_of[grades.Text(i, "title").ToUtf8()] = static_cast<int>(grades.Int(i, "djc"));
    EXPECT_GE(grades.Int(i, "djc"), 1);
    EXPECT_LE(grades.Int(i, "djc"), 7);
  }
  EXPECT_EQ(grade_of.size(), 125u);
  for (const auto& a : kElements)
    for (const auto& b : kElements)
      for (const auto& c : kElements) EXPECT_TRUE(grade_of.count(a + b + c)) << a + b + c;
  // The verdicts follow the grade: the foundation's is the configuration's own,
  // the other two lie within one step of it.
  const int own_rank[] = {0, 1, 2, 2, 3, 4, 5, 6};
  for (int i = 0; i < readings.RowCount(); ++i) {
    const std::string title = readings.Text(i, "title").ToUtf8();
    SCOPED_TRACE(title);
    ASSERT_TRUE(grade_of.count(title));
    const int own = own_rank[grade_of[title]];
    EXPECT_EQ(VerdictRank(readings.Text(i, "jx1").ToUtf8()), own);
    for (const char* col : {"jx2", "jx3"}) {
      int rank = VerdictRank(readings.Text(i, col).ToUtf8());
      EXPECT_NE(rank, 0) << col;
      EXPECT_LE(std::abs(rank - own), 1) << col;
    }
    for (const char* col : {"yy", "jcy", "cgy", "rjgx", "xg"}) EXPECT_FALSE(readings.Text(i, col).Trimmed().empty()) << col;
  }
}

// ---- the eighty-one numbers -----------------------------------------------

TEST_F(ReferenceData, EveryNumberHasTextsWhoseVerdictFitsItsClass) {
  ResultSet r = Run(RefDb::KelFile, "select num, yy, jx, \"as\", content from \"81\" order by num");
  ASSERT_EQ(r.RowCount(), 81);
  for (int i = 0; i < 81; ++i) {
    const int n = static_cast<int>(r.Int(i, "num"));
    ASSERT_EQ(n, i + 1);
    SCOPED_TRACE(n);
    const int rank = VerdictRank(r.Text(i, "jx").ToUtf8());
    switch (ClassifyNumber(n)) {
      case 1: EXPECT_TRUE(rank == 1 || rank == 2); break;   // 大吉 or 吉
      case 2: EXPECT_EQ(rank, 4); break;                     // 半吉
      case 3: EXPECT_TRUE(rank == 5 || rank == 6); break;   // 凶 or 大凶
      default: ADD_FAILURE() << "no class";
    }
    EXPECT_TRUE(r.Text(i, "yy").EndsWith(GBK("。")));
    for (const char* col : {"as", "content"}) EXPECT_FALSE(r.Text(i, col).Trimmed().empty()) << col;
  }
}

// ---- notes and chart texts --------------------------------------------------

TEST_F(ReferenceData, TheTwoNotesOfTheWorkbench) {
  for (const char* key : {"XM016", "XM017"}) {
    ResultSet r = RunOneShot(RefDb::KelBirth, Gbk::Ascii("select Tite, content from Noter where Cid = ") +
                                                  SqlQuoted(Gbk::Ascii(key)));
    ASSERT_EQ(r.RowCount(), 1) << key;
    EXPECT_FALSE(r.Text(0, "Tite").Trimmed().empty());
    EXPECT_GT(r.Text(0, "content").size(), 600u);
  }
}

TEST_F(ReferenceData, EveryReachableBoneWeightHasItsReading) {
  // Every sum the four weight tables can give, coded as the chart codes it.
  ResultSet codes = Run(RefDb::Dream,
                        "select distinct a.weight + b.weight + c.weight + d.weight from chenggu1 a, chenggu2 b,"
                        " chenggu3 c, chenggu4 d");
  ASSERT_GT(codes.RowCount(), 40);
  EXPECT_EQ(Run(RefDb::Dream, "select count(*) from chenggu1").Int(0, 0), 201);
  EXPECT_EQ(Run(RefDb::Dream, "select count(*) from chenggu2").Int(0, 0), 12);
  EXPECT_EQ(Run(RefDb::Dream, "select count(*) from chenggu3").Int(0, 0), 30);
  EXPECT_EQ(Run(RefDb::Dream, "select count(*) from chenggu4").Int(0, 0), 24);
  for (int i = 0; i < codes.RowCount(); ++i) {
    std::string total = FormatReal(codes.Real(i, 0));
    std::string code = total.size() == 1 ? total + "0" : total.substr(0, 1) + total.substr(2, 1);
    ResultSet row = RunOneShot(RefDb::Dream, Gbk::Ascii("select content, content2 from chenggu where weight = ") +
                                                 SqlQuoted(Gbk(code)));
    ASSERT_EQ(row.RowCount(), 1) << total;
    EXPECT_FALSE(row.Text(0, 0).Trimmed().empty());
    EXPECT_FALSE(row.Text(0, 1).Trimmed().empty());
  }
}

TEST_F(ReferenceData, SeasonClimateAndRemedyTextsForEveryKey) {
  const char* stems = "甲乙丙丁戊己庚辛壬癸";
  const char* branches = "子丑寅卯辰巳午未申酉戌亥";
  Gbk s = Gbk::FromUtf8(stems), b = Gbk::FromUtf8(branches);
  for (std::size_t i = 1; i < s.size(); i += 2)
    for (std::size_t j = 1; j < b.size(); j += 2) {
      ResultSet r = RunOneShot(RefDb::Tgcode, Gbk::Ascii("select content from qtbj where tg = ") + SqlQuoted(s.Slice(i, 2)) +
                                                  Gbk::Ascii(" and dz = ") + SqlQuoted(b.Slice(j, 2)));
      ASSERT_EQ(r.RowCount(), 1);
      EXPECT_TRUE(r.Text(0, 0).Trimmed().EndsWith(GBK("。")));
    }
  for (const auto& e : kElements) {
    ResultSet remedy = RunOneShot(RefDb::Tgcode, GBK("select bujiu from Houtian where wuxing = ") + SqlQuoted(Gbk::FromUtf8(e)));
    ASSERT_EQ(remedy.RowCount(), 1) << e;
    EXPECT_FALSE(remedy.Text(0, 0).Trimmed().empty());
    for (const char* season : {"春", "夏", "秋", "冬"}) {
      ResultSet r = RunOneShot(RefDb::Tgcode, GBK("select sjrs from sjrs where wh = ") + SqlQuoted(Gbk::FromUtf8(e)) +
                                                  Gbk::Ascii(" and sj = ") + SqlQuoted(Gbk::FromUtf8(season)));
      ASSERT_EQ(r.RowCount(), 1) << e << season;
      // Printed before a closing full stop of the chart's own.
      EXPECT_FALSE(r.Text(0, 0).Trimmed().EndsWith(GBK("。"))) << e << season;
    }
  }
}

TEST_F(ReferenceData, ChartFactTables) {
  EXPECT_EQ(Run(RefDb::Tgcode, "select count(*) from Shishen").Int(0, 0), 100);
  EXPECT_EQ(Run(RefDb::Tgcode, "select count(*) from jiazi").Int(0, 0), 60);
  EXPECT_EQ(Run(RefDb::Tgcode, "select count(*) from JQ").Int(0, 0), 201 * 24);
  EXPECT_EQ(Run(RefDb::Tgcode, "select layin from jiazi where jiazi = '甲子'").Text(0, 0), GBK("海中金"));
  EXPECT_EQ(Run(RefDb::Tgcode, "select ShiShen from Shishen where jiazi = '甲庚'").Text(0, 0), GBK("七杀"));
  EXPECT_EQ(Run(RefDb::Tgcode, "select wh from hzwh where hz like '%酉%'").Text(0, 0), GBK("金"));
}

}  // namespace
}  // namespace mirevo
