#include "chart/core/luck.h"

#include "calendar/core/date_texts.h"
#include "chart/core/annotations.h"
#include "chart/core/jie.h"

namespace mirevo {
namespace {

constexpr int kJiaziYear = 1864;
constexpr int kRows = 10;     // rows of the annual and minor-luck tables
constexpr int kColumns = 10;  // column 0 (before the first luck pillar) and nine luck periods

Gbk Blanks(std::size_t n) { return Gbk(std::string(n, ' ')); }
const Gbk& Gap() {
  static const Gbk gap = Blanks(3);
  return gap;
}
// The width of a row label and an empty column 0.
const Gbk& NoColumnZero() {
  static const Gbk width = Blanks(13);
  return width;
}

// The age of column c on row r: column 0 holds the ages 0–9, column c the r-th
// year of the c-th luck period.
int AgeOfCell(int start_age, int row, int column) {
  return column == 0 ? row : start_age + 10 * (column - 1) + row;
}

// One row of a table: the label and columns 0–9 while the row lies before the
// start age, afterwards the blank width of label and column 0 and columns 1–9.
Gbk TableRow(const Gbk& label, int start_age, int row, auto cell_of_age) {
  const bool has_column_zero = row < start_age;
  const int first = has_column_zero ? 0 : 1;
  Gbk line = has_column_zero ? label : NoColumnZero();
  for (int c = first; c < kColumns; ++c) line += (c == first ? Gbk() : Gap()) + cell_of_age(AgeOfCell(start_age, row, c));
  return line;
}

Gbk AgeHeader(int start_age, const Gbk& start_age_text) {
  if (start_age_text == Gbk::Ascii("1"))
    return Gbk::FromUtf8("      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁");
  Gbk line = Blanks(6) + Gbk::Ascii("1-") + Gbk::Number(start_age - 1) + GBK("岁");
  for (int c = 0; c < 9; ++c) line += Gap() + Gbk::Number(start_age + 10 * c) + GBK("岁");
  return line;
}

Gbk StartYearsLine(int birth_year, int start_age) {
  Gbk line = GBK("始于：") + Gbk::Number(birth_year);
  for (int c = 0; c < 9; ++c) line += Gap() + Gbk::Number(birth_year + start_age + 10 * c);
  return line;
}

}  // namespace

Pillar EmbryoPillar(const Pillar& month) { return {Mod(month.stem + 1, 10), Mod(month.branch + 3, 12)}; }

bool LuckRunsBackward(bool male, int year_stem) { return male == IsYinStem(year_stem); }

int StartAgeOfDayCount(int days) {
  int age = days / 3 + (days % 3 != 0 ? 1 : 0);
  if (age == 0) return 10;
  return age == 10 ? 10 : Mod(age, 10);
}

int StartAge(DateValue birth, bool backward, int fallback_count) {
  return StartAgeOfDayCount(DaysToJie(birth, /*later=*/!backward).value_or(fallback_count));
}

LuckPillarList LuckPillars(const Pillar& month, bool backward) {
  LuckPillarList pillars;
  for (int k = 0; k < 10; ++k) pillars[k] = month.Stepped(backward ? -k : k);
  return pillars;
}

Gbk LuckPillarsText(const LuckPillarList& pillars) {
  Gbk text;
  for (const Pillar& p : pillars) text += (text.empty() ? Gbk() : Gap()) + p.Text();
  return text;
}

Gbk LuckSoundLine(const LuckPillarList& pillars) {
  Gbk line = GBK("纳音：");
  for (const Pillar& p : pillars) line += SoundElementOf(p.Text()) + Blanks(1);
  return line;
}

Gbk LuckTenGodLine(const Gbk& day_stem, const LuckPillarList& pillars) {
  Gbk line = GBK("十神：");
  for (const Pillar& p : pillars) line += TenGodOf(day_stem, ChartStemText(p.stem)) + Gap();
  return line;
}

Gbk AnnualPillarText(int year) { return CycleYearText(year - kJiaziYear).Trimmed().Left(4); }

Gbk AgeLabel(int year, int lunar_year) {
  const int n = year - lunar_year;
  return Gbk::Ascii(n < 10 ? "0" : "") + Gbk::Number(n) + GBK("岁");
}

Gbk EmbryoLine(const ChartData& chart) {
  const Gbk pillar = chart.embryo.Trimmed();
  return GBK("胎元：") + pillar + Gbk::Ascii("(") + SoundElementOf(pillar) + Gbk::Ascii(")");
}

Gbk StartAgeLine(const ChartData& chart) { return GBK("起运：") + chart.start_age_text + GBK("岁"); }

ReportLines LuckBlock(const ChartData& chart, int lunar_year) {
  const int s = chart.start_age;
  ReportLines lines = {chart.luck_sound_line, chart.luck_ten_god_line, GBK("大运：") + chart.luck_pillars,
                       AgeHeader(s, chart.start_age_text), StartYearsLine(chart.year, s), Gbk()};
  for (int r = 0; r < kRows; ++r)
    lines.push_back(TableRow(r == 0 ? GBK("流年：") : Blanks(6), s, r,
                             [&](int age) { return AnnualPillarText(lunar_year + age); }));
  lines.push_back(Gbk());
  const int step = chart.backward ? -1 : 1;
  for (int r = 0; r < kRows; ++r) {
    lines.push_back(TableRow(r == 0 ? GBK("小运：") : Blanks(6), s, r,
                             [&](int age) { return chart.hour_pillar.Stepped(step * age).Text(); }));
    lines.push_back(TableRow(Blanks(6), s, r, [&](int age) { return AgeLabel(lunar_year + age, lunar_year); }));
  }
  return lines;
}

}  // namespace mirevo
