#include "chart/core/personality.h"

#include <gtest/gtest.h>

#include "chart/tests/chart_fixture.h"

namespace mirevo {
namespace {

using testing::U;

const char* kText1 =
    "是一个有野心并具有大丈夫性格的人,不喜欢受人指使,非常顽固,坚定依照自己的意愿行事. "
    "具有领导能力,容易获得成功,很容易得到别人的信任.";
const char* kText31 =
    "是一个严肃的人,给人一个孤高的印象,但内心是热情的,可惜不愿表达出来.做事认真,负责, "
    "只要能好好的与人合作,必能获得成功.";
const char* kText101 =
    "脑筋清楚、果断、亲爱、具迷人的人格，有时有点暴躁和顽固，体质纤弱，不可身心过劳，经验会带来新的启迪，"
    "一生颇多波折，容易受骗， 应该努力学习人生较深的一面。";
const char* kText229 =
    "具悦人而彬彬有礼之气质和机警直觉的脑子，必须经常检讨自己那种不顾後果，想主宰别人和当领导人物的倾向。"
    "勤劳而自立，具很大的野心和果决力。 ";
const char* kText1231 =
    "具进步、果断和慷慨大方的天性。成功靠自己努力。巧于细节，做这方 面的事业或职业会非常成功。"
    "必须要有爱和了解的滋润，否则会形成自私和现实的个性。";

TEST(Personality, TheTellingTextsStandAsTheyAre) {
  EXPECT_EQ(U(BirthdayPersonality(1, 1)), std::string(kText1) + kText101);
  EXPECT_EQ(U(BirthdayPersonality(1, 31)), kText31);  // January has no text for its 31st
  EXPECT_EQ(U(BirthdayPersonality(12, 31)), std::string(kText31) + kText1231);
  const std::string feb29 = U(BirthdayPersonality(2, 29));
  EXPECT_TRUE(feb29.ends_with(kText229)) << feb29;  // with its trailing blank
  EXPECT_GT(feb29.size(), std::string(kText229).size());
}

TEST(Personality, EveryDayOfTheYearHasItsTwoTexts) {
  const int days[13] = {0, 30, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};  // January: to the 30th
  int texts = 0;
  for (int key = 0; key <= 2000; ++key) {
    const Gbk text = BirthdayText(key);
    const int m = key / 100, d = key % 100;
    const bool listed = (key >= 1 && key <= 31) || (m >= 1 && m <= 12 && d >= 1 && d <= days[m]);
    EXPECT_EQ(!text.empty(), listed) << key;
    if (text.empty()) continue;
    ++texts;
    EXPECT_GE(text.size(), 63u) << key;
    EXPECT_LE(text.size(), 244u) << key;
    // Day-of-month texts use ASCII punctuation, day-of-year texts full-width.
    const bool full_width = text.Contains(Gbk::FromUtf8("，")) || text.Contains(Gbk::FromUtf8("。"));
    EXPECT_EQ(full_width, key > 31) << key;
  }
  EXPECT_EQ(texts, 396);
  EXPECT_EQ(BirthdayPersonality(2, 28), BirthdayText(28) + BirthdayText(228));
  EXPECT_EQ(BirthdayPersonality(13, 1), Gbk());
  EXPECT_EQ(BirthdayPersonality(1, 0), Gbk());
}

TEST(Personality, TheSectionOfTheChart) {
  const ReportLines lines = PersonalitySection(Gbk::FromUtf8("温和。 "));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(U(lines[0]), "<-----------------------批八字内容分隔线----------------------------->");
  EXPECT_EQ(lines[1], Gbk());
  EXPECT_EQ(U(lines[2]), "性格简评：");
  EXPECT_EQ(U(lines[3]), "    温和。 ");
  EXPECT_EQ(lines[4], Gbk());
}

}  // namespace
}  // namespace mirevo
