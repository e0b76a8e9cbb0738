#include "naming/ui/naming_workbench.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>

#include "app/ui/byte_limited_edit.h"
#include "app/ui/messages.h"
#include "app/ui/qtgbk.h"
#include "app/ui/report_output.h"
#include "naming/ui/name_list_model.h"

namespace mirevo {
namespace {

// How long one slice of the display may work before the event loop gets its
// turn again, and how often the progress text changes.
constexpr qint64 kSliceMs = 8;
constexpr int kRequestsPerStep = 512;
constexpr qint64 kFlushMs = 50;
constexpr std::size_t kMaxFlushLines = 2000;
constexpr qint64 kProgressMs = 100;
constexpr int kStopButtonPauseMs = 2000;

NamingWorkbench::AnalysisOpener& Opener() {
  static NamingWorkbench::AnalysisOpener opener = [](QWidget* parent, const AnalysisHandOver& h) {
    OpenNameAnalysis(parent, h);
  };
  return opener;
}

bool IsWholeNumber(const QString& text) {
  const QByteArray ascii = text.toUtf8();
  return TryParseInt(std::string_view(ascii.constData(), static_cast<std::size_t>(ascii.size()))).has_value();
}

// Leaving an edit for another control of the window counts as its exit; losing
// the focus to a message box, a menu or another window does not.
bool IsExit(const QEvent* event) {
  if (event->type() != QEvent::FocusOut) return false;
  const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
         reason != Qt::MenuBarFocusReason;
}

// An exit repair: a trimmed text that is not empty and no whole number becomes
// `replacement`.
void RepairWholeNumber(QLineEdit* edit, const char* replacement) {
  const QString text = edit->text().trimmed();
  if (!text.isEmpty() && !IsWholeNumber(text)) edit->setText(QString::fromLatin1(replacement));
}

QString Count(long long n) { return QString::number(n); }

// Adds lines at the end of a plain-text pane. The view stays where the user has
// it (at the first names unless scrolled), which also spares the pane from
// laying out new lines at every repaint.
void AppendLines(QPlainTextEdit* pane, const QString& lines) {
  QTextCursor end(pane->document());
  end.movePosition(QTextCursor::End);
  if (!pane->document()->isEmpty()) end.insertBlock();
  end.insertText(lines);
}

}  // namespace

void NamingWorkbench::SetAnalysisOpener(AnalysisOpener opener) { Opener() = std::move(opener); }

NamingWorkbench::NamingWorkbench(QWidget* window, WorkbenchControls& controls, NamingDatabase& db)
    : QObject(window), window_(window), c_(controls), db_(db), high_scores_(new NameListModel(this)) {
  c_.ListBox1->setModel(high_scores_);
  c_.ListBox1->setUniformItemSizes(true);
  // A single-pass layout redoes every row on each insertion; in batches the
  // view lays out as it goes, and a long list grows cheaply.
  c_.ListBox1->setLayoutMode(QListView::Batched);
  c_.ListBox1->setBatchSize(2000);
  c_.ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  // The pane only ever grows by whole rows; an undo history would double it.
  c_.MemoSuccess->setUndoRedoEnabled(false);

  for (QObject* edit : {static_cast<QObject*>(c_.Xing), static_cast<QObject*>(c_.Gudingzi),
                        static_cast<QObject*>(c_.ZuidiFee), static_cast<QObject*>(c_.Sorcss)})
    edit->installEventFilter(this);
  connect(c_.CBsex, &QComboBox::activated, this, &NamingWorkbench::CBsexClick);
  connect(c_.CBXingshi, &QComboBox::activated, this, &NamingWorkbench::CBXingshiClick);
  connect(c_.CBzhishukongz, &QCheckBox::clicked, this, &NamingWorkbench::CBzhishukongzClick);
  connect(c_.CBdijizi, &QComboBox::activated, this, &NamingWorkbench::CBdijiziClick);
  connect(c_.CBFeeXX, &QCheckBox::clicked, this, &NamingWorkbench::CBFeeXXClick);
  connect(c_.Button1, &QPushButton::clicked, this, &NamingWorkbench::Button1Click);
  connect(c_.Button3, &QPushButton::clicked, this, &NamingWorkbench::Button3Click);
  connect(c_.Button6, &QPushButton::clicked, this, &NamingWorkbench::Button6Click);
  connect(c_.ListBox1, &QListView::doubleClicked, this, &NamingWorkbench::ListBox1DblClick);
  drain_timer_.setSingleShot(true);
  drain_timer_.setInterval(0);
  connect(&drain_timer_, &QTimer::timeout, this, &NamingWorkbench::Drain);
  flush_timer_.setSingleShot(true);
  connect(&flush_timer_, &QTimer::timeout, this, &NamingWorkbench::Flush);
  flush_clock_.start();
  progress_clock_.start();
}

NamingWorkbench::~NamingWorkbench() { Shutdown(); }

void NamingWorkbench::Shutdown() {
  if (shut_down_) return;
  shut_down_ = true;
  pending_.reset();
  run_flag_ = false;
  if (worker_) {
    // The flag stops the fetching; a query that is running when it is cleared is
    // interrupted, and so is one that starts just before the worker sees it.
    while (!worker_->wait(QDeadlineTimer(20))) db_.connection.Interrupt();
    worker_.reset();
  }
  running_ = false;
  drain_timer_.stop();
  flush_timer_.stop();
  hand_over_.TakeAll(incoming_);
  incoming_.clear();
  backlog_.clear();
  backlog_at_ = 0;
  pane_out_.clear();
  high_out_.clear();
  for (QObject* edit : {static_cast<QObject*>(c_.Xing), static_cast<QObject*>(c_.Gudingzi),
                        static_cast<QObject*>(c_.ZuidiFee), static_cast<QObject*>(c_.Sorcss)})
    edit->removeEventFilter(this);
}

bool NamingWorkbench::eventFilter(QObject* watched, QEvent* event) {
  if (!shut_down_ && IsExit(event)) {
    if (watched == c_.Xing) XingExit();
    else if (watched == c_.Gudingzi) GudingziExit();
    else if (watched == c_.ZuidiFee) ZuidiFeeExit();
    else if (watched == c_.Sorcss) SorcssExit();
  }
  return QObject::eventFilter(watched, event);
}

// ---- Stroke plans ----

std::optional<WorkbenchInputs> NamingWorkbench::ReadInputs() {
  WorkbenchInputs in;
  std::optional<Gbk> surname = UserTextToGbk(window_, c_.Xing->text().trimmed());
  if (!surname) return std::nullopt;
  std::optional<Gbk> fixed = UserTextToGbk(window_, c_.Gudingzi->text().trimmed());
  if (!fixed) return std::nullopt;
  std::optional<Gbk> minimum = UserTextToGbk(window_, c_.ZuidiFee->text().trimmed());
  if (!minimum) return std::nullopt;
  in.surname = *surname;
  in.male = c_.CBsex->currentIndex() == 0;
  in.single_given = c_.CBXingshi->currentIndex() != 0;
  in.fixed_wanted = c_.CBzhishukongz->isChecked();
  in.fixed_position = c_.CBdijizi->currentIndex() == 0 ? FixedPosition::kSecond : FixedPosition::kThird;
  in.fixed_character = *fixed;
  in.minimum_wanted = c_.CBFeeXX->isChecked();
  in.minimum_score = *minimum;
  const QCheckBox* boxes[5] = {c_.CBjin, c_.CBMu, c_.CBshui, c_.CBhuo, c_.CBTu};
  for (int i = 0; i < 5; ++i) in.elements[static_cast<std::size_t>(i)] = boxes[i]->isChecked();
  return in;
}

void NamingWorkbench::RebuildPlans() {
  if (shut_down_ || c_.Xing->text().trimmed().isEmpty()) return;
  std::optional<WorkbenchInputs> in = ReadInputs();
  if (!in) return;
  try {
    StrokePlans plans = BuildStrokePlans(db_.plan_query, *in);
    name_form_ = plans.code;
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(plans.entries.size()));
    for (const Gbk& entry : plans.entries) entries << ToQString(entry);
    c_.CBCode->clear();
    c_.CBCode->addItems(entries);
    c_.CBCode->setCurrentIndex(0);
  } catch (const std::exception& e) {
    // A database or conversion error: the old list stays.
    ShowErrorBox(window_, ToQString(std::string(e.what())));
  }
}

void NamingWorkbench::XingExit() { RebuildPlans(); }
void NamingWorkbench::CBsexClick() { RebuildPlans(); }

void NamingWorkbench::CBXingshiClick() {
  const bool single = c_.CBXingshi->currentIndex() == 1;
  if (single) {
    c_.CBzhishukongz->setEnabled(false);
    c_.CBzhishukongz->setChecked(false);
    c_.CBdijizi->setEnabled(false);
    c_.Gudingzi->clear();
  } else {
    c_.CBzhishukongz->setEnabled(true);
    c_.CBdijizi->setEnabled(true);
  }
  RebuildPlans();
}

void NamingWorkbench::CBzhishukongzClick() { RebuildPlans(); }
void NamingWorkbench::CBdijiziClick() { RebuildPlans(); }
void NamingWorkbench::GudingziExit() { RebuildPlans(); }
void NamingWorkbench::CBFeeXXClick() { RebuildPlans(); }

void NamingWorkbench::ZuidiFeeExit() {
  RepairWholeNumber(c_.ZuidiFee, "70");
  RebuildPlans();
}

void NamingWorkbench::SorcssExit() { RepairWholeNumber(c_.Sorcss, "95"); }

// ---- The generation run ----

std::optional<RunInputs> NamingWorkbench::ReadRunInputs() {
  std::optional<WorkbenchInputs> workbench = ReadInputs();
  if (!workbench) return std::nullopt;
  RunInputs run;
  run.workbench = *workbench;
  try {
    run.plan = ToGbk(c_.CBCode->currentText().trimmed());
    for (int i = 1; i < c_.CBCode->count(); ++i) run.plan_entries.push_back(ToGbk(c_.CBCode->itemText(i)));
  } catch (const GbkError& e) {
    ShowInformation(window_, UnencodableMessage(e));
    return std::nullopt;
  }
  return run;
}

Picking NamingWorkbench::ReadPicking() const {
  Picking picking;
  picking.enabled = c_.CBInitFee->isChecked();
  try {
    picking.threshold = ToGbk(c_.Sorcss->text());
  } catch (const GbkError&) {
    // No whole number either: the run ends as for any unreadable threshold.
  }
  return picking;
}

void NamingWorkbench::Button1Click() {
  if (shut_down_) return;
  if (c_.Xing->text().trimmed().isEmpty()) {
    ShowInformation(window_, GBK("姓不能为空!"));
    c_.Xing->setFocus();
    return;
  }
  std::optional<RunInputs> inputs = ReadRunInputs();
  if (!inputs) return;
  if (running_) {
    // The earlier run goes on until it ends by itself or through Stop; only the
    // latest request waits for it.
    pending_ = std::move(*inputs);
    c_.Progress->setText(QStringLiteral("等待上一轮取名结束后开始新的取名……"));
    return;
  }
  StartRun(std::move(*inputs));
}

void NamingWorkbench::StartRun(RunInputs inputs) {
  worker_.reset();  // the earlier worker has ended
  // The flag goes up before the worker starts, so that a Stop pressed right
  // after the start is never overwritten.
  run_flag_ = true;
  running_ = true;
  abandoned_ = false;
  unreadable_ = Gbk();
  batch_ = batches_ = 0;
  no_plans_ = inputs.plan == AutomaticPlan() && inputs.plan_entries.empty();
  worker_ = std::make_unique<TMythread>(db_.run_query, std::move(inputs), run_flag_, hand_over_);
  connect(worker_.get(), &TMythread::RequestsWaiting, this, &NamingWorkbench::ScheduleDrain, Qt::QueuedConnection);
  c_.Progress->setText(QStringLiteral("正在取名……"));
  worker_->start();
}

void NamingWorkbench::ScheduleDrain() {
  if (!shut_down_ && !drain_timer_.isActive()) drain_timer_.start();
}

// One slice of the display: the requests waiting are handled until the slice's
// time is up. What they make goes into the widgets in large appends, whenever
// kMaxFlushLines pane lines are ready and otherwise every kFlushMs: each append
// and each repaint of a pane has a fixed cost, so few large ones keep both the
// window and the run fast.
void NamingWorkbench::Drain() {
  if (shut_down_) return;
  if (backlog_at_ >= backlog_.size()) {
    hand_over_.TakeAll(backlog_);
    backlog_at_ = 0;
  } else {
    hand_over_.TakeAll(incoming_);
    backlog_.erase(backlog_.begin(), backlog_.begin() + static_cast<std::ptrdiff_t>(backlog_at_));
    backlog_at_ = 0;
    backlog_.insert(backlog_.end(), std::make_move_iterator(incoming_.begin()), std::make_move_iterator(incoming_.end()));
    incoming_.clear();
  }
  QElapsedTimer slice;
  slice.start();
  const Picking picking = ReadPicking();
  while (backlog_at_ < backlog_.size() && slice.elapsed() < kSliceMs) {
    for (int n = 0; n < kRequestsPerStep && backlog_at_ < backlog_.size(); ++n) Handle(backlog_[backlog_at_++], picking);
    TakeDisplayOutput();
    // A full batch of lines goes in at once, so the pane keeps up with the run.
    if (pane_out_.size() >= kMaxFlushLines) Flush();
  }
  if (backlog_at_ < backlog_.size()) ScheduleDrain();
  if (OutputPending()) {
    if (flush_clock_.elapsed() >= kFlushMs) Flush();
    else if (!flush_timer_.isActive()) flush_timer_.start(static_cast<int>(kFlushMs - flush_clock_.elapsed()));
  }
  if (running_) ShowProgress(false);
}

void NamingWorkbench::Handle(DisplayRequest& request, const Picking& picking) {
  switch (request.kind) {
    case DisplayRequest::kStartRun:
      pane_out_.clear();
      c_.MemoSuccess->clear();
      display_.StartRun();
      return;
    case DisplayRequest::kClearHighScores:
      high_out_.clear();
      display_.TakeHighScores();
      high_scores_->Clear();
      return;
    case DisplayRequest::kQueryStarted:
      batch_ = request.batch;
      batches_ = request.batches;
      return;
    case DisplayRequest::kCandidate:
      if (abandoned_) return;
      if (!display_.Show(request.name, picking)) {
        // An unreadable score or threshold ends the run: this name and the ones
        // still coming are dropped.
        abandoned_ = true;
        unreadable_ = request.name.Trimmed();
        run_flag_ = false;
      }
      return;
    case DisplayRequest::kEnded:
      EndRun(request.outcome ? *request.outcome : RunOutcome());
      return;
  }
}

void NamingWorkbench::TakeDisplayOutput() {
  for (Gbk& line : display_.TakePaneLines()) pane_out_.push_back(std::move(line));
  for (Gbk& name : display_.TakeHighScores()) high_out_.push_back(std::move(name));
}

// Puts the waiting pane lines (at most kMaxFlushLines) and list names into the
// widgets.
void NamingWorkbench::Flush() {
  flush_timer_.stop();
  flush_clock_.restart();
  if (!pane_out_.empty()) {
    Gbk joined;
    for (std::size_t i = 0; i < kMaxFlushLines && !pane_out_.empty(); ++i) {
      if (i) joined += Gbk::Ascii("\n");
      joined += pane_out_.front();
      pane_out_.pop_front();
    }
    AppendLines(c_.MemoSuccess, ToQString(joined));
  }
  if (!high_out_.empty()) {
    std::vector<Gbk> names(std::make_move_iterator(high_out_.begin()), std::make_move_iterator(high_out_.end()));
    high_out_.clear();
    high_scores_->Append(std::move(names));
  }
  if (OutputPending()) flush_timer_.start(static_cast<int>(kFlushMs));
}

void NamingWorkbench::EndRun(const RunOutcome& outcome) {
  display_.FinishRun();
  TakeDisplayOutput();
  while (OutputPending()) Flush();
  if (worker_) worker_->wait();
  running_ = false;
  const QString counts = QStringLiteral("共列出 %1 个名字，其中高分 %2 个。").arg(Count(display_.shown()), Count(display_.picked()));
  QString text;
  if (abandoned_)
    text = QStringLiteral("取名中断：读不出“%1”的分数或挑选分数线（须为整数）。").arg(ToQString(unreadable_)) + counts;
  else if (outcome.end == RunEnd::kFailed)
    text = QStringLiteral("取名中断：%1。").arg(ToQString(outcome.error)) + counts;
  else if (outcome.end == RunEnd::kStopped)
    text = QStringLiteral("已停止取名：") + counts;
  else if (no_plans_)
    text = QStringLiteral("取名完成：没有可用的笔画方案，未列出名字。");
  else
    text = QStringLiteral("取名完成：") + counts;
  c_.Progress->setText(text);
  emit RunEnded();
  if (pending_) {
    RunInputs next = std::move(*pending_);
    pending_.reset();
    StartRun(std::move(next));
  }
}

void NamingWorkbench::ShowProgress(bool force) {
  if (!force && progress_clock_.elapsed() < kProgressMs) return;
  progress_clock_.restart();
  QString text = QStringLiteral("正在取名");
  if (batches_ > 1) text += QStringLiteral("（第 %1/%2 批方案）").arg(batch_).arg(batches_);
  text += QStringLiteral("：已列出 %1 个名字，其中高分 %2 个").arg(Count(display_.shown()), Count(display_.picked()));
  if (pending_) text += QStringLiteral("；新的取名在本轮结束后开始");
  c_.Progress->setText(text);
}

void NamingWorkbench::Button3Click() {
  c_.Button3->setEnabled(false);
  run_flag_ = false;
  QTimer::singleShot(kStopButtonPauseMs, c_.Button3, [button = c_.Button3] { button->setEnabled(true); });
}

void NamingWorkbench::Button6Click() {
  CopyLinesToClipboard(high_scores_->Lines());
  ShowInformation(window_, GBK("复制成功！"));
}

void NamingWorkbench::ListBox1DblClick() {
  const QModelIndex index = c_.ListBox1->currentIndex();
  if (high_scores_->size() == 0 || !index.isValid()) return;
  try {
    AnalysisHandOver h = HandOverFromWorkbench(c_);
    h.given = ToQString(GivenNameOf(high_scores_->NameAt(index.row()), ToGbk(h.surname)));
    Opener()(window_, h);
  } catch (...) {
    // Errors on the way to the analysis are swallowed.
  }
}

}  // namespace mirevo
