// analyse --surname S --given G [--sex 男|女] [--lunar] [--year Y] [--month M]
//         [--day D] [--hour "子 0"] [--minute M] [--today yyyy-mm-dd]
// The analysis pane after the analysis: the birth header and the name report.
// Defaults are the analysis window's own; --today fixes the clock for the age.
#include <iostream>

#include "analysis/core/name_analysis.h"
#include "cli/cli.h"

namespace mirevo::cli {
namespace {

int Analyse(const std::vector<std::string>& argv, Output& out) {
  Args args(argv, {"surname", "given", "sex", "year", "month", "day", "hour", "minute", "today"}, {"lunar"});
  if (!args.positionals().empty()) throw UsageError("unexpected argument " + args.positionals().front());
  const std::string sex = args.ValueOr("sex", "男");
  if (sex != "男" && sex != "女") throw UsageError("--sex is 男 or 女");
  CivilDate today = Today();
  if (auto text = args.Value("today")) {
    const std::optional<DateValue> date = ParseShortDate(*text);
    if (!date) throw UsageError("--today wants a date yyyy-mm-dd, not '" + *text + "'");
    today = DecodeDate(*date);
  }

  AnalysisRequest request;
  request.surname = ToGbkArg(args.ValueOr("surname", ""));
  request.given = ToGbkArg(args.ValueOr("given", ""));
  request.birth.calendar_index = args.Flag("lunar") ? 1 : 0;
  request.birth.year = ToGbkArg(args.ValueOr("year", "1980"));
  request.birth.month = ToGbkArg(args.ValueOr("month", "1"));
  request.birth.day = ToGbkArg(args.ValueOr("day", "1"));
  request.birth.hour_item = ToGbkArg(args.ValueOr("hour", "子 0"));
  request.birth.minute = ToGbkArg(args.ValueOr("minute", "0"));
  request.birth.sex = ToGbkArg(sex);

  const AnalysisOutcome outcome = AnalyseName(request, today);
  if (!outcome.message.empty()) throw InputError(outcome.message.ToUtf8());
  out.Lines(outcome.lines);
  if (!outcome.error.empty()) {
    std::cerr << outcome.error << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

MIREVO_CLI_COMMAND("analyse",
                   "analyse --surname S --given G [--sex 男|女] [--lunar] [--year Y] [--month M] [--day D]\n"
                   "          [--hour \"子 0\"] [--minute M] [--today yyyy-mm-dd]   the name analysis",
                   Analyse);

}  // namespace mirevo::cli
