// The naming handlers of the workbench: stroke plans, the generation run and the
// high-score list.
#pragma once

#include <QObject>

#include "app/workbench/workbench_controls.h"
#include "data/core/naming_db.h"

class QWidget;

namespace mirevo {

class NamingWorkbench : public QObject {
  Q_OBJECT
 public:
  NamingWorkbench(QWidget* window, WorkbenchControls& controls, NamingDatabase& db);
  ~NamingWorkbench() override;

  // Close-down: stops a running generation (run flag off, query interrupted) and
  // waits for the worker to end.
  void Shutdown();

 private:
  QWidget* window_;
  WorkbenchControls& c_;
  NamingDatabase& db_;
};

}  // namespace mirevo
