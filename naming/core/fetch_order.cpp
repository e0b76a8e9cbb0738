#include "naming/core/fetch_order.h"

namespace mirevo {
namespace {

// Multiples of f that start the nine rows of a group, in fetch order.
constexpr int kSingleSpread[9] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
constexpr int kBatchSpread[9] = {5, 8, 0, 1, 7, 2, 6, 3, 4};

}  // namespace

std::vector<std::vector<int>> FetchUnits(int rows, QueryMode mode) {
  const int* spread = mode == QueryMode::kSinglePlan ? kSingleSpread : kBatchSpread;
  const int f = rows < 0 ? 0 : rows / 9;
  std::vector<std::vector<int>> units;
  units.reserve(static_cast<std::size_t>(f + rows - 9 * f));
  for (int g = 1; g <= f; ++g) {
    std::vector<int>& group = units.emplace_back();
    group.reserve(9);
    for (int k = 0; k < 9; ++k) group.push_back(spread[k] * f + g);
  }
  for (int row = 9 * f + 1; row <= rows; ++row) units.push_back({row});
  return units;
}

std::vector<int> FetchOrder(int rows, QueryMode mode) {
  std::vector<int> order;
  for (const auto& unit : FetchUnits(rows, mode)) order.insert(order.end(), unit.begin(), unit.end());
  return order;
}

}  // namespace mirevo
