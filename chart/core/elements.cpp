#include "chart/core/elements.h"

#include "chart/core/tgcode_text.h"

namespace mirevo {
namespace {

// Where the eight elements stand in a row whose every lookup answered.
constexpr std::size_t kSlots[8] = {1, 3, 8, 10, 15, 17, 22, 24};

// Season character and phrase of a Gregorian birth month.
struct Season {
  Gbk character;
  Gbk phrase;
};
Season SeasonOf(int month) {
  static const Season seasons[4] = {{Gbk::FromUtf8("春"), Gbk::FromUtf8("生于春季，")},
                                    {Gbk::FromUtf8("夏"), Gbk::FromUtf8("生于夏季，")},
                                    {Gbk::FromUtf8("秋"), Gbk::FromUtf8("生于秋季，")},
                                    {Gbk::FromUtf8("冬"), Gbk::FromUtf8("生于冬季，")}};
  return seasons[(month - 1) / 3 % 4];
}

// Whether a text of two-byte characters holds `character` (compared character by
// character, never across a character boundary).
bool HoldsCharacter(const Gbk& text, const Gbk& character) {
  for (std::size_t pos = 1; pos <= text.size(); pos += 2)
    if (text.Slice(pos, 2) == character) return true;
  return false;
}

}  // namespace

const std::array<Gbk, 5>& FiveElements() {
  static const std::array<Gbk, 5> elements = {Gbk::FromUtf8("金"), Gbk::FromUtf8("木"), Gbk::FromUtf8("水"),
                                              Gbk::FromUtf8("火"), Gbk::FromUtf8("土")};
  return elements;
}

Gbk ElementOfCharacter(const Gbk& character) {
  return TgcodeText(Gbk::Ascii("select wh from hzwh where hz like ") +
                    SqlQuoted(Gbk::Ascii("%") + character.Trimmed() + Gbk::Ascii("%")) + Gbk::Ascii(" limit 1"));
}

Gbk SeasonUseReading(const Gbk& element, const Gbk& season) {
  return TgcodeText(Gbk::Ascii("select sjrs from sjrs where wh = ") + SqlQuoted(element) + Gbk::Ascii(" and sj = ") +
                    SqlQuoted(season) + Gbk::Ascii(" limit 1"));
}

Gbk ClimateUseReading(const Gbk& day_stem, const Gbk& month_branch) {
  return TgcodeText(Gbk::Ascii("select content from qtbj where tg = ") + SqlQuoted(day_stem) +
                    Gbk::Ascii(" and dz = ") + SqlQuoted(month_branch) + Gbk::Ascii(" limit 1"));
}

Gbk RemedyText(const Gbk& element) {
  return TgcodeText(Gbk::Ascii("select bujiu from Houtian where wuxing = ") + SqlQuoted(element) +
                    Gbk::Ascii(" limit 1"));
}

Gbk ElementRow(const ChartData& chart) {
  Gbk row;
  for (int i = 0; i < 8; i += 2) {
    if (i > 0) row += Gbk::Ascii("   ");
    row += ElementOfCharacter(chart.texts[i]) + ElementOfCharacter(chart.texts[i + 1]);
  }
  return row;
}

ElementCount ElementTally(const Gbk& element_row) {
  const auto& elements = FiveElements();
  int counts[5] = {};
  for (std::size_t slot : kSlots) {
    const Gbk piece = element_row.Slice(slot, 2);
    for (int e = 0; e < 5; ++e)
      if (piece == elements[e]) ++counts[e];
  }
  ElementCount out;
  // The smallest count is at most 1 with eight slots; the loop stops at the first
  // count any element has.
  for (int wanted = 0; wanted <= 4 && out.weak.empty(); ++wanted)
    for (int e = 0; e < 5; ++e)
      if (counts[e] == wanted) out.weak += elements[e];
  for (int e = 0; e < 5; ++e) {
    if (e > 0) out.tally += Gbk::Ascii(", ");
    out.tally += elements[e] + GBK(":占") + Gbk::Number(counts[e]) + GBK("个 ") + RealText(counts[e] / 8.0 * 100);
  }
  out.tally += Gbk::Ascii(".");
  return out;
}

Gbk ElementLine(const Gbk& element_row) { return GBK("五行：") + element_row; }

ReportLines ReadingsBlock(const ChartData& chart, const ElementCount& count) {
  const Gbk& day_stem = chart.day_stem();
  const Gbk& month_branch = chart.texts[3];
  const Gbk day_element = ElementOfCharacter(day_stem);
  const Season season = SeasonOf(chart.month);
  return {
      GBK("四季用神：日主天干") + day_element + season.phrase + SeasonUseReading(day_element, season.character) +
          GBK("。"),
      GBK("穷通宝鉴调候用神：") + day_stem + day_element + GBK("生于") + month_branch + GBK("月，") +
          ClimateUseReading(day_stem, month_branch),
      GBK("八字五行个数：") + count.tally,
      GBK("喜用神：") + count.weak + GBK("，建议你名字五行带：") + count.weak + GBK("最佳。"),
  };
}

ReportLines RemedyBlock(const Gbk& weak_elements) {
  ReportLines lines = {GBK("其他补充说明：")};
  for (const Gbk& element : FiveElements())
    if (HoldsCharacter(weak_elements, element)) lines.push_back(RemedyText(element));
  lines.push_back(Gbk());
  return lines;
}

}  // namespace mirevo
