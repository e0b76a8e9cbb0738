// The order in which a run fetches the rows of a candidate result, so that the
// display mixes names from the whole ordered result rather than showing the
// best-ordered ones first in a long block.
#pragma once

#include <vector>

#include "naming/core/candidate_query.h"

namespace mirevo {

// The rows (numbered from 1) cut into the units between which the run looks at
// its run flag: f = rows div 9 groups of nine interleaved rows, then each
// leftover row alone. Single plan: group g holds g, f+g, 2f+g … 8f+g; plan batch:
// 5f+g, 8f+g, g, f+g, 7f+g, 2f+g, 6f+g, 3f+g, 4f+g.
std::vector<std::vector<int>> FetchUnits(int rows, QueryMode mode);

// The same rows in one list.
std::vector<int> FetchOrder(int rows, QueryMode mode);

// Whether the run looks at its run flag before unit `unit` (0-based). A single
// plan fetches its first group unconditionally and checks after each unit, a
// batch checks before every unit; after the last unit nothing is left to stop.
inline bool ChecksRunFlagBefore(int unit, QueryMode mode) { return unit > 0 || mode == QueryMode::kPlanBatch; }

}  // namespace mirevo
