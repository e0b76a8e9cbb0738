// The four pillars (四柱) of a birth moment and the chart run that derives all
// other chart values from them.
#pragma once

#include <optional>

#include "app/core/gbk.h"
#include "chart/core/chart_data.h"

namespace mirevo {

// The month branch (chart numbering) and the fallback day count of a month-day
// number MD = month × 100 + day, after the 节 correction. The fallback counts use
// the uncorrected month and day; the start age needs them only when its search for
// a 节 finds none. An MD below 101 counts in the 子 range.
struct MonthBoundary {
  int branch = 0;
  int fallback_count = 0;
};
MonthBoundary MonthBoundaryTable(int md, int month, int day);

struct FourPillars {
  Pillar year, month, day, hour;
  int fallback_count = 0;  // of the month boundary
};
// The pillars of a valid Gregorian birth moment. The month and year turn on the
// fixed boundary days, one day later when table JQ lists a 节 on the birth day at
// a time after the birth; a birth at 23:xx keeps the day of its calendar date.
FourPillars FourPillarsOf(int year, int month, int day, int hour, int minute);

// 请检查输入数据是否出错！
const Gbk& ImpossibleDayMessage();

// Runs the whole chart computation for a Gregorian birth moment (hour 0–23,
// minute 0–59) and the sex text ("男" makes a boy). A date that does not exist,
// such as 29 February of a common year or 31 April, or an hour or minute out of
// range gives std::nullopt; the caller shows ImpossibleDayMessage().
std::optional<ChartData> ComputeChartData(int year, int month, int day, int hour, int minute, const Gbk& sex);

}  // namespace mirevo
