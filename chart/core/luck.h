// Luck periods: the embryo pillar, the direction and start age of the ten-year
// luck pillars (大运), and the block of lines that lays them out with the annual
// (流年) and minor-luck (小运) tables.
#pragma once

#include <array>

#include "app/core/datetime.h"
#include "app/core/gbk.h"
#include "app/core/report_file.h"
#include "chart/core/chart_data.h"
#include "chart/core/chart_numbers.h"

namespace mirevo {

using LuckPillarList = std::array<Pillar, 10>;

// The embryo (胎元): one stem and three branches on from the month pillar.
Pillar EmbryoPillar(const Pillar& month);
// Backward for a boy of a yin year stem or a girl of a yang one.
bool LuckRunsBackward(bool male, int year_stem);
// Three days make one year and a part of three days a full year; 0 becomes 10 and
// 11 wraps to 1, so the age is always 1–10.
int StartAgeOfDayCount(int days);
// The start age of a birth date: the days to the next 节 (forward) or the previous
// one (backward); `fallback_count` when the search finds none.
int StartAge(DateValue birth, bool backward, int fallback_count);
// Ten pillars from the month pillar itself, stepping forward or backward.
LuckPillarList LuckPillars(const Pillar& month, bool backward);

// The ten pillar texts separated by three blanks.
Gbk LuckPillarsText(const LuckPillarList& pillars);
// "纳音：" and the sound element of each pillar, each followed by one blank.
Gbk LuckSoundLine(const LuckPillarList& pillars);
// "十神：" and the ten god of each pillar's stem, each followed by three blanks.
Gbk LuckTenGodLine(const Gbk& day_stem, const LuckPillarList& pillars);

// Stem and branch of a year's sexagenary name: 己卯 for 1999.
Gbk AnnualPillarText(int year);
// The age reached in `year` by one born in lunar year `lunar_year`, two digits and
// 岁: 00岁, 05岁, 13岁.
Gbk AgeLabel(int year, int lunar_year);

// 胎元：丁卯(炉中火)
Gbk EmbryoLine(const ChartData& chart);
// 起运：3岁
Gbk StartAgeLine(const ChartData& chart);
// The luck block: sound and ten-god lines, 大运, the age header, 始于, an empty
// line, ten 流年 rows, an empty line and ten 小运 rows of two lines each.
ReportLines LuckBlock(const ChartData& chart, int lunar_year);

}  // namespace mirevo
