// One whole chart on the built reference databases: the four pillars, every
// lookup of ten gods, sound elements, elements and readings, the bone weight and
// the report lines.
#include <benchmark/benchmark.h>

#include "chart/core/chart_report.h"
#include "chart/core/pillars.h"
#include "data/core/refdb.h"
#include "tests/support/fixture_db.h"

namespace mirevo {
namespace {

ChartRequest Request(const char* year, const char* month, const char* day) {
  ChartRequest r;
  r.surname = Gbk::FromUtf8("张");
  r.birth = BirthMoment{0, Gbk::Ascii(year), Gbk::Ascii(month), Gbk::Ascii(day), Gbk::FromUtf8("午 12"),
                        Gbk::Ascii("30"), Gbk::FromUtf8("男")};
  return r;
}

void BM_WholeChart(benchmark::State& state) {
  SetDataFolder(testing::BinFolder());
  const ChartRequest requests[] = {Request("2000", "01", "01"), Request("1984", "02", "04"), Request("2023", "08", "17")};
  std::size_t lines = 0, i = 0;
  for (auto _ : state) {
    const ChartReport report = PrintChart(requests[i++ % 3], {2024, 6, 1});
    if (report.outcome != ChartReport::kComplete) state.SkipWithError("the chart was not complete");
    lines += report.lines.size();
    benchmark::DoNotOptimize(lines);
  }
  state.counters["charts/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeChart)->Unit(benchmark::kMillisecond);

void BM_ChartDataOnly(benchmark::State& state) {
  SetDataFolder(testing::BinFolder());
  for (auto _ : state) benchmark::DoNotOptimize(ComputeChartData(2000, 1, 1, 12, 30, Gbk::FromUtf8("男")));
  state.counters["runs/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ChartDataOnly)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirevo

BENCHMARK_MAIN();
