#include "chart/core/chart_numbers.h"

#include "calendar/core/date_texts.h"

namespace mirevo {

// The calendar's tables count from 甲 = 0 and 子 = 0; the chart's one place later.
const Gbk& ChartStemText(int stem) { return StemText(Mod(stem - 1, 10)); }
const Gbk& ChartBranchText(int branch) { return BranchText(Mod(branch - 1, 12)); }

}  // namespace mirevo
