// The generation worker (TMythread) and the hand-over of its requests to the
// user-interface thread: the worker queues them and never waits; the window
// drains the queue in order, in slices, on its own thread.
#pragma once

#include <QThread>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "naming/core/generation_run.h"

namespace mirevo {

// One request of a run to the display, in the order the run made it.
struct DisplayRequest {
  enum Kind { kStartRun, kClearHighScores, kQueryStarted, kCandidate, kEnded };
  Kind kind = kCandidate;
  int batch = 0;  // kQueryStarted
  int batches = 0;
  Gbk name;       // kCandidate
  std::unique_ptr<RunOutcome> outcome;  // kEnded

  static DisplayRequest Of(Kind kind) {
    DisplayRequest r;
    r.kind = kind;
    return r;
  }
};

class HandOver {
 public:
  // Queues the requests (and empties `requests`); true when the queue was
  // empty, so the reader must be told.
  bool Push(std::vector<DisplayRequest>& requests);
  // Everything queued so far, in order, into the emptied `into`. The two
  // vectors trade places, so their memory is used again.
  void TakeAll(std::vector<DisplayRequest>& into);

 private:
  std::mutex mutex_;
  std::vector<DisplayRequest> queue_;
};

// One generation run on its own thread. It takes its inputs when created, runs
// GenerateNames on the run query and ends with a kEnded request.
class TMythread : public QThread {
  Q_OBJECT
 public:
  TMythread(Query& run_query, RunInputs inputs, const std::atomic<bool>& run_flag, HandOver& hand_over,
            QObject* parent = nullptr);
  ~TMythread() override;

 signals:
  // Requests wait in the hand-over (emitted on the worker's thread).
  void RequestsWaiting();

 protected:
  void run() override;

 private:
  class Sink;
  // Hands the requests on: names in small groups, everything else at once (a
  // query may take long, and the names before it must not wait for it).
  void Send(DisplayRequest request);
  void SendWaiting();

  Query& run_query_;
  const RunInputs inputs_;
  const std::atomic<bool>& run_flag_;
  HandOver& hand_over_;
  std::vector<DisplayRequest> waiting_;
};

}  // namespace mirevo
