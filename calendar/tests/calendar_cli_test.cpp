#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/tests/cli_runner.h"

namespace mirevo {
namespace {

using testing::RunCli;
using Lines = std::vector<std::string>;

TEST(CalendarCli, LunarPrintsTheLunarDateAndItsText) {
  auto r = RunCli({"lunar", "1981-02-04", "2020-05-23", "1984-2-2", "1900-01-30", "2101-01-01"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.lines(), (Lines{"1981-02-04\t1980\t12\t30\t0\t庚申(猴年)十二月三十",
                              "2020-05-23\t2020\t4\t1\t1\t庚子(鼠年)闰四月初一",
                              "1984-02-02\t1984\t1\t1\t0\t甲子(鼠年)一月初一",
                              "1900-01-30\t0\t0\t0\t0\t", "2101-01-01\t0\t0\t0\t0\t"}));
}

TEST(CalendarCli, GregorianConvertsOrGivesTheFirstDayOfYearOne) {
  struct Case {
    Lines args;
    std::string out;
  };
  for (const Case& c : {Case{{"gregorian", "2099", "12", "30"}, "2100-02-08"},
                        Case{{"gregorian", "1987", "6", "1", "--leap"}, "1987-07-26"},
                        Case{{"gregorian", "1987", "6", "1"}, "1987-06-26"},
                        Case{{"gregorian", "1987", "7", "1", "--leap"}, "0001-01-01"},
                        Case{{"gregorian", "1900", "1", "1"}, "0001-01-01"},
                        Case{{"gregorian", "2000", "0", "1"}, "0001-01-01"}}) {
    auto r = RunCli(c.args);
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.lines(), Lines{c.out}) << c.args[1];
  }
}

TEST(CalendarCli, TermsByTheFormulaAndByTheCalendarTable) {
  auto r = RunCli({"terms", "2024"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  auto lines = r.lines();
  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines[2], "2\t立春\t2024-02-04 14:39:01");
  EXPECT_EQ(lines[23].substr(0, 21), "23\t冬至\t2024-12-21 ");

  r = RunCli({"terms", "1995", "--table"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  lines = r.lines();
  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines[0], "1\t小寒\t1995-01-06");
  EXPECT_EQ(lines[15], "16\t处暑\t1995-08-21");
  EXPECT_EQ(RunCli({"terms", "1995"}).lines()[15].substr(0, 20), "15\t处暑\t1995-08-23");
}

TEST(CalendarCli, SignsPrintsBothConstellationsAndTheAnimal) {
  auto r = RunCli({"signs", "1984-02-01", "2024-04-20", "2024-04-21", "2024-10-23"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.lines(), (Lines{"1984-02-01\t水瓶座\t水瓶座\t猪", "2024-04-20\t白羊座\t金牛座\t龙",
                              "2024-04-21\t金牛座 \t金牛座\t龙", "2024-10-23\t天蝎座\t天秤座\t龙"}));
}

TEST(CalendarCli, CalendarPrintsLabelConstellationAndOneLineADay) {
  auto r = RunCli({"calendar", "2024", "2", "--day", "31"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  auto lines = r.lines();
  ASSERT_EQ(lines.size(), 2u + 29u);
  EXPECT_EQ(lines[0], "辰龙");
  EXPECT_EQ(lines[1], "双鱼座");  // of 29 February, the day 31 comes to
  EXPECT_EQ(lines[2], "1\t5\t廿二\tday");
  EXPECT_EQ(lines[2 + 3], "4\t8\t立春\tterm");
  EXPECT_EQ(lines[2 + 8], "9\t13\t除夕\tfestival");
  EXPECT_EQ(lines[2 + 9], "10\t14\t春节\tfestival");
  EXPECT_EQ(lines[2 + 28], "29\t33\t二十\tday");

  r = RunCli({"calendar", "2020", "5"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  lines = r.lines();
  ASSERT_EQ(lines.size(), 2u + 31u);
  EXPECT_EQ(lines[0], "子鼠");
  EXPECT_EQ(lines[1], "金牛座");  // of 1 May
  EXPECT_EQ(lines[2 + 9], "10\t15\t母亲节\tfestival");
  EXPECT_EQ(lines[2 + 22], "23\t28\t闰四\tmonth");
  EXPECT_EQ(RunCli({"calendar", "2020", "8"}).lines().back(), "31\t37\t十三\tday");
}

TEST(CalendarCli, BadDatesAndYearsAreInputErrors) {
  for (const Lines& args : {Lines{"lunar", "2024-02-30"}, Lines{"lunar", "yesterday"}, Lines{"signs", "2024/01/01"},
                            Lines{"terms", "1900", "--table"}, Lines{"terms", "2051", "--table"},
                            Lines{"terms", "0"}, Lines{"calendar", "1900", "12"}, Lines{"calendar", "2051", "1"},
                            Lines{"calendar", "2024", "13"}, Lines{"calendar", "2024", "1", "--day", "0"},
                            Lines{"calendar", "2024", "1", "--day", "32"}}) {
    auto r = RunCli(args);
    EXPECT_EQ(r.exit_code, 1) << args[0] << " " << args[1];
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(r.err.empty());
  }
}

TEST(CalendarCli, BadUsageExitsTwo) {
  for (const Lines& args : {Lines{"lunar"}, Lines{"signs"}, Lines{"gregorian", "2000", "1"},
                            Lines{"gregorian", "2000", "x", "1"}, Lines{"terms"}, Lines{"terms", "abc"},
                            Lines{"terms", "2024", "--leap"}, Lines{"calendar", "2024"},
                            Lines{"calendar", "2024", "1", "--day"}, Lines{"calendar", "2024", "1", "--day", "x"}}) {
    auto r = RunCli(args);
    EXPECT_EQ(r.exit_code, 2) << args[0];
    EXPECT_NE(r.err.find("usage"), std::string::npos);
  }
}

}  // namespace
}  // namespace mirevo
