#include "naming/core/fetch_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace mirevo {
namespace {

using V = std::vector<int>;

TEST(FetchOrder, TwentyRows) {
  EXPECT_EQ(FetchOrder(20, QueryMode::kSinglePlan), (V{1, 3, 5, 7, 9, 11, 13, 15, 17, 2, 4, 6, 8, 10, 12, 14, 16, 18, 19, 20}));
  EXPECT_EQ(FetchOrder(20, QueryMode::kPlanBatch), (V{11, 17, 1, 3, 15, 5, 13, 7, 9, 12, 18, 2, 4, 16, 6, 14, 8, 10, 19, 20}));
}

TEST(FetchOrder, FewerThanNineRowsComeInResultOrder) {
  for (QueryMode mode : {QueryMode::kSinglePlan, QueryMode::kPlanBatch}) {
    EXPECT_EQ(FetchOrder(0, mode), V{});
    EXPECT_EQ(FetchOrder(8, mode), (V{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(FetchUnits(8, mode).size(), 8u);  // each row is its own unit
  }
}

TEST(FetchOrder, EveryRowExactlyOnce) {
  for (QueryMode mode : {QueryMode::kSinglePlan, QueryMode::kPlanBatch})
    for (int rows : {1, 9, 17, 18, 19, 26, 27, 100, 1001}) {
      V order = FetchOrder(rows, mode);
      std::sort(order.begin(), order.end());
      V all(static_cast<std::size_t>(rows));
      std::iota(all.begin(), all.end(), 1);
      EXPECT_EQ(order, all) << rows;
      // f groups of nine, then the leftover rows one by one.
      const auto units = FetchUnits(rows, mode);
      const int f = rows / 9;
      ASSERT_EQ(static_cast<int>(units.size()), f + rows % 9) << rows;
      for (int u = 0; u < f; ++u) EXPECT_EQ(units[static_cast<std::size_t>(u)].size(), 9u);
    }
  // Exactly 18 rows: two groups, no leftover.
  EXPECT_EQ(FetchUnits(18, QueryMode::kSinglePlan), (std::vector<V>{{1, 3, 5, 7, 9, 11, 13, 15, 17}, {2, 4, 6, 8, 10, 12, 14, 16, 18}}));
}

TEST(FetchOrder, WhereTheRunFlagIsChecked) {
  // A single plan always shows its first group; a batch checks before it too.
  EXPECT_FALSE(ChecksRunFlagBefore(0, QueryMode::kSinglePlan));
  EXPECT_TRUE(ChecksRunFlagBefore(1, QueryMode::kSinglePlan));
  EXPECT_TRUE(ChecksRunFlagBefore(0, QueryMode::kPlanBatch));
  EXPECT_TRUE(ChecksRunFlagBefore(5, QueryMode::kPlanBatch));
}

}  // namespace
}  // namespace mirevo
