// The scored stroke combinations (table zh): the tool that makes them, run on
// small sources, and the table of the built Dazezed.dll.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <tuple>
#include <vector>

#include "analysis/core/five_grids.h"
#include "analysis/core/name_report.h"
#include "data/core/lookups.h"
#include "data/core/refdb.h"
#include "refdata/tools/common_surnames.h"
#include "tests/support/fixture_db.h"

namespace mirevo {
namespace {

struct ZhRow {
  int lx, bh11, bh12, bh21, bh22, zf, jxjx;
};

// ---- the tool ---------------------------------------------------------------

int RunTool(const std::filesystem::path& word, const std::filesystem::path& sancai,
            const std::filesystem::path& out) {
  const std::string command = std::string("'") + MIREVO_MAKE_ZH + "' '" + word.string() + "' '" + sancai.string() +
                              "' '" + out.string() + "' 2>/dev/null";
  return WEXITSTATUS(std::system(command.c_str()));
}

std::vector<ZhRow> ReadRows(const std::filesystem::path& file, std::string* columns = nullptr) {
  std::ifstream in(file);
  std::vector<ZhRow> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == 'l') {
      if (columns) *columns = line;
      continue;
    }
    std::istringstream s(line);
    ZhRow r{};
    s >> r.lx >> r.bh11 >> r.bh12 >> r.bh21 >> r.bh22 >> r.zf >> r.jxjx;
    rows.push_back(r);
  }
  return rows;
}

class MakeZh : public ::testing::Test {
 protected:
  void SetUp() override {
    // 王 4 and 李 7 are the only listed surnames here, so surname strokes run to
    // 7. Three characters fit both sexes at 10 strokes and three at 5, so only
    // plans made of 5 and 10 yield names for a boy and a girl.
    std::string word = "id\tzi\tft\tbh\twuhang\tpx\tnan\tnv\txb\tAflag\n"
                       "1\t王\t王\t4\t土\t1\t0\t0\t0\t1\n"
                       "2\t李\t李\t7\t木\t2\t0\t0\t0\t1\n";
    int id = 3;
    for (const char* ch : {"家", "晏", "宸", "乐", "立", "冬"}) {
      const int strokes = id < 6 ? 10 : 5;
      word += std::to_string(id) + "\t" + ch + "\t" + ch + "\t" + std::to_string(strokes) + "\t木\t" +
              std::to_string(id) + "\t1\t1\t1\t\\N\n";
      ++id;
    }
    testing::WriteFile(tmp_ / "word.tsv", word);
    std::string sancai = "# grades\ntitle\tdjc\n";
    const char* elements[] = {"金", "木", "水", "火", "土"};
    for (const char* a : elements)
      for (const char* b : elements)
        for (const char* c : elements) sancai += std::string(a) + b + c + "\t" + (std::string(a) + b + c == "金金土" ? "3" : "5") + "\n";
    testing::WriteFile(tmp_ / "sancai.tsv", sancai);
  }
  testing::TempFolder tmp_;
};

TEST_F(MakeZh, ScoresEveryFormUpToTheLargestSurname) {
  ASSERT_EQ(RunTool(tmp_ / "word.tsv", tmp_ / "sancai.tsv", tmp_ / "zh.tsv"), 0);
  std::string columns;
  const std::vector<ZhRow> rows = ReadRows(tmp_ / "zh.tsv", &columns);
  EXPECT_EQ(columns, "lx\tbh11\tbh12\tbh21\tbh22\tzf\tjxjx");
  ASSERT_FALSE(rows.empty());
  std::map<int, int> largest;
  std::map<std::tuple<int, int, int>, std::vector<ZhRow>> groups;
  for (const ZhRow& r : rows) {
    largest[r.lx] = std::max({largest[r.lx], r.bh11, r.bh12});
    EXPECT_GE(r.zf, r.lx % 10 == 2 ? 80 : 70);  // the floors
    EXPECT_LE(r.zf, 100);
    groups[{r.lx, r.bh11, r.bh12}].push_back(r);
  }
  EXPECT_EQ(largest, (std::map<int, int>{{11, 7}, {12, 7}, {21, 7}, {22, 7}}));
  // The worked example 7 | 10-5: 84 computed, and 外格 6 (土) produces 人格 17 (金): +2.
  const auto& li = groups[{12, 7, 0}];
  auto example = std::find_if(li.begin(), li.end(), [](const ZhRow& r) { return r.bh21 == 10 && r.bh22 == 5; });
  ASSERT_NE(example, li.end());
  EXPECT_EQ(example->zf, 86);
  // Plans with characters for both sexes come first, whatever scores higher;
  // within each part the higher score first.
  EXPECT_LE(example->jxjx, 4);
  for (const auto& [key, plans] : groups) {
    std::vector<ZhRow> sorted = plans;
    std::sort(sorted.begin(), sorted.end(), [](const ZhRow& a, const ZhRow& b) { return a.jxjx < b.jxjx; });
    for (std::size_t i = 0; i < sorted.size(); ++i) ASSERT_EQ(sorted[i].jxjx, static_cast<int>(i) + 1);
    auto productive = [](const ZhRow& r) {
      auto stocked = [](int strokes) { return strokes == 5 || strokes == 10; };
      return stocked(r.bh21) && (r.lx % 10 == 1 || stocked(r.bh22));
    };
    for (std::size_t i = 1; i < sorted.size(); ++i) {
      const ZhRow &a = sorted[i - 1], &b = sorted[i];
      EXPECT_TRUE(productive(a) > productive(b) || (productive(a) == productive(b) && a.zf >= b.zf))
          << a.lx << " " << a.bh11 << " " << a.bh12 << ": " << a.bh21 << "-" << a.bh22 << " before " << b.bh21 << "-"
          << b.bh22;
    }
  }
  const auto& single = groups[{11, 7, 0}];
  std::set<int> first_two;
  for (const ZhRow& r : single)
    if (r.jxjx <= 2) first_two.insert(r.bh21);
  EXPECT_EQ(first_two, (std::set<int>{5, 10}));
}

TEST_F(MakeZh, AFailedRunLeavesNoTable) {
  EXPECT_NE(RunTool(tmp_ / "missing.tsv", tmp_ / "sancai.tsv", tmp_ / "zh.tsv"), 0);
  testing::WriteFile(tmp_ / "bad.tsv", "id\tzi\n1\n");
  EXPECT_NE(RunTool(tmp_ / "bad.tsv", tmp_ / "sancai.tsv", tmp_ / "zh.tsv"), 0);
  EXPECT_FALSE(std::filesystem::exists(tmp_ / "zh.tsv"));
  EXPECT_FALSE(std::filesystem::exists(tmp_ / "zh.tsv.part"));
}

// ---- the built table ----------------------------------------------------------

class BuiltZh : public ::testing::Test {
 protected:
  void SetUp() override { SetDataFolder(testing::BinFolder()); }

  static std::vector<ZhRow> Rows(const std::string& sql) {
    const ResultSet r = RunOneShot(RefDb::Dazezed, Gbk(sql));
    std::vector<ZhRow> rows;
    for (int i = 0; i < r.RowCount(); ++i)
      rows.push_back(ZhRow{static_cast<int>(r.Int(i, "lx")), static_cast<int>(r.Int(i, "bh11")),
                           static_cast<int>(r.Int(i, "bh12")), static_cast<int>(r.Int(i, "bh21")),
                           static_cast<int>(r.Int(i, "bh22")), static_cast<int>(r.Int(i, "zf")),
                           static_cast<int>(r.Int(i, "jxjx"))});
    return rows;
  }

  // The plans the workbench lists for a surname, in its order.
  static std::vector<ZhRow> Plans(int form, int s1, int s2, int top) {
    std::string sql = "select lx,bh11,bh12,bh21,bh22,zf,jxjx from zh where bh21 < 25 and bh22 < 25 and lx = " +
                      std::to_string(form) + " and bh11 = " + std::to_string(s1);
    if (form / 10 == 2) sql += " and bh12 = " + std::to_string(s2);
    return Rows(sql + " order by jxjx asc,zf asc limit " + std::to_string(top));
  }

  // Usable characters of a stroke count under the candidate query's sex filter.
  static long long Usable(int strokes, const char* filter) {
    const ResultSet r = RunOneShot(RefDb::Dazezed, Gbk::FromUtf8("select count(*) from word where Aflag is null and bh = " +
                                                                 std::to_string(strokes) + " and " + filter));
    return r.Int(0, 0);
  }
};

const char* kBoyFirst = "(xb = '男' or nan = 1 or xb = '1')";
const char* kGirlFirst = "(xb = '女' or nv = 1 or xb = '1' or xb = '0')";
const char* kBoySecond = "(xb = '男' or nan = 1 or xb = '1') and nan = 1";
const char* kGirlSecond = "(xb = '女' or nv = 1 or xb = '1' or xb = '0') and nv = 1";
const char* kBoySingle = "(xb = '男' or nan = 1 or xb = '0' or xb = '1')";
const char* kGirlSingle = "(xb = '女' or nv = 1 or xb = '0' or xb = '1')";

TEST_F(BuiltZh, EveryColumnInItsRangeAndEveryCombinationOnce) {
  const std::vector<ZhRow> rows = Rows("select * from zh");
  ASSERT_GT(rows.size(), 10000u);
  std::set<std::tuple<int, int, int, int>> combinations;
  std::map<std::tuple<int, int, int>, std::set<int>> ranks;
  for (const ZhRow& r : rows) {
    const bool two_surname = r.lx / 10 == 2, two_given = r.lx % 10 == 2;
    ASSERT_TRUE(r.lx == 11 || r.lx == 12 || r.lx == 21 || r.lx == 22) << r.lx;
    ASSERT_GE(r.bh11, 1);
    ASSERT_LE(r.bh11, 40);
    ASSERT_EQ(r.bh12 == 0, !two_surname);
    ASSERT_GE(r.bh21, 1);
    ASSERT_LE(r.bh21, 24);
    ASSERT_EQ(r.bh22 == 0, !two_given);
    ASSERT_LE(r.bh22, 24);
    ASSERT_GE(r.zf, 70);
    ASSERT_LE(r.zf, 100);
    // The score lookup of the analysis ignores lx, so the strokes alone are unique.
    ASSERT_TRUE((combinations.insert({r.bh11, r.bh12, r.bh21, r.bh22}).second))
        << r.bh11 << " " << r.bh12 << " " << r.bh21 << " " << r.bh22;
    ASSERT_TRUE((ranks[{r.lx, r.bh11, r.bh12}].insert(r.jxjx).second));
  }
  for (const auto& [group, jx] : ranks) {
    EXPECT_EQ(*jx.begin(), 1);
    EXPECT_EQ(*jx.rbegin(), static_cast<int>(jx.size()));
  }
}

TEST_F(BuiltZh, AStoredScoreIsTheAnalysisScoreWithAtMostTheOuterBonus) {
  // The grades as the analysis reads them.
  const ResultSet grades = RunOneShot(RefDb::KelFile, Gbk::Ascii("select title, djc from sancai"));
  std::map<Gbk, long long> grade;
  for (int i = 0; i < grades.RowCount(); ++i) grade[grades.Text(i, 0)] = grades.Int(i, 1);
  for (const ZhRow& r : Rows("select * from zh")) {
    const FiveGrids g = ComputeFiveGrids(FormStrokes(r.lx, r.bh11, r.bh12, r.bh21, r.bh22));
    const auto it = grade.find(MakeTalentConfig(g));
    const double computed = ComputedScore(g, TalentGradePoints(it == grade.end() ? 0 : it->second));
    const int rounded = static_cast<int>(std::floor(computed + 0.5));
    ASSERT_GE(r.zf, std::min(rounded, 100)) << r.lx << " " << r.bh11 << " " << r.bh21 << " " << r.bh22;
    ASSERT_LE(r.zf, rounded + 2) << r.lx << " " << r.bh11 << " " << r.bh21 << " " << r.bh22;
  }
}

TEST_F(BuiltZh, EveryCommonSurnameGetsItsPlansBestFirst) {
  // A one-character given name has 24 stroke counts to choose from (bh21 < 25),
  // so its list can never hold the 40 plans the workbench asks for.
  auto check = [&](const std::string& surname, int two_given_form, int s1, int s2) {
    SCOPED_TRACE(surname);
    ASSERT_GT(s1, 0);
    const std::vector<ZhRow> two = Plans(two_given_form, s1, s2, 20);
    ASSERT_EQ(two.size(), 20u);
    for (std::size_t i = 1; i < two.size(); ++i) EXPECT_GE(two[i - 1].zf, two[i].zf);
    EXPECT_GE(two.back().zf, 90);
    for (const ZhRow& p : two) {
      EXPECT_GE(Usable(p.bh21, kBoyFirst), 3) << p.bh21;
      EXPECT_GE(Usable(p.bh21, kGirlFirst), 3) << p.bh21;
      EXPECT_GE(Usable(p.bh22, kBoySecond), 3) << p.bh22;
      EXPECT_GE(Usable(p.bh22, kGirlSecond), 3) << p.bh22;
    }
    const std::vector<ZhRow> one = Plans(two_given_form - 1, s1, s2, 40);
    EXPECT_GE(one.size(), 20u);
    EXPECT_LE(one.size(), 24u);
    for (std::size_t i = 1; i < 10; ++i) EXPECT_GE(one[i - 1].zf, one[i].zf);
    for (std::size_t i = 0; i < 10; ++i) {
      EXPECT_GE(Usable(one[i].bh21, kBoySingle), 3) << one[i].bh21;
      EXPECT_GE(Usable(one[i].bh21, kGirlSingle), 3) << one[i].bh21;
    }
  };
  for (const char* s : refdata::kCommonSurnames) check(s, 12, StrokeCount(Gbk::FromUtf8(s)), 0);
  for (const char* s : refdata::kCompoundSurnames) {
    const Gbk g = Gbk::FromUtf8(s);
    check(s, 22, StrokeCount(g.Slice(1, 2)), StrokeCount(g.Slice(3, 2)));
  }
}

TEST_F(BuiltZh, TheAnalysisFindsTheStoredScore) {
  // A name made from 张's best plan shows that plan's score.
  const std::vector<ZhRow> plans = Plans(12, 11, 0, 1);
  ASSERT_EQ(plans.size(), 1u);
  auto character = [](int strokes, const char* filter) {
    return RunOneShot(RefDb::Dazezed, Gbk("select zi from word where Aflag is null and bh = " + std::to_string(strokes) +
                                          " and " + filter + " limit 1"))
        .Text(0, 0);
  };
  const Gbk given = character(plans[0].bh21, kBoyFirst) + character(plans[0].bh22, kBoySecond);
  ASSERT_EQ(given.size(), 4u);
  EXPECT_EQ(NameScore(GBK("张"), given), plans[0].zf);
}

}  // namespace
}  // namespace mirevo
