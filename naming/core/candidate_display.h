// How a run's candidates are shown: every name in the all-names pane, seven to a
// row, and the high-scoring ones in the high-score list. The window feeds the
// names in and takes the new pane lines and list names out in batches.
#pragma once

#include <optional>
#include <vector>

#include "app/core/gbk.h"

namespace mirevo {

// What showing a name reads of the window at that moment: whether high scores
// are picked (CBInitFee) and the threshold text (Sorcss).
struct Picking {
  bool enabled = true;
  Gbk threshold;
};

// Whether a candidate such as 张伟明(95分) belongs in the high-score list: any
// name holding "100" does; otherwise the two bytes after its first "(" are the
// score, which must reach the threshold. std::nullopt when the score or the
// threshold is no whole number.
std::optional<bool> IsHighScore(const Gbk& candidate, const Gbk& threshold);

// A name of 10 to 15 bytes padded with blanks to 16; other lengths as they are.
Gbk PaddedForPane(const Gbk& candidate);

// The given name of a listed candidate: the full name (up to its first "("; empty
// without one) after as many bytes as `surname` has, at most 20 bytes, trimmed.
// A cut that would fall inside a double-byte character moves to its end, so a
// surname of odd byte length never splits a character.
Gbk GivenNameOf(const Gbk& listed, const Gbk& surname);

class CandidateDisplay {
 public:
  static constexpr int kNamesPerRow = 7;

  // A run starts: the unfinished row and anything not yet taken are dropped.
  void StartRun();
  // Shows one candidate. Returns false when its score or the threshold cannot be
  // read: the name is then neither shown nor listed, and the run must end.
  bool Show(const Gbk& candidate, const Picking& picking);
  // The run has ended: its last, unfinished row becomes a pane line too.
  void FinishRun();

  // The pane lines and high-score names added since the last take, in order.
  std::vector<Gbk> TakePaneLines();
  std::vector<Gbk> TakeHighScores();

  // Names shown and picked in this run.
  long long shown() const { return shown_; }
  long long picked() const { return picked_; }

 private:
  Gbk row_;
  int in_row_ = 0;
  std::vector<Gbk> lines_;
  std::vector<Gbk> high_scores_;
  long long shown_ = 0;
  long long picked_ = 0;
};

}  // namespace mirevo
