// The bone weight (称骨) of a birth: the weights of the lunar year, month, day and
// the hour from dream.dll, their total, and the verse and commentary of the total.
#pragma once

#include "app/core/gbk.h"

namespace mirevo {

enum BoneWeightMode { kBoneWeightTotal = 0, kBoneWeightVerse = 1, kBoneWeightCommentary = 2 };

// The two-digit code of a total in 两: the 两 digit and the first decimal (钱)
// digit of the total written with 15 significant digits; further decimals are
// dropped. 4.2 and 4.199999999999999 give 42, 5 gives 50.
Gbk BoneWeightCode(double total);

// One line of the reading for the keys (lunar year such as 1984, lunar month 1–12,
// lunar day 1–30, hour 0–23, all without leading zeros):
//   mode 0: 你的骨重为：4两2钱 (no 钱 part for a whole 两),
//   mode 1: 骨重诗评：<verse>,  mode 2: 骨重解评：<commentary>.
// A key without a row weighs 0; without a reading for the code the line is empty.
// A query that cannot be run (missing file or table) throws DbError.
Gbk BoneWeightLine(const Gbk& year, const Gbk& month, const Gbk& day, const Gbk& hour, int mode);

}  // namespace mirevo
