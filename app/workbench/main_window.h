// The main window, which is also the naming workbench.
#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/core/birth_moment.h"
#include "app/workbench/workbench_controls.h"
#include "data/core/naming_db.h"

class QDialog;

namespace mirevo {

class NamingWorkbench;
class PictureButton;

class TFrmZiveda : public QWidget {
  Q_OBJECT
 public:
  explicit TFrmZiveda(QWidget* parent = nullptr);
  ~TFrmZiveda() override;

  WorkbenchControls& controls() { return c_; }
  NamingDatabase& naming_db() { return *db_; }
  NamingWorkbench* naming() { return naming_; }

  // The close-down routine: stops a running generation, closes the queries and
  // the connection, deletes Dazezed.ldb beside the databases and ends the program.
  void CloseDown();
  // What ends the program after close-down (tests replace it).
  static void SetExitHook(std::function<void()> hook);

  PictureButton* picture(const char* name) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void BuildControls();
  void BuildPictureButtons();
  void Image6Click();
  void Image13Click();
  void Image14Click();
  void MinimiseApplication();

  WorkbenchControls c_;
  std::unique_ptr<NamingDatabase> db_;
  NamingWorkbench* naming_ = nullptr;
  std::unique_ptr<QDialog> calendar_;
  std::unique_ptr<QDialog> service_info_;
  QWidget* drag_strip_ = nullptr;
  QPoint drag_offset_;
  bool dragging_ = false;
  bool closed_down_ = false;
};

}  // namespace mirevo
