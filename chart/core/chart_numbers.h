// The chart's own numbering of stems and branches: the ordinal taken modulo 10
// and 12, so 甲 = 1 … 壬 = 9, 癸 = 0 and 子 = 1 … 戌 = 11, 亥 = 0. Every formula of
// the pillars, the luck periods and the embryo works on these numbers.
#pragma once

#include "app/core/gbk.h"

namespace mirevo {

// The non-negative remainder of a by n (n > 0): Mod(-1, 10) is 9.
constexpr int Mod(long long a, int n) {
  long long r = a % n;
  return static_cast<int>(r < 0 ? r + n : r);
}

// 0 = 癸, 1 = 甲 … 9 = 壬 (any number is taken modulo 10).
const Gbk& ChartStemText(int stem);
// 0 = 亥, 1 = 子 … 11 = 戌 (any number is taken modulo 12).
const Gbk& ChartBranchText(int branch);

// One pillar in the chart numbering.
struct Pillar {
  int stem = 0;
  int branch = 0;
  // Stem and branch character, 4 bytes: 甲子.
  Gbk Text() const { return ChartStemText(stem) + ChartBranchText(branch); }
  // The pillar n places on in the sixty-cycle (back for negative n).
  Pillar Stepped(int n) const { return {Mod(stem + n, 10), Mod(branch + n, 12)}; }
  friend bool operator==(const Pillar&, const Pillar&) = default;
};

// The yin stems are 乙 丁 己 辛 癸: the even numbers.
constexpr bool IsYinStem(int stem) { return Mod(stem, 2) == 0; }

}  // namespace mirevo
