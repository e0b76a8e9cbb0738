// Fixed texts of the sexagenary cycle and of lunar dates.
#pragma once

#include "app/core/gbk.h"

namespace mirevo {

const Gbk& StemText(int index);     // 0 = 甲 … 9 = 癸
const Gbk& BranchText(int index);   // 0 = 子 … 11 = 亥
const Gbk& AnimalText(int index);   // 0 = 鼠 … 11 = 猪
const Gbk& NumeralText(int value);  // 1 = 一 … 10 = 十

// Stem, branch, "(", animal, "年)": always 10 bytes (甲子(鼠年)); empty for n < 0.
Gbk CycleYearText(int n);
// 一月 … 十二月, 闰 in front for a leap month; a month outside 1–12 gives 月.
Gbk LunarMonthText(int month, bool leap);
// 初一 … 三十; empty outside 1–30.
Gbk LunarDayText(int day);

}  // namespace mirevo
