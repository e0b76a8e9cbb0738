// The twelve 节 among the solar terms: they open the months of the chart.
#pragma once

#include <optional>

#include "app/core/datetime.h"
#include "app/core/gbk.h"

namespace mirevo {

// True exactly for 立春 惊蛰 清明 立夏 芒种 小暑 立秋 白露 寒露 立冬 大雪 小寒.
bool IsJieName(const Gbk& name);

// The distance in days from `date` to the nearest day on which the solar-term
// formula puts a 节, looking 1 to 32 days later (`later`) or earlier; the date
// itself is never examined. std::nullopt when none of the 32 days has one.
std::optional<int> DaysToJie(DateValue date, bool later);

// True when table JQ of Tgcode.dll lists one of the twelve 节 in `year` on the
// calendar day of `moment` and `moment` lies strictly before the term's time.
// Any database error counts as false.
bool IsBeforeJieMoment(int year, DateValue moment);

}  // namespace mirevo
