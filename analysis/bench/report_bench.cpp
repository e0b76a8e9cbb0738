// The name report on the built reference databases (build/bin): how many report
// lines a second BuildNameReport writes, one one-shot query per lookup.
//   build/bench/analysis_bench   (MIREVO_BIN names another folder of databases)
#include <benchmark/benchmark.h>

#include "analysis/core/name_analysis.h"
#include "analysis/core/name_report.h"
#include "data/core/refdb.h"
#include "tests/support/fixture_db.h"

namespace mirevo {
namespace {

void UseBuiltDatabases() { SetDataFolder(testing::BinFolder()); }

void Report(benchmark::State& state, const char* surname, const char* given) {
  UseBuiltDatabases();
  const Gbk s = Gbk::FromUtf8(surname), g = Gbk::FromUtf8(given);
  std::size_t lines = 0;
  for (auto _ : state) {
    NameReport r = BuildNameReport(s, g);
    lines += r.lines.size();
    benchmark::DoNotOptimize(r);
  }
  state.counters["lines"] = benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsRate);
  state.counters["reports"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// A stored score (张's best plan) and a computed one (no row in zh).
BENCHMARK_CAPTURE(Report, stored_score, "张", "智宸");
BENCHMARK_CAPTURE(Report, computed_score, "张", "一一");
BENCHMARK_CAPTURE(Report, compound_surname, "欧阳", "明");

void WholePane(benchmark::State& state) {
  UseBuiltDatabases();
  AnalysisRequest request;
  request.surname = GBK("李");
  request.given = GBK("家乐");
  request.birth.year = Gbk::Ascii("1981");
  request.birth.month = Gbk::Ascii("2");
  request.birth.day = Gbk::Ascii("4");
  request.birth.hour_item = GBK("亥 22");
  request.birth.minute = Gbk::Ascii("5");
  std::size_t lines = 0;
  for (auto _ : state) {
    AnalysisOutcome o = AnalyseName(request, CivilDate{2010, 6, 1});
    lines += o.lines.size();
    benchmark::DoNotOptimize(o);
  }
  state.counters["lines"] = benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsRate);
}
BENCHMARK(WholePane);

}  // namespace
}  // namespace mirevo

BENCHMARK_MAIN();
