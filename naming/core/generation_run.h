// The generation run: the candidate queries of the chosen plan or of every plan in
// batches of eight, fetched in the interleaved order and handed on name by name.
// It runs on the generation worker; everything it shows goes through a sink.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "app/core/gbk.h"
#include "data/core/refdb.h"
#include "naming/core/workbench_inputs.h"

namespace mirevo {

// What a run takes from the window when it starts.
struct RunInputs {
  WorkbenchInputs workbench;
  Gbk plan;                       // the trimmed CBCode text: a plan entry or "电脑全自动"
  std::vector<Gbk> plan_entries;  // the CBCode entries after "电脑全自动"
};

// Where the run's requests go, in the order the run makes them. A sink must not
// wait for the display: the run goes on at once.
class RunSink {
 public:
  virtual ~RunSink() = default;
  // Clear the all-names pane and its row accumulator.
  virtual void StartRun() = 0;
  virtual void ClearHighScores() = 0;
  // A query is about to run: batch `batch` (from 1) of `batches`; a single plan
  // is batch 1 of 1.
  virtual void QueryStarted(int batch, int batches) = 0;
  // One candidate name as fetched, such as 张伟明(95分).
  virtual void Candidate(Gbk name) = 0;
};

enum class RunEnd {
  kFinished,  // every row of every query was handed on
  kStopped,   // the run flag was off at one of the run's checks
  kFailed,    // a database error or a plan entry that is no number
};

struct RunOutcome {
  RunEnd end = RunEnd::kFinished;
  std::string error;  // UTF-8, for kFailed
};

inline constexpr int kPlansPerBatch = 8;

// The run on `run_query`, which is closed when it ends. It watches `run_flag`
// (set by whoever starts the run, cleared by Stop); errors end the run without
// throwing and the names handed on so far stand.
RunOutcome GenerateNames(Query& run_query, const RunInputs& inputs, const std::atomic<bool>& run_flag, RunSink& sink);

}  // namespace mirevo
