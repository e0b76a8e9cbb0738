#include "analysis/core/name_analysis.h"

#include "analysis/core/name_report.h"

namespace mirevo {

AnalysisOutcome AnalyseName(const AnalysisRequest& request, const CivilDate& today) {
  AnalysisOutcome outcome;
  HeaderOutcome checked = MakeBirthHeader(request, today);
  if (!checked.header) {
    outcome.message = checked.message;
    return outcome;
  }
  outcome.lines = checked.header->lines;
  NameReport report = BuildNameReport(checked.header->surname, checked.header->given);
  outcome.lines.insert(outcome.lines.end(), report.lines.begin(), report.lines.end());
  outcome.error = std::move(report.error);
  outcome.header = std::move(checked.header);
  return outcome;
}

}  // namespace mirevo
