#include "calendar/core/date_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace mirevo {
namespace {

std::string Utf8(const Gbk& g) { return g.ToUtf8(); }

TEST(CycleYearText, StemBranchAndAnimalInTenBytes) {
  struct Case {
    int n;
    const char* text;
  };
  for (const Case& c : {Case{0, "甲子(鼠年)"}, Case{59, "癸亥(猪年)"}, Case{60, "甲子(鼠年)"},
                        Case{116, "庚申(猴年)"}, Case{160, "甲辰(龙年)"}, Case{36, "庚子(鼠年)"},
                        Case{236, "庚申(猴年)"}, Case{1, "乙丑(牛年)"}}) {
    const Gbk text = CycleYearText(c.n);
    EXPECT_EQ(Utf8(text), c.text) << c.n;
    ASSERT_EQ(text.size(), 10u) << c.n;
    // The analysis window takes the animal from bytes 6–7.
    EXPECT_EQ(text.Slice(6, 2), AnimalText(c.n % 12)) << c.n;
    EXPECT_EQ(text.Slice(5, 1).bytes(), "(");
    EXPECT_EQ(text.Slice(10, 1).bytes(), ")");
  }
}

TEST(CycleYearText, ANegativeIndexGivesNoText) {
  EXPECT_EQ(CycleYearText(-1), Gbk());
  EXPECT_EQ(CycleYearText(-1864), Gbk());
}

TEST(LunarMonthText, NumeralsWithLeapAndMonthAffixes) {
  struct Case {
    int month;
    bool leap;
    const char* text;
  };
  for (const Case& c : {Case{1, false, "一月"}, Case{4, true, "闰四月"}, Case{10, false, "十月"},
                        Case{11, false, "十一月"}, Case{12, false, "十二月"}, Case{12, true, "闰十二月"},
                        Case{0, false, "月"}, Case{13, false, "月"}, Case{0, true, "闰月"}, Case{-2, false, "月"}})
    EXPECT_EQ(Utf8(LunarMonthText(c.month, c.leap)), c.text) << c.month;
}

TEST(LunarDayText, EveryDayOfAMonthAndNothingElse) {
  const char* const days[] = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
                              "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
                              "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
  for (int d = 1; d <= 30; ++d) EXPECT_EQ(Utf8(LunarDayText(d)), days[d - 1]) << d;
  for (int d : {0, 31, -1, 100}) EXPECT_EQ(LunarDayText(d), Gbk()) << d;
}

TEST(FixedTexts, OneCharacterEachAndNothingOutsideTheTables) {
  EXPECT_EQ(Utf8(StemText(0) + StemText(9)), "甲癸");
  EXPECT_EQ(Utf8(BranchText(0) + BranchText(11)), "子亥");
  EXPECT_EQ(Utf8(AnimalText(4) + AnimalText(11)), "龙猪");
  EXPECT_EQ(Utf8(NumeralText(1) + NumeralText(10)), "一十");
  for (int i = 0; i < 12; ++i) EXPECT_EQ(BranchText(i).size(), 2u);
  EXPECT_EQ(StemText(10), Gbk());
  EXPECT_EQ(BranchText(-1), Gbk());
  EXPECT_EQ(NumeralText(0), Gbk());
  EXPECT_EQ(NumeralText(11), Gbk());
}

}  // namespace
}  // namespace mirevo
