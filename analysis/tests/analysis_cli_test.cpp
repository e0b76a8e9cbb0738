// mirevo-cli analyse, run as a user runs it.
#include <gtest/gtest.h>

#include "analysis/tests/analysis_fixture.h"
#include "cli/tests/cli_runner.h"

namespace mirevo {
namespace {

using testing::RunCli;

class AnalyseCommand : public ::testing::Test {
 protected:
  void SetUp() override { testing::WriteAnalysisDatabases(tmp_.path()); }
  testing::CliResult Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", tmp_.path().string(), "analyse"});
    return RunCli(args);
  }
  testing::TempFolder tmp_;
};

TEST_F(AnalyseCommand, PrintsThePaneAsTheWindowShowsIt) {
  const auto r = Run({"--surname", "李", "--given", "家乐", "--year", "1981", "--month", "02", "--day", "04", "--hour",
                      "亥 22", "--minute", "05", "--today", "2010-06-01"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const std::vector<std::string> lines = r.lines();
  ASSERT_EQ(lines.size(), 40u);
  EXPECT_EQ(lines[0], "李家乐,您今年:29岁");
  EXPECT_EQ(lines[1], "您出生公历: 1981年02月04日22点05分");
  EXPECT_EQ(lines[2], "农历:庚申(猴年)十二月三十");
  EXPECT_EQ(lines[3], "生肖:猴");
  EXPECT_EQ(lines[4], "星座:水瓶座");
  EXPECT_EQ(lines[5], "综合评分: 84分");
  EXPECT_EQ(lines[18], "【三才数理分析】：您的姓名三才配置为：金金土。它具有如下数理诱导力，据此会对人生产生一定的影响。");
  EXPECT_EQ(lines[37], "【系统综合评分】: 84分");
  EXPECT_EQ(lines[38], "");
  EXPECT_EQ(r.err, "");
}

TEST_F(AnalyseCommand, TheWindowsDefaults) {
  const auto r = Run({"--surname", "王", "--given", "明", "--today", "2024-03-01"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const std::vector<std::string> lines = r.lines();
  EXPECT_EQ(lines[0], "王明,您今年:44岁");
  EXPECT_EQ(lines[1], "您出生公历: 1980年01月01日0点0分");
  EXPECT_EQ(lines[5], "综合评分: 77分");  // the stored score
  const auto lunar = Run({"--surname", "王", "--given", "明", "--lunar", "--year", "1980", "--month", "12", "--day",
                          "30", "--today", "2024-03-01"});
  ASSERT_EQ(lunar.exit_code, 0) << lunar.err;
  EXPECT_EQ(lunar.lines()[1], "您出生公历: 1981年02月04日0点0分");
}

TEST_F(AnalyseCommand, AFailedCheckPrintsItsMessage) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--given", "明"}, "姓不能为空!"},
      {{"--surname", "王"}, "名不能为空!"},
      {{"--surname", "王", "--given", "明", "--hour", ""}, "请选择出生小时!"},
      {{"--surname", "王", "--given", "明", "--year", "1900", "--month", "1", "--day", "30"}, "没有对应的农历日期"},
      {{"--surname", "王", "--given", "明", "--lunar", "--day", "x"}, "农历的出生年、月、日请填数字!"},
      {{"--surname", "王😀", "--given", "明"}, "U+1F600"},
  };
  for (const auto& [args, message] : cases) {
    const auto r = Run(args);
    EXPECT_EQ(r.exit_code, 1) << message;
    EXPECT_EQ(r.out, "") << message;
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
  }
}

TEST_F(AnalyseCommand, AFailingReadingTableEndsWithItsError) {
  testing::WriteDatabase(tmp_ / "KelFile.dll", testing::AnalysisTextsSql() + "DROP TABLE sancai2009;");
  const auto r = Run({"--surname", "李", "--given", "家乐"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.lines().size(), 5u + 12u);
  EXPECT_NE(r.err.find("sancai2009"), std::string::npos) << r.err;
}

TEST_F(AnalyseCommand, BadUsageExitsTwo) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--surname", "王", "--given", "明", "--sex", "x"},
           {"--surname", "王", "--given", "明", "--today", "tomorrow"},
           {"王", "明"},
           {"--surname"}}) {
    const auto r = Run(args);
    EXPECT_EQ(r.exit_code, 2) << r.err;
  }
}

}  // namespace
}  // namespace mirevo
