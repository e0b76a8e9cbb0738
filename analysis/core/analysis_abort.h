// The silent stop of an analysis.
#pragma once

#include <stdexcept>

namespace mirevo {

// A lookup whose database failed ends the analysis that asked for it without a
// message; whatever the report holds by then stays. Only BuildNameReport
// catches it.
class AnalysisAborted : public std::runtime_error {
 public:
  AnalysisAborted() : std::runtime_error("analysis stopped") {}
};

}  // namespace mirevo
