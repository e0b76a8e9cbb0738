#include "chart/ui/chart_action.h"

namespace mirevo {

void PrintChart(QWidget*, WorkbenchControls&) {}

}  // namespace mirevo
