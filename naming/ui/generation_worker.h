// The generation worker (TMythread) and the hand-over of its requests to the
// user-interface thread: the worker queues them and never waits; the window
// drains the queue in order, in slices, on its own thread.
#pragma once

#include <QThread>
#include <atomic>
#include <mutex>
#include <vector>

#include "naming/core/generation_run.h"

namespace mirevo {

// One request of a run to the display, in the order the run made it.
struct DisplayRequest {
  enum Kind { kStartRun, kClearHighScores, kQueryStarted, kCandidate, kEnded };
  Kind kind = kCandidate;
  Gbk name;            // kCandidate
  int batch = 0;       // kQueryStarted
  int batches = 0;
  RunOutcome outcome;  // kEnded

  static DisplayRequest Of(Kind kind) {
    DisplayRequest r;
    r.kind = kind;
    return r;
  }
};

class HandOver {
 public:
  // Queues a request; true when the queue was empty, so the reader must be told.
  bool Push(DisplayRequest request);
  // Everything queued so far, in order.
  std::vector<DisplayRequest> TakeAll();

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
  void Send(DisplayRequest request);

  Query& run_query_;
  const RunInputs inputs_;
  const std::atomic<bool>& run_flag_;
  HandOver& hand_over_;
};

}  // namespace mirevo
