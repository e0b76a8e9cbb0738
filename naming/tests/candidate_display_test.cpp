#include "naming/core/candidate_display.h"

#include <gtest/gtest.h>

namespace mirevo {
namespace {

Gbk G(const char* utf8) { return Gbk::FromUtf8(utf8); }

TEST(IsHighScore, ThresholdAndTheHundredRule) {
  struct Case {
    const char* name;
    const char* threshold;
    std::optional<bool> high;
  };
  const Case cases[] = {
      {"张伟明(75分)", "75", true},
      {"张伟明(75分)", "76", false},
      {"张伟明(75分)", " 74 ", true},
      {"张伟明(100分)", "999", true},
      {"张伟明(100分)", "abc", true},  // 100 is picked without reading the threshold
      {"欧阳明(90分)", "90", true},
      {"张伟明(75分)", "", std::nullopt},
      {"张伟明(75分)", "7x", std::nullopt},
      {"张伟明(9分)", "75", std::nullopt},  // a one-digit score reads half a character
      {"张伟明", "75", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(IsHighScore(G(c.name), G(c.threshold)), c.high) << c.name << " " << c.threshold;
}

TEST(PaddedForPane, TenToFifteenBytesBecomeSixteen) {
  struct Case {
    const char* name;
    std::size_t bytes;
    std::size_t shown;
  };
  const Case cases[] = {
      {"张伟(9分)", 9, 9},             // shorter names stay
      {"张伟(75分)", 10, 16},
      {"张伟明(75分)", 12, 16},        // one-character surname, two-character name
      {"欧阳伟明(75分)", 14, 16},
      {"欧阳伟明(100分)", 15, 16},
      {"欧阳伟明明(10分)", 16, 16},
      {"欧阳伟明明(100分)", 17, 17},   // longer names stay
  };
  for (const Case& c : cases) {
    const Gbk name = G(c.name);
    ASSERT_EQ(name.size(), c.bytes) << c.name;
    const Gbk shown = PaddedForPane(name);
    EXPECT_EQ(shown.size(), c.shown) << c.name;
    EXPECT_EQ(shown.Left(c.bytes), name);
    EXPECT_EQ(shown.Trimmed(), name);
  }
  EXPECT_EQ(PaddedForPane(G("张伟明(75分)")), G("张伟明(75分)    "));
}

TEST(CandidateDisplay, RowsOfSevenAndTheLastRowAtTheEnd) {
  CandidateDisplay d;
  d.StartRun();
  const Picking pick{true, G("80")};
  for (int i = 0; i < 15; ++i) ASSERT_TRUE(d.Show(G(i % 2 ? " 张伟明(85分) " : "张伟(75分)"), pick));
  std::vector<Gbk> lines = d.TakePaneLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].size(), 7u * 16);
  EXPECT_EQ(lines[0].Left(32), G("张伟(75分)      张伟明(85分)    "));
  EXPECT_TRUE(d.TakePaneLines().empty());  // taken once
  d.FinishRun();
  lines = d.TakePaneLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], G("张伟(75分)      "));
  // Names are listed trimmed, as fetched, in order.
  const std::vector<Gbk> high = d.TakeHighScores();
  ASSERT_EQ(high.size(), 7u);
  EXPECT_EQ(high[0], G("张伟明(85分)"));
  EXPECT_EQ(d.shown(), 15);
  EXPECT_EQ(d.picked(), 7);
  // A full last row leaves nothing to finish.
  d.StartRun();
  for (int i = 0; i < 7; ++i) d.Show(G("张伟(75分)"), pick);
  d.FinishRun();
  EXPECT_EQ(d.TakePaneLines().size(), 1u);
  EXPECT_EQ(d.shown(), 7);
}

TEST(CandidateDisplay, NoPickingLeavesTheListEmpty) {
  CandidateDisplay d;
  d.StartRun();
  // With picking off neither the score nor the threshold is read.
  for (const char* name : {"张伟(100分)", "张伟(9分)", "张伟(75分)"}) EXPECT_TRUE(d.Show(G(name), {false, G("x")}));
  EXPECT_TRUE(d.TakeHighScores().empty());
  d.FinishRun();
  EXPECT_EQ(d.TakePaneLines().size(), 1u);
}

TEST(CandidateDisplay, AnUnreadableScoreDropsTheName) {
  CandidateDisplay d;
  d.StartRun();
  EXPECT_TRUE(d.Show(G("张伟(75分)"), {true, G("75")}));
  EXPECT_FALSE(d.Show(G("张伟(9分)"), {true, G("75")}));
  EXPECT_FALSE(d.Show(G("张伟(80分)"), {true, G("")}));
  d.FinishRun();
  EXPECT_EQ(d.shown(), 1);
  EXPECT_EQ(d.TakePaneLines(), (std::vector<Gbk>{G("张伟(75分)      ")}));
  EXPECT_EQ(d.TakeHighScores(), (std::vector<Gbk>{G("张伟(75分)")}));
  // The next run starts empty.
  d.StartRun();
  d.FinishRun();
  EXPECT_TRUE(d.TakePaneLines().empty());
  EXPECT_EQ(d.shown(), 0);
}

TEST(GivenNameOf, CutAfterTheSurnamesBytes) {
  struct Case {
    const char* listed;
    const char* surname;
    const char* given;
  };
  const Case cases[] = {
      {"欧阳明(90分)", "欧阳", "明"},
      {"张伟明(95分)", "张", "伟明"},
      {"张伟明(95分)", "", "张伟明"},
      {"张伟明(95分)", "欧阳", "明"},       // the current surname decides, as typed
      {"张伟明(95分)", "a", "伟明"},         // never half a character
      {"张伟明", "张", ""},                  // without "(" there is no full name
      {"张 伟 (95分)", "张", "伟"},
      {"张一二三四五六七八九十壹(95分)", "张", "一二三四五六七八九十"},  // at most 20 bytes
  };
  for (const Case& c : cases) EXPECT_EQ(GivenNameOf(G(c.listed), G(c.surname)).ToUtf8(), c.given) << c.listed;
}

}  // namespace
}  // namespace mirevo
