#include "chart/core/personality.h"

#include <array>

#include "chart/core/chart_lines.h"

namespace mirevo {
namespace {

struct BirthdayEntry {
  int key;
  const char* utf8;
};

// Keys 1–31 are the day-of-month texts, m × 100 + d the day-of-year texts.
constexpr BirthdayEntry kBirthdayTexts[] = {
#include "chart/birthday_texts.inc"
};

constexpr int kTableSize = 2001;

const std::array<Gbk, kTableSize>& PersonalityTable() {
  static const std::array<Gbk, kTableSize> table = [] {
    std::array<Gbk, kTableSize> t;
    for (const BirthdayEntry& text : kBirthdayTexts) t[text.key] = Gbk::FromUtf8(text.utf8);
    return t;
  }();
  return table;
}

}  // namespace

Gbk BirthdayText(int key) { return key >= 0 && key < kTableSize ? PersonalityTable()[key] : Gbk(); }

Gbk BirthdayPersonality(int month, int day) {
  if (day < 1 || day > 31 || month < 1 || month > 12) return Gbk();
  return BirthdayText(day) + BirthdayText(month * 100 + day);
}

ReportLines PersonalitySection(const Gbk& sketch) {
  return {ChartSeparatorLine(), Gbk(), GBK("性格简评："), Gbk::Ascii("    ") + sketch, Gbk()};
}

}  // namespace mirevo
