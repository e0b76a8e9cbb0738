#include "naming/core/generation_run.h"

#include "naming/core/candidate_query.h"
#include "naming/core/fetch_order.h"
#include "naming/core/stroke_plans.h"

namespace mirevo {
namespace {

// Opens the query with `sql` and hands its rows on in the fetch order of `mode`.
// Returns false when the run flag stopped it.
bool FetchInterleaved(Query& query, const Gbk& sql, QueryMode mode, const std::atomic<bool>& run_flag,
                      RunSink& sink) {
  query.SetSql(sql);
  query.Open();
  const ResultSet& rows = query.Result();
  const auto units = FetchUnits(rows.RowCount(), mode);
  for (std::size_t u = 0; u < units.size(); ++u) {
    if (ChecksRunFlagBefore(static_cast<int>(u), mode) && !run_flag.load()) return false;
    for (int row : units[u]) sink.Candidate(rows.Text(row - 1, 0));
  }
  return true;
}

bool RunSinglePlan(Query& query, const RunInputs& in, const std::atomic<bool>& run_flag, RunSink& sink) {
  const PlanStrokes plan = ParsePlanEntry(in.plan, in.workbench.two_given());
  sink.ClearHighScores();
  sink.QueryStarted(1, 1);
  query.Close();
  return FetchInterleaved(query, BuildCandidateQuery(in.workbench, QueryMode::kSinglePlan, {plan}),
                          QueryMode::kSinglePlan, run_flag, sink);
}

bool RunAllPlans(Query& query, const RunInputs& in, const std::atomic<bool>& run_flag, RunSink& sink) {
  sink.ClearHighScores();
  const int total = static_cast<int>(in.plan_entries.size());
  const int batches = (total + kPlansPerBatch - 1) / kPlansPerBatch;
  bool stopped = false;
  for (int b = 0; b < batches; ++b) {
    query.Close();
    query.ClearSql();
    std::vector<PlanStrokes> plans;
    for (int i = b * kPlansPerBatch; i < std::min(total, (b + 1) * kPlansPerBatch); ++i) {
      if (!run_flag.load()) {
        stopped = true;
        break;
      }
      plans.push_back(ParsePlanEntry(in.plan_entries[static_cast<std::size_t>(i)], in.workbench.two_given()));
    }
    // Once Stop is seen, the plans added so far would show nothing: their
    // fetch checks the run flag before its first group.
    if (stopped) break;
    if (plans.empty()) continue;
    sink.QueryStarted(b + 1, batches);
    if (!FetchInterleaved(query, BuildCandidateQuery(in.workbench, QueryMode::kPlanBatch, plans),
                          QueryMode::kPlanBatch, run_flag, sink))
      stopped = true;
  }
  return !stopped;
}

}  // namespace

RunOutcome GenerateNames(Query& run_query, const RunInputs& in, const std::atomic<bool>& run_flag, RunSink& sink) {
  RunOutcome outcome;
  sink.StartRun();
  try {
    const bool single = in.plan.Trimmed() != AutomaticPlan();
    const bool complete = single ? RunSinglePlan(run_query, in, run_flag, sink) : RunAllPlans(run_query, in, run_flag, sink);
    if (!complete) outcome.end = RunEnd::kStopped;
  } catch (const std::exception& e) {
    outcome.end = RunEnd::kFailed;
    outcome.error = e.what();
  }
  run_query.Close();
  return outcome;
}

}  // namespace mirevo
