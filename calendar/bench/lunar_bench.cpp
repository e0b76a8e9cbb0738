// Conversions per second over every day the lunar conversion covers.
#include <benchmark/benchmark.h>

#include <vector>

#include "calendar/core/lunar.h"

namespace mirevo {
namespace {

// 1900-01-31 to 2100-12-31.
void BM_GregorianToLunar(benchmark::State& state) {
  const DateValue first = EncodeDate(1900, 1, 31), last = EncodeDate(2100, 12, 31);
  for (auto _ : state) {
    for (DateValue d = first; d <= last; ++d) benchmark::DoNotOptimize(GregorianToLunar(d));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(last - first + 1));
}
BENCHMARK(BM_GregorianToLunar)->Unit(benchmark::kMillisecond);

// Every lunar date that LunarToGregorian accepts (1901-01-01 to 2099-12-30).
void BM_LunarToGregorian(benchmark::State& state) {
  std::vector<LunarDate> dates;
  for (DateValue d = EncodeDate(1901, 2, 19); d <= EncodeDate(2100, 2, 8); ++d) dates.push_back(GregorianToLunar(d));
  for (auto _ : state) {
    for (const LunarDate& l : dates) benchmark::DoNotOptimize(LunarToGregorian(l));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(dates.size()));
}
BENCHMARK(BM_LunarToGregorian)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirevo

BENCHMARK_MAIN();
