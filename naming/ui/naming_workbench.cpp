#include "naming/ui/naming_workbench.h"

#include <QWidget>

namespace mirevo {

NamingWorkbench::NamingWorkbench(QWidget* window, WorkbenchControls& controls, NamingDatabase& db)
    : QObject(window), window_(window), c_(controls), db_(db) {}

NamingWorkbench::~NamingWorkbench() = default;

void NamingWorkbench::Shutdown() {}

}  // namespace mirevo
