#include "naming/ui/generation_worker.h"

namespace mirevo {

namespace {

// Names go over in groups of this many.
constexpr std::size_t kNamesPerHandOver = 256;

}  // namespace

bool HandOver::Push(std::vector<DisplayRequest>& requests) {
  std::lock_guard lock(mutex_);
  const bool was_empty = queue_.empty();
  if (was_empty) {
    queue_.swap(requests);
  } else {
    queue_.insert(queue_.end(), std::make_move_iterator(requests.begin()), std::make_move_iterator(requests.end()));
  }
  requests.clear();
  return was_empty;
}

void HandOver::TakeAll(std::vector<DisplayRequest>& into) {
  into.clear();
  std::lock_guard lock(mutex_);
  into.swap(queue_);
}

class TMythread::Sink : public RunSink {
 public:
  explicit Sink(TMythread& worker) : worker_(worker) {}
  void StartRun() override { worker_.Send(DisplayRequest::Of(DisplayRequest::kStartRun)); }
  void ClearHighScores() override { worker_.Send(DisplayRequest::Of(DisplayRequest::kClearHighScores)); }
  void QueryStarted(int batch, int batches) override {
    DisplayRequest r = DisplayRequest::Of(DisplayRequest::kQueryStarted);
    r.batch = batch;
    r.batches = batches;
    worker_.Send(std::move(r));
  }
  void Candidate(Gbk name) override {
    DisplayRequest r;
    r.name = std::move(name);
    worker_.Send(std::move(r));
  }

 private:
  TMythread& worker_;
};

TMythread::TMythread(Query& run_query, RunInputs inputs, const std::atomic<bool>& run_flag, HandOver& hand_over,
                     QObject* parent)
    : QThread(parent), run_query_(run_query), inputs_(std::move(inputs)), run_flag_(run_flag), hand_over_(hand_over) {}

TMythread::~TMythread() { wait(); }

void TMythread::Send(DisplayRequest request) {
  const bool name = request.kind == DisplayRequest::kCandidate;
  waiting_.push_back(std::move(request));
  if (!name || waiting_.size() >= kNamesPerHandOver) SendWaiting();
}

void TMythread::SendWaiting() {
  if (!waiting_.empty() && hand_over_.Push(waiting_)) emit RequestsWaiting();
}

void TMythread::run() {
  Sink sink(*this);
  DisplayRequest ended = DisplayRequest::Of(DisplayRequest::kEnded);
  ended.outcome = std::make_unique<RunOutcome>(GenerateNames(run_query_, inputs_, run_flag_, sink));
  Send(std::move(ended));
}

}  // namespace mirevo
