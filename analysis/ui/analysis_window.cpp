#include "analysis/ui/analysis_window.h"

namespace mirevo {

void OpenNameAnalysis(QWidget*, const AnalysisHandOver&) {}

}  // namespace mirevo
