#include "chart/core/chart_report.h"

#include <cstdio>
#include <string>

#include "calendar/core/date_texts.h"
#include "calendar/core/lunar.h"
#include "calendar/core/signs.h"
#include "chart/core/annotations.h"
#include "chart/core/bone_weight.h"
#include "chart/core/chart_lines.h"
#include "chart/core/elements.h"
#include "chart/core/luck.h"
#include "chart/core/personality.h"
#include "chart/core/pillars.h"
#include "data/core/refdb.h"

namespace mirevo {
namespace {

constexpr int kJiaziYear = 1864;

// The birth inputs once every check has passed.
struct Birth {
  Gbk surname;
  CivilDate date;  // Gregorian
  int hour = 0, minute = 0;
  Gbk minute_text;  // as the picker shows it
  Gbk sex;
  LunarDate lunar;
};

ChartReport Refused(const Gbk& message, bool focus_surname = false) {
  ChartReport r;
  r.outcome = ChartReport::kRefused;
  r.message = message;
  r.focus_surname = focus_surname;
  return r;
}

ChartReport NotConvertible(const std::string& quoted_utf8, const char* what) {
  ChartReport r;
  r.outcome = ChartReport::kConversionError;
  r.message = Gbk::FromUtf8("“" + quoted_utf8 + "”" + what);
  return r;
}

std::string TwoDigits(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", n);
  return buf;
}

// The Gregorian birth date of the pickers' texts: Y-M-D as they stand, or the
// lunar date of those three numbers (never a leap month) converted.
std::optional<ChartReport> ReadBirthDate(const BirthMoment& b, CivilDate& date) {
  const Gbk y = b.year.Trimmed(), m = b.month.Trimmed(), d = b.day.Trimmed();
  if (b.calendar_index == 0) {
    const std::string text = y.bytes() + "-" + m.bytes() + "-" + d.bytes();
    const std::optional<DateValue> value = ParseShortDate(text);
    if (!value) return NotConvertible(Gbk(text).ToUtf8(), "不是有效的日期");
    date = DecodeDate(*value);
    return std::nullopt;
  }
  const std::optional<int> ly = TryParseInt(y), lm = TryParseInt(m), ld = TryParseInt(d);
  for (const auto& [value, text] : {std::pair{ly, y}, std::pair{lm, m}, std::pair{ld, d}})
    if (!value) return NotConvertible(text.ToUtf8(), "不是有效的整数");
  const LunarDate lunar{*ly, *lm, *ld, 0};
  if (*lm < 1 || *ld < 1 || !IsValidLunarDate(lunar)) return Refused(GBK("农历没有这一天，请检查出生日期!"));
  date = DecodeDate(LunarToGregorian(lunar));
  return std::nullopt;
}

// Every check of the inputs, in the order the user sees them on the workbench.
std::optional<ChartReport> CheckInputs(const ChartRequest& request, Birth& birth) {
  const BirthMoment& b = request.birth;
  if (request.surname.Trimmed().empty()) return Refused(GBK("姓不能为空!"), /*focus_surname=*/true);
  if (b.year.Trimmed().empty()) return Refused(GBK("请选择出生年!"));
  if (b.month.Trimmed().empty()) return Refused(GBK("请选择出生月!"));
  if (b.day.Trimmed().empty()) return Refused(GBK("请选择出生日!"));
  if (b.hour_item.Trimmed().empty()) return Refused(GBK("请选择出生小时!"));
  if (auto failed = ReadBirthDate(b, birth.date)) return failed;

  // Hour and minute are read before anything is printed, so that a typed entry
  // that is no time leaves the previous chart in place rather than half a chart.
  const std::optional<int> hour = TryParseInt(HourOfItem(b.hour_item));
  if (!hour || *hour < 0 || *hour > 23) return NotConvertible(b.hour_item.ToUtf8(), "不是有效的出生时辰");
  const std::optional<int> minute = TryParseInt(b.minute.Trimmed());
  if (!minute || *minute < 0 || *minute > 59) return NotConvertible(b.minute.ToUtf8(), "不是有效的出生分钟");

  // The chart needs the lunar date (year texts, ages, bone weight): a birth
  // outside the lunar calendar has none and is refused.
  birth.lunar = GregorianToLunar(EncodeDate(birth.date));
  if (birth.lunar.IsNone()) return Refused(GBK("出生日期须在1900年1月31日至2100年12月31日之间!"));

  birth.surname = request.surname.Trimmed();
  birth.hour = *hour;
  birth.minute = *minute;
  birth.minute_text = b.minute;
  birth.sex = b.sex.Trimmed();
  return std::nullopt;
}

ReportLines HeaderLines(const Birth& b, const CivilDate& today) {
  const LunarDate& l = b.lunar;
  const Gbk lunar_text = CycleYearText(l.year - kJiaziYear) + LunarMonthText(l.month, l.leap != 0) + LunarDayText(l.day);
  return {
      GBK("姓氏：") + b.surname,
      GBK("年龄：") + Gbk::Number(today.year - b.date.year) + GBK("岁"),
      GBK("您出生公历：") + Gbk::Number(b.date.year) + GBK("年") + Gbk::Ascii(TwoDigits(b.date.month)) + GBK("月") +
          Gbk::Ascii(TwoDigits(b.date.day)) + GBK("日") + Gbk::Number(b.hour) + GBK("点") + b.minute_text + GBK("分"),
      GBK("农历：") + lunar_text,
      GBK("属相：") + ZodiacAnimalOf(l.year),
      GBK("星座：") + ConstellationOf(EncodeDate(b.date)),
      ChartSeparatorLine(),
  };
}

// The rows of the hidden stems: row 1 the main stems, rows 2 and 3 the second
// and third stems, a column without one left blank at its width.
ReportLines HiddenStemRows(const ChartData& c) {
  ReportLines rows;
  for (std::size_t k = 0; k < 3; ++k) {
    Gbk row = k == 0 ? GBK("遁藏：") : Gbk::Ascii("      ");
    for (std::size_t col = 0; col < 4; ++col) {
      const Gbk stem = c.hidden_stems[col].Slice(2 * k + 1, 2);
      if (k == 0) {
        row += (col > 0 ? Gbk::Ascii(" ") : Gbk()) + stem + TenGodOf(c.day_stem(), stem);
      } else if (!stem.Trimmed().empty()) {
        row += stem + TenGodOf(c.day_stem(), stem) + Gbk::Ascii(" ");
      } else {
        row += Gbk::Ascii("       ");
      }
    }
    rows.push_back(row);
  }
  return rows;
}

ReportLines GridLines(const ChartData& c, const Gbk& element_row) {
  const Gbk gap = Gbk::Ascii("   ");
  const auto& t = c.texts;
  auto tg = [&](const Gbk& stem) { return TenGodOf(c.day_stem(), stem); };
  ReportLines lines = {
      EmbryoLine(c),
      StartAgeLine(c),
      GBK("十神：") + tg(t[0]) + gap + tg(t[2]) + gap + GBK("日元") + gap + tg(t[6]),
      GBK("八字：") + t[0] + t[1] + gap + t[2] + t[3] + gap + t[4] + t[5] + gap + t[6] + t[7],
  };
  for (Gbk& row : HiddenStemRows(c)) lines.push_back(std::move(row));
  lines.push_back(ElementLine(element_row));
  Gbk sounds = GBK("纳音：");
  for (int i = 0; i < 8; i += 2) sounds += (i > 0 ? Gbk::Ascii(" ") : Gbk()) + SoundElementOf(t[i] + t[i + 1]);
  lines.push_back(sounds);
  return lines;
}

void Append(ReportLines& to, const ReportLines& lines) { to.insert(to.end(), lines.begin(), lines.end()); }

}  // namespace

const Gbk& ChartNoteCaption() { return GBK("您的八字分析结果..."); }

ChartReport PrintChart(const ChartRequest& request, const CivilDate& today) {
  Birth b;
  if (auto failed = CheckInputs(request, b)) return *std::move(failed);
  const std::optional<ChartData> chart =
      ComputeChartData(b.date.year, b.date.month, b.date.day, b.hour, b.minute, b.sex);
  if (!chart) return Refused(ImpossibleDayMessage());
  const ChartData& c = *chart;

  ChartReport report;
  report.outcome = ChartReport::kComplete;
  ReportLines& lines = report.lines;
  lines = HeaderLines(b, today);
  const Gbk element_row = ElementRow(c);
  Append(lines, GridLines(c, element_row));
  Append(lines, LuckBlock(c, b.lunar.year));

  const ElementCount count = ElementTally(element_row);
  lines.push_back(ChartSeparatorLine());
  Append(lines, ReadingsBlock(c, count));

  lines.push_back(ChartSeparatorLine());
  lines.push_back(GBK("袁天罡称骨算命："));
  try {
    const Gbk year = Gbk::Number(b.lunar.year), month = Gbk::Number(b.lunar.month), day = Gbk::Number(b.lunar.day),
              hour = Gbk::Number(b.hour);
    for (int mode : {kBoneWeightTotal, kBoneWeightVerse, kBoneWeightCommentary})
      lines.push_back(BoneWeightLine(year, month, day, hour, mode));
  } catch (const DbError&) {
    // Without the bone-weight tables the chart ends here, silently.
    report.outcome = ChartReport::kCutShort;
    return report;
  }

  Append(lines, PersonalitySection(c.personality));
  lines.push_back(ChartSeparatorLine());
  Append(lines, RemedyBlock(count.weak));
  lines.push_back(ChartClosingLine());
  return report;
}

}  // namespace mirevo
