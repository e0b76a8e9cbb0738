// The naming handlers of the workbench: stroke plans, the generation run and the
// high-score list.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "analysis/ui/analysis_window.h"
#include "app/workbench/workbench_controls.h"
#include "data/core/naming_db.h"
#include "naming/core/candidate_display.h"
#include "naming/core/generation_run.h"
#include "naming/core/stroke_plans.h"
#include "naming/ui/generation_worker.h"

class QWidget;

namespace mirevo {

class NameListModel;

class NamingWorkbench : public QObject {
  Q_OBJECT
 public:
  NamingWorkbench(QWidget* window, WorkbenchControls& controls, NamingDatabase& db);
  ~NamingWorkbench() override;

  // Close-down: stops a running generation (run flag off, query interrupted) and
  // waits for the worker to end. Afterwards the handlers do nothing.
  void Shutdown();

  // Whether a run is going on or waiting for the earlier one to end.
  bool Busy() const { return running_ || pending_.has_value(); }
  // The name form of the last rebuild of the stroke plans.
  NameFormCode name_form() const { return name_form_; }
  NameListModel* high_scores() const { return high_scores_; }

  // Tests replace the analysis window.
  using AnalysisOpener = std::function<void(QWidget*, const AnalysisHandOver&)>;
  static void SetAnalysisOpener(AnalysisOpener opener);

 signals:
  // A run has ended and everything it showed is in the panes.
  void RunEnded();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Handlers of the workbench controls.
  void XingExit();
  void CBsexClick();
  void CBXingshiClick();
  void CBzhishukongzClick();
  void CBdijiziClick();
  void GudingziExit();
  void CBFeeXXClick();
  void ZuidiFeeExit();
  void SorcssExit();
  void Button1Click();
  void Button3Click();
  void Button6Click();
  void ListBox1DblClick();

  // The inputs as the controls hold them; std::nullopt (after a message) when a
  // text cannot be held in GBK.
  std::optional<WorkbenchInputs> ReadInputs();
  std::optional<RunInputs> ReadRunInputs();
  Picking ReadPicking() const;
  void RebuildPlans();

  void StartRun(RunInputs inputs);
  void ScheduleDrain();
  void Drain();
  void Handle(DisplayRequest& request, const Picking& picking);
  void TakeDisplayOutput();
  bool OutputPending() const { return !pane_out_.empty() || !high_out_.empty(); }
  void Flush();
  void EndRun(const RunOutcome& outcome);
  void ShowProgress(bool force);

  QWidget* window_;
  WorkbenchControls& c_;
  NamingDatabase& db_;
  NameListModel* high_scores_;
  NameFormCode name_form_;

  // The run: its flag, shared with the worker, the worker itself and a run that
  // waits for it to end.
  std::atomic<bool> run_flag_{false};
  HandOver hand_over_;
  std::unique_ptr<TMythread> worker_;
  std::optional<RunInputs> pending_;
  bool running_ = false;
  bool shut_down_ = false;

  // The display side of the run.
  CandidateDisplay display_;
  std::vector<DisplayRequest> backlog_;
  std::vector<DisplayRequest> incoming_;
  std::size_t backlog_at_ = 0;
  // Pane lines and list names made but not yet in the widgets.
  std::deque<Gbk> pane_out_;
  std::deque<Gbk> high_out_;
  // Drains in the timer phase of the event loop, at most once per pass, so that
  // input, painting and other timers always get their turn in between.
  QTimer drain_timer_;
  QTimer flush_timer_;
  QElapsedTimer flush_clock_;
  bool abandoned_ = false;  // a name could not be shown: the rest is dropped
  Gbk unreadable_;          // that name
  int batch_ = 0;
  int batches_ = 0;
  bool no_plans_ = false;
  QElapsedTimer progress_clock_;
};

}  // namespace mirevo
