// One press of the analysis button: the checks, the birth header and the report,
// as the analysis pane shows them.
#pragma once

#include <optional>
#include <string>

#include "analysis/core/birth_header.h"
#include "app/core/report_file.h"

namespace mirevo {

struct AnalysisOutcome {
  // A failed check: its message, for the information box; the pane stays as it was.
  Gbk message;
  // The request as checked (names trimmed, the Gregorian birth date).
  std::optional<BirthHeader> header;
  // The pane's new lines: the five header lines and the report below them.
  ReportLines lines;
  // Set when the three-talent reading could not be read (UTF-8), for the error
  // box; `lines` then hold what was written before.
  std::string error;
};

AnalysisOutcome AnalyseName(const AnalysisRequest& request, const CivilDate& today);

}  // namespace mirevo
