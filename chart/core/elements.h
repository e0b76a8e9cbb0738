// The five-element side of the chart: the element of each of the eight
// characters, their tally, the elements a name should carry (喜用神) and the
// seasonal, climate and remedy readings.
#pragma once

#include <array>

#include "app/core/gbk.h"
#include "app/core/report_file.h"
#include "chart/core/chart_data.h"

namespace mirevo {

// The five elements in the order every list and count of the chart uses.
const std::array<Gbk, 5>& FiveElements();  // 金 木 水 火 土

// The element of a stem or branch from table hzwh (the first row whose hz holds
// the character); empty when none or the lookup fails.
Gbk ElementOfCharacter(const Gbk& character);
Gbk SeasonUseReading(const Gbk& element, const Gbk& season);
Gbk ClimateUseReading(const Gbk& day_stem, const Gbk& month_branch);
Gbk RemedyText(const Gbk& element);

// The elements of the four pillars, each pillar's pair followed by three blanks
// but the last: 土火   水土   金火   木木.
Gbk ElementRow(const ChartData& chart);

struct ElementCount {
  // "金:占2个 25, 木:占1个 12.5, 水:占2个 25, 火:占2个 25, 土:占1个 12.5."
  Gbk tally;
  // The elements of the smallest count, in the order 金 木 水 火 土.
  Gbk weak;
};
// Counts the elements standing at the eight fixed byte positions of an element row.
ElementCount ElementTally(const Gbk& element_row);

// 五行：… (the element line of the grid).
Gbk ElementLine(const Gbk& element_row);
// The season, climate, tally and recommendation lines.
ReportLines ReadingsBlock(const ChartData& chart, const ElementCount& count);
// 其他补充说明：, one remedy text per weak element, an empty line.
ReportLines RemedyBlock(const Gbk& weak_elements);

}  // namespace mirevo
