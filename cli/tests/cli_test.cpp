#include <gtest/gtest.h>

#include "app/core/gbk.h"
#include "cli/tests/cli_runner.h"
#include "data/tests/dictionary_fixture.h"
#include "tests/support/fixture_db.h"

namespace mirevo {
namespace {

using testing::RunCli;

class Cli : public ::testing::Test {
 protected:
  void SetUp() override { testing::WriteDatabase(tmp_ / "Dazezed.dll", testing::DictionaryFixtureSql()); }
  std::string data() const { return tmp_.path().string(); }
  testing::TempFolder tmp_;
};

TEST_F(Cli, StrokesPrintsOneLinePerCharacter) {
  auto r = RunCli({"--data", data(), "strokes", "张三", "龍"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.lines(), (std::vector<std::string>{"张\t11\t火", "三\t3\t金", "龍\t0\t"}));
}

TEST_F(Cli, GbkOutput) {
  auto r = RunCli({"--gbk", "--data", data(), "strokes", "张"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out, GBK("张").bytes() + "\t11\t" + GBK("火").bytes() + "\n");
}

TEST_F(Cli, TextOutsideGbkIsAnInputError) {
  auto r = RunCli({"--data", data(), "strokes", "张😀"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("U+1F600"), std::string::npos) << r.err;
}

TEST_F(Cli, BadUsageExitsTwo) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {"nonsense"}, {"--data"}, {"--data", data(), "strokes"},
        {"--data", data(), "strokes", "--what", "x"}}) {
    auto r = RunCli(args);
    EXPECT_EQ(r.exit_code, 2) << (args.empty() ? "" : args.back());
    EXPECT_NE(r.err.find("usage"), std::string::npos);
  }
}

TEST_F(Cli, AMissingDatabaseGivesZeroStrokes) {
  testing::TempFolder empty;
  auto r = RunCli({"--data", empty.path().string(), "strokes", "张"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.lines(), (std::vector<std::string>{"张\t0\t"}));
}

TEST(CliRealData, CommonSurnamesHaveTheirStrokeCounts) {
  auto r = RunCli({"strokes", "张王李陈刘"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  auto lines = r.lines();
  ASSERT_EQ(lines.size(), 5u);
  const char* expected[] = {"张\t11\t", "王\t4\t", "李\t7\t", "陈\t16\t", "刘\t15\t"};
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(lines[i].starts_with(expected[i])) << lines[i];
}

}  // namespace
}  // namespace mirevo
