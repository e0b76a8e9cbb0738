// The chart picture button: the eight-characters chart of the workbench's birth
// data, written into REbazi and shown in a new note window.
#pragma once

#include "app/workbench/workbench_controls.h"

class QWidget;

namespace mirevo {

void PrintChart(QWidget* window, WorkbenchControls& controls);

}  // namespace mirevo
