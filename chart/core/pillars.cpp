#include "chart/core/pillars.h"

#include "app/core/datetime.h"
#include "chart/core/annotations.h"
#include "chart/core/jie.h"
#include "chart/core/luck.h"
#include "chart/core/personality.h"

namespace mirevo {
namespace {

// One row of the month boundaries: MD from–to gives the month branch; the
// fallback count is ((month − month_base) × 30 + day − day_base) / 3.
struct BoundaryRow {
  int from, to;
  int branch;
  int month_base, day_base;
};
// The fixed first days of the months: 4 February (寅), 6 March, 5 April, 5 May,
// 6 June, 7 July, 8 August, 8 September, 8 October, 7 November, 8 December and
// 6 January (丑).
constexpr BoundaryRow kBoundaries[] = {
    {204, 305, 3, 2, 4},    {306, 404, 4, 3, 6},    {405, 504, 5, 4, 5},     {505, 605, 6, 5, 5},
    {606, 706, 7, 6, 6},    {707, 807, 8, 7, 7},    {808, 907, 9, 8, 8},     {908, 1007, 10, 9, 8},
    {1008, 1106, 11, 10, 8}, {1107, 1207, 0, 11, 7}, {1208, 1231, 1, 12, 8}, {101, 105, 1, 0, 4},
    {106, 203, 2, 1, 6},
};
// Where an MD below 101 (a 节 stored on 1 January) is counted: the 子 row of January.
constexpr const BoundaryRow& kEarlyJanuary = kBoundaries[11];

// The year turns on the 寅 boundary.
constexpr int kYearBoundary = 204;

int SexagenaryDayNumber(int year, int month, int day) {
  const long long g = year - 1;
  return Mod(5 * g + g / 4 - g / 100 + g / 400 + DayOfYear(year, month, day) + 6015, 60);
}

}  // namespace

MonthBoundary MonthBoundaryTable(int md, int month, int day) {
  const BoundaryRow* row = &kEarlyJanuary;
  for (const BoundaryRow& r : kBoundaries)
    if (md >= r.from && md <= r.to) row = &r;
  return {row->branch, ((month - row->month_base) * 30 + day - row->day_base) / 3};
}

FourPillars FourPillarsOf(int year, int month, int day, int hour, int minute) {
  const DateValue moment = EncodeDate(year, month, day) + (hour * 60 + minute) / 1440.0;
  int md = month * 100 + day;
  if (IsBeforeJieMoment(year, moment)) --md;
  const MonthBoundary boundary = MonthBoundaryTable(md, month, day);

  FourPillars p;
  p.fallback_count = boundary.fallback_count;
  const int cycle_year = md >= kYearBoundary ? year - 3 : year - 4;
  p.year = {Mod(cycle_year, 10), Mod(cycle_year, 12)};
  const int mb = boundary.branch;
  p.month = {Mod(2 * p.year.stem + mb + (mb >= 3 ? 8 : 0), 10), mb};
  const int n = SexagenaryDayNumber(year, month, day);
  p.day = {Mod(n, 10), Mod(n, 12)};
  const int hb = Mod((hour + 3) / 2, 12);
  p.hour = {Mod(2 * p.day.stem + hb + (hb != 0 ? 8 : 0), 10), hb};
  return p;
}

const Gbk& ImpossibleDayMessage() { return GBK("请检查输入数据是否出错！"); }

std::optional<ChartData> ComputeChartData(int year, int month, int day, int hour, int minute, const Gbk& sex) {
  if (!IsValidDate(year, month, day) || hour < 0 || hour > 23 || minute < 0 || minute > 59) return std::nullopt;
  const FourPillars p = FourPillarsOf(year, month, day, hour, minute);

  ChartData c;
  c.year = year;
  c.month = month;
  c.day = day;
  c.hour = hour;
  c.minute = minute;
  c.year_pillar = p.year;
  c.month_pillar = p.month;
  c.day_pillar = p.day;
  c.hour_pillar = p.hour;
  c.embryo = EmbryoPillar(p.month).Text() + Gbk::Ascii(" ");
  c.male = sex == GBK("男");
  int i = 0;
  for (const Pillar& pillar : {p.year, p.month, p.day, p.hour}) {
    c.texts[i++] = ChartStemText(pillar.stem);
    c.texts[i++] = ChartBranchText(pillar.branch);
  }
  c.backward = LuckRunsBackward(c.male, p.year.stem);
  c.start_age = StartAge(EncodeDate(year, month, day), c.backward, p.fallback_count);
  c.start_age_text = Gbk::Number(c.start_age);
  c.hidden_stems = HiddenStemColumns(year, month, day, hour);
  const LuckPillarList luck = LuckPillars(p.month, c.backward);
  c.luck_pillars = LuckPillarsText(luck);
  c.luck_sound_line = LuckSoundLine(luck);
  c.luck_ten_god_line = LuckTenGodLine(c.day_stem(), luck);
  c.personality = BirthdayPersonality(month, day);
  return c;
}

}  // namespace mirevo
