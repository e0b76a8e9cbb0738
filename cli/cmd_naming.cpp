// plans and generate: the stroke plans of a surname and a generation run, as the
// workbench makes them.
#include <iostream>

#include "cli/cli.h"
#include "data/core/naming_db.h"
#include "naming/core/candidate_display.h"
#include "naming/core/generation_run.h"
#include "naming/core/stroke_plans.h"

namespace mirevo::cli {
namespace {

const std::set<std::string> kPlanOptions = {"surname", "fixed", "position", "min-score"};

// The workbench inputs from the options shared by both commands.
WorkbenchInputs ReadInputs(const Args& args) {
  WorkbenchInputs in;
  const auto surname = args.Value("surname");
  if (!surname) throw UsageError("--surname is required");
  in.surname = ToGbkArg(*surname).Trimmed();
  if (in.surname.empty()) throw InputError("姓不能为空!");
  in.single_given = args.Flag("single");

  if (const auto fixed = args.Value("fixed")) {
    if (in.single_given) throw UsageError("--fixed needs a two-character given name (no --single)");
    in.fixed_wanted = true;
    in.fixed_character = ToGbkArg(*fixed).Trimmed();
    if (in.fixed_character.size() > 2) throw UsageError("--fixed takes one character");
  }
  const std::string position = args.ValueOr("position", "2");
  if (position != "2" && position != "3") throw UsageError("--position is 2 or 3");
  in.fixed_position = position == "2" ? FixedPosition::kSecond : FixedPosition::kThird;

  if (const auto minimum = args.Value("min-score")) {
    in.minimum_wanted = true;
    in.minimum_score = Gbk::Number(IntArg(*minimum, "--min-score"));
  }
  if (const auto sex = args.Value("sex")) {
    if (*sex != "男" && *sex != "女") throw UsageError("--sex is 男 or 女");
    in.male = *sex == "男";
  }
  if (const auto elements = args.Value("elements")) {
    const Gbk chosen = ToGbkArg(*elements);
    const char* names[5] = {"金", "木", "水", "火", "土"};
    for (std::size_t pos = 1; pos <= chosen.size(); pos += 2) {
      const Gbk ch = chosen.Slice(pos, 2);
      bool known = false;
      for (std::size_t i = 0; i < 5; ++i)
        if (ch == Gbk::FromUtf8(names[i])) in.elements[i] = known = true;
      if (!known) throw UsageError("--elements takes characters of 金木水火土");
    }
  }
  return in;
}

int Plans(const std::vector<std::string>& argv, Output& out) {
  Args args(argv, kPlanOptions, {"single"});
  if (!args.positionals().empty()) throw UsageError("unexpected " + args.positionals()[0]);
  const WorkbenchInputs in = ReadInputs(args);
  NamingDatabase db;
  out.Lines(BuildStrokePlans(db.plan_query, in).entries);
  return 0;
}

// Shows the run's names as the window does, with every name as it is shown.
class ShowingSink : public RunSink {
 public:
  ShowingSink(Picking picking, std::atomic<bool>& run_flag) : picking_(std::move(picking)), run_flag_(run_flag) {}
  void StartRun() override { display_.StartRun(); }
  void ClearHighScores() override {
    display_.TakeHighScores();
    high_scores_.clear();
  }
  void QueryStarted(int, int) override {}
  void Candidate(Gbk name) override {
    if (unreadable_) return;
    if (!display_.Show(name, picking_)) {
      unreadable_ = name.Trimmed();
      run_flag_ = false;
      return;
    }
    names_.push_back(name.Trimmed());
    Collect();
  }
  void Finish() {
    display_.FinishRun();
    Collect();
  }

  std::vector<Gbk> names_, pane_, high_scores_;
  std::optional<Gbk> unreadable_;

 private:
  void Collect() {
    for (Gbk& line : display_.TakePaneLines()) pane_.push_back(std::move(line));
    for (Gbk& name : display_.TakeHighScores()) high_scores_.push_back(std::move(name));
  }
  CandidateDisplay display_;
  Picking picking_;
  std::atomic<bool>& run_flag_;
};

int Generate(const std::vector<std::string>& argv, Output& out) {
  std::set<std::string> valued = kPlanOptions;
  valued.insert({"sex", "plan", "elements", "threshold", "show"});
  Args args(argv, valued, {"single", "no-pick"});
  if (!args.positionals().empty()) throw UsageError("unexpected " + args.positionals()[0]);
  const std::string show = args.ValueOr("show", "names");
  if (show != "names" && show != "pane" && show != "high-score") throw UsageError("--show is names, pane or high-score");
  const int threshold = IntArg(args.ValueOr("threshold", "75"), "--threshold");

  RunInputs run;
  run.workbench = ReadInputs(args);
  NamingDatabase db;
  StrokePlans plans = BuildStrokePlans(db.plan_query, run.workbench);
  run.plan = args.Value("plan") ? ToGbkArg(*args.Value("plan")).Trimmed() : AutomaticPlan();
  run.plan_entries.assign(plans.entries.begin() + 1, plans.entries.end());

  std::atomic<bool> run_flag{true};
  ShowingSink sink({!args.Flag("no-pick"), Gbk::Number(threshold)}, run_flag);
  const RunOutcome outcome = GenerateNames(db.run_query, run, run_flag, sink);
  sink.Finish();
  out.Lines(show == "names" ? sink.names_ : show == "pane" ? sink.pane_ : sink.high_scores_);
  if (sink.unreadable_) {
    std::cerr << "取名中断：读不出“" << sink.unreadable_->ToUtf8() << "”的分数\n";
    return 1;
  }
  if (outcome.end == RunEnd::kFailed) {
    std::cerr << "取名中断：" << outcome.error << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

MIREVO_CLI_COMMAND("plans",
                   "plans --surname S [--single] [--fixed C] [--position 2|3] [--min-score N]\n"
                   "                           the stroke-plan entries, 电脑全自动 first",
                   Plans);
MIREVO_CLI_COMMAND("generate",
                   "generate --surname S [--sex 男|女] [--single] [--plan ENTRY] [--fixed C] [--position 2|3]\n"
                   "           [--min-score N] [--elements 金木水火土] [--threshold N] [--no-pick]\n"
                   "           [--show names|pane|high-score]\n"
                   "                           a generation run: names in display order, the all-names pane\n"
                   "                           or the high-score list",
                   Generate);

}  // namespace mirevo::cli
