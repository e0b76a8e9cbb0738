#include "naming/ui/generation_worker.h"

namespace mirevo {

bool HandOver::Push(DisplayRequest request) {
  std::lock_guard lock(mutex_);
  const bool was_empty = queue_.empty();
  queue_.push_back(std::move(request));
  return was_empty;
}

std::vector<DisplayRequest> HandOver::TakeAll() {
  std::vector<DisplayRequest> taken;
  std::lock_guard lock(mutex_);
  taken.swap(queue_);
  return taken;
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
  if (hand_over_.Push(std::move(request))) emit RequestsWaiting();
}

void TMythread::run() {
  Sink sink(*this);
  DisplayRequest ended = DisplayRequest::Of(DisplayRequest::kEnded);
  ended.outcome = GenerateNames(run_query_, inputs_, run_flag_, sink);
  Send(std::move(ended));
}

}  // namespace mirevo
