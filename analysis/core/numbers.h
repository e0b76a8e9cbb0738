// The eighty-one numbers: the built-in classes that give each grid its points,
// and the texts of table 81 of KelFile.dll that the report prints.
#pragma once

#include "analysis/core/five_grids.h"
#include "app/core/gbk.h"

namespace mirevo {

// 1, 2 or 3 for the list that holds the number, 0 for none (0 and above 81).
int ClassifyNumber(int number);

// The points a grid of this number earns: class 1 gives the full points
// (天格 10, 地格 10, 人格 30, 总格 20, 外格 10), class 2 85 % of them, class 3 70 %,
// no class 0.
double NumberPoints(int number, GridKind kind);

// The text column of table 81: 0 yy (reading), 1 jx (verdict), 2 as (hint).
enum class NumberColumn : int { kReading = 0, kVerdict = 1, kHint = 2 };

// The stored text of a number, untrimmed; a single blank when the table has no
// row for it. A database error stops the analysis silently (AnalysisAborted).
Gbk NumberText(int number, NumberColumn column);

}  // namespace mirevo
