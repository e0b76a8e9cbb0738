#include "app/core/gbk.h"

#include <gtest/gtest.h>

#include "app/core/report_file.h"
#include "tests/support/fixture_db.h"

#include <fstream>
#include <sstream>

namespace mirevo {
namespace {

TEST(Gbk, ConvertsBothWaysAndCountsTwoBytesPerCharacter) {
  Gbk zhang = Gbk::FromUtf8("张三");
  EXPECT_EQ(zhang.size(), 4u);
  EXPECT_EQ(zhang.bytes(), "\xD5\xC5\xC8\xFD");
  EXPECT_EQ(zhang.ToUtf8(), "张三");
  EXPECT_EQ(GBK("欧阳").ToUtf8(), "欧阳");
  EXPECT_EQ(Gbk::FromUtf8("abc").bytes(), "abc");
}

TEST(Gbk, RefusesCharactersOutsideGbk) {
  try {
    Gbk::FromUtf8("张😀");
    FAIL() << "no error";
  } catch (const GbkError& e) {
    EXPECT_EQ(e.offending(), "😀");
    EXPECT_NE(UnencodableMessage(e).ToUtf8().find("U+1F600"), std::string::npos);
  }
  // A character GBK does hold outside GB2312 converts.
  EXPECT_EQ(Gbk::FromUtf8("玥").size(), 2u);
}

TEST(Gbk, BrokenBytesBecomeReplacementCharacters) {
  // The first byte of 张 alone, as a byte cut may leave it.
  Gbk half = Gbk::FromUtf8("a张").Slice(1, 2);
  EXPECT_EQ(half.ToUtf8(), "a\xEF\xBF\xBD");
}

TEST(Gbk, SlicesAndPositionsAreOneBasedBytes) {
  Gbk t = Gbk::FromUtf8("子 23");
  EXPECT_EQ(t.Slice(4, 2).bytes(), "23");
  EXPECT_EQ(Gbk::FromUtf8("子 0").Slice(4, 2).Trimmed().bytes(), "0");
  EXPECT_EQ(t.Slice(10, 2).bytes(), "");
  EXPECT_EQ(t.Slice(0, 2).bytes(), "\xD7");  // position 0 counts as before the text
  EXPECT_EQ(Gbk::Ascii("16-9(95)").Pos(Gbk::Ascii("-")), 3u);
  EXPECT_EQ(Gbk::Ascii("abc").Pos(Gbk::Ascii("x")), 0u);
  EXPECT_EQ(Gbk::Ascii("abcabc").Pos(Gbk::Ascii("b"), 3), 5u);
  EXPECT_EQ(Gbk::Ascii("abc").From(2).bytes(), "bc");
}

TEST(Gbk, TrimsBlanksAndControlBytesOnly) {
  EXPECT_EQ(Gbk::Ascii(" \t x y \r\n").Trimmed().bytes(), "x y");
  Gbk chinese = Gbk::FromUtf8(" 金牛座 ");
  EXPECT_EQ(chinese.Trimmed(), GBK("金牛座"));
  EXPECT_EQ(Gbk::Ascii("   ").Trimmed().bytes(), "");
}

TEST(Gbk, PadsToByteWidths) {
  Gbk name = GBK("张伟明(95分)");
  ASSERT_EQ(name.size(), 12u);
  EXPECT_EQ(name.PaddedTo(16).size(), 16u);
  EXPECT_EQ(name.PaddedTo(16).bytes().substr(12), "    ");
  EXPECT_EQ(name.PaddedTo(8), name);
}

TEST(Gbk, ParsesWholeNumbersStrictly) {
  struct Case {
    const char* text;
    std::optional<int> value;
  } cases[] = {{"0", 0},      {"42", 42},     {"-7", -7},   {"+5", 5},    {"007", 7},
               {"", {}},      {"-", {}},      {" 1", {}},   {"1 ", {}},   {"abc", {}},
               {"1.5", {}},   {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
               {"2147483648", {}}, {"99999999999", {}}};
  for (const auto& c : cases) EXPECT_EQ(TryParseInt(std::string_view(c.text)), c.value) << c.text;
  EXPECT_THROW(ParseInt(Gbk::Ascii("abc")), ConversionError);
}

TEST(Gbk, WritesRealsInTheirShortestForm) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {{85, "85"}, {92.5, "92.5"}, {12.5, "12.5"}, {0, "0"}, {-1, "-1"},
               {1.2 + 0.9 + 1.5 + 0.6, "4.2"}, {4.199999999999999, "4.2"}, {5.0, "5"}, {100, "100"}};
  for (const auto& c : cases) EXPECT_EQ(FormatReal(c.value), c.text) << c.value;
}

TEST(Gbk, QuotesSqlTexts) {
  EXPECT_EQ(SqlQuoted(Gbk::Ascii("o'k")).bytes(), "'o''k'");
  EXPECT_EQ(SqlQuoted(Gbk::Ascii("")).bytes(), "''");
}

TEST(ReportFile, ProposedNamesWithForbiddenBytesBecomeAWildcard) {
  EXPECT_EQ(DialogFileName(GBK(" 张三 ")), GBK("张三"));
  EXPECT_EQ(DialogFileName(Gbk::Ascii("a/b")).bytes(), "*.txt");
  // 東 and 瑋 end in the byte 124 in GBK; 圽 ends in 92.
  for (const char* name : {"東", "瑋", "张東"}) {
    Gbk g = Gbk::FromUtf8(name);
    EXPECT_EQ(DialogFileName(g).bytes(), "*.txt") << name;
  }
  Gbk backslash_second = Gbk(std::string("\x81\x5C"));
  EXPECT_EQ(DialogFileName(backslash_second).bytes(), "*.txt");
  EXPECT_EQ(SavedFileName("张三"), "张三.txt");
  EXPECT_EQ(SavedFileName("张三.txt"), "张三.txt.txt");
}

TEST(ReportFile, WritesGbkWithCrLfAndReplacesWholeFiles) {
  testing::TempFolder tmp;
  auto file = tmp / "r.txt";
  testing::WriteFile(file, "old content that is longer than the new one\r\n");
  ASSERT_EQ(WriteReportFile(file, {GBK("综合评分: 84分"), Gbk(), Gbk::Ascii("end")}), "");
  std::ifstream in(file, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  EXPECT_EQ(s.str(), GBK("综合评分: 84分").bytes() + "\r\n\r\nend\r\n");
  EXPECT_FALSE(std::filesystem::exists(tmp / "r.txt.part"));
}

TEST(ReportFile, AFailedWriteSaysWhyAndLeavesNothing) {
  testing::TempFolder tmp;
  auto file = tmp / "no-such-folder" / "r.txt";
  EXPECT_NE(WriteReportFile(file, {Gbk::Ascii("x")}), "");
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_TRUE(IsBlankReport({Gbk::Ascii("  "), Gbk()}));
  EXPECT_FALSE(IsBlankReport({Gbk::Ascii(" x ")}));
}

}  // namespace
}  // namespace mirevo
