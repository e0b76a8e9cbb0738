// The chart, element and note commands, run as a user runs them.
#include <gtest/gtest.h>

#include "app/core/datetime.h"
#include "chart/core/chart_report.h"
#include "cli/tests/cli_runner.h"
#include "data/core/refdb.h"
#include "data/tests/dictionary_fixture.h"
#include "tests/support/fixture_db.h"

namespace mirevo {
namespace {

using testing::RunCli;

TEST(ChartCli, PrintsTheLinesOfTheChart) {
  auto r = RunCli({"chart", "--surname", "张", "--year", "2000", "--month", "01", "--day", "01", "--hour", "午 12",
                   "--minute", "00", "--today", "2024-06-01"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  SetDataFolder(testing::BinFolder());
  ChartRequest request;
  request.surname = Gbk::FromUtf8("张");
  request.birth = BirthMoment{0, Gbk::Ascii("2000"), Gbk::Ascii("01"), Gbk::Ascii("01"), Gbk::FromUtf8("午 12"),
                              Gbk::Ascii("00"), Gbk::FromUtf8("男")};
  const ChartReport report = PrintChart(request, {2024, 6, 1});
  std::vector<std::string> expected;
  for (const Gbk& line : report.lines) expected.push_back(line.ToUtf8());
  EXPECT_EQ(r.lines(), expected);
}

TEST(ChartCli, DefaultsAreTheWorkbenchStartValues) {
  auto r = RunCli({"chart", "--surname", "王", "--today", "2024-01-01"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const auto lines = r.lines();
  ASSERT_GT(lines.size(), 3u);
  EXPECT_EQ(lines[1], "年龄：14岁");
  EXPECT_EQ(lines[2], "您出生公历：2010年01月01日0点01分");

  auto lunar = RunCli({"chart", "--surname", "王", "--lunar", "--sex", "女", "--today", "2024-01-01"});
  ASSERT_EQ(lunar.exit_code, 0) << lunar.err;
  EXPECT_EQ(lunar.lines()[2], "您出生公历：2010年02月14日0点01分");
}

TEST(ChartCli, FailedChecksAndBadUsage) {
  auto no_surname = RunCli({"chart"});
  EXPECT_EQ(no_surname.exit_code, 1);
  EXPECT_EQ(no_surname.err, "姓不能为空!\n");
  EXPECT_EQ(no_surname.out, "");
  auto bad_day = RunCli({"chart", "--surname", "张", "--month", "02", "--day", "30"});
  EXPECT_EQ(bad_day.exit_code, 1);
  EXPECT_NE(bad_day.err.find("2010-02-30"), std::string::npos);
  EXPECT_EQ(bad_day.out, "");
  for (const std::vector<std::string>& args : {std::vector<std::string>{"chart", "--surname", "张", "--sex", "x"},
                                                {"chart", "--surname", "张", "--today", "tomorrow"},
                                                {"chart", "--surname", "张", "extra"}}) {
    auto r = RunCli(args);
    EXPECT_EQ(r.exit_code, 2) << args.back();
  }
}

TEST(ChartCli, AChartCutShortPrintsWhatItHasAndFails) {
  testing::TempFolder empty;
  auto r = RunCli({"--data", empty.path().string(), "chart", "--surname", "张"});
  EXPECT_EQ(r.exit_code, 1);
  ASSERT_FALSE(r.lines().empty());
  EXPECT_EQ(r.lines().back(), "袁天罡称骨算命：");
  EXPECT_NE(r.err.find("dream.dll"), std::string::npos);
}

TEST(ChartCli, ElementLookup) {
  testing::TempFolder tmp;
  testing::WriteDatabase(tmp / "Dazezed.dll", testing::DictionaryFixtureSql());
  auto r = RunCli({"--data", tmp.path().string(), "element", "张三龍伟"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "火金土\n");
  EXPECT_EQ(RunCli({"--data", tmp.path().string(), "element", "  "}).out, "");
  EXPECT_EQ(RunCli({"--data", tmp.path().string(), "element"}).exit_code, 2);
}

TEST(ChartCli, Notes) {
  testing::TempFolder tmp;
  testing::WriteDatabase(tmp / "KelBirth.dll",
                         "CREATE TABLE Noter (Cid TEXT, Tite TEXT, content TEXT);"
                         "INSERT INTO Noter VALUES ('XM016',' 指南 ',' 甲' || char(10) || '乙 ');");
  auto r = RunCli({"--data", tmp.path().string(), "note", "XM016"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.lines(), (std::vector<std::string>{"指南", "甲", "乙"}));
  EXPECT_EQ(RunCli({"--data", tmp.path().string(), "note", "XM099"}).lines(), (std::vector<std::string>{"算命", ""}));
  testing::TempFolder empty;
  EXPECT_EQ(RunCli({"--data", empty.path().string(), "note", "XM016"}).exit_code, 1);
}

TEST(ChartCli, TheRealNotesOfTheWorkbench) {
  for (const char* key : {"XM016", "XM017"}) {
    auto r = RunCli({"note", key});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    ASSERT_GE(r.lines().size(), 2u);
    EXPECT_NE(r.lines()[0], "算命") << key;
  }
}

}  // namespace
}  // namespace mirevo
