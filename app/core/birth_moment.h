// The birth data as picked in the workbench and the analysis window.
#pragma once

#include "app/core/gbk.h"

namespace mirevo {

struct BirthMoment {
  int calendar_index = 0;  // 0 公历 (Gregorian), 1 农历 (lunar)
  Gbk year;                // texts exactly as the pickers show them
  Gbk month;
  Gbk day;
  Gbk hour_item;           // branch, one blank, hour 0–23: "子 0" … "子 23"
  Gbk minute;
  Gbk sex;                 // 男 or 女
};

// The hour number of an hour item: bytes 4–5, trimmed ("子 0" -> "0", "亥 22" -> "22").
inline Gbk HourOfItem(const Gbk& hour_item) { return hour_item.Slice(4, 2).Trimmed(); }

}  // namespace mirevo
