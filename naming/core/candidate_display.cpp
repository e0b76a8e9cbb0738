#include "naming/core/candidate_display.h"

#include <utility>

namespace mirevo {

std::optional<bool> IsHighScore(const Gbk& candidate, const Gbk& threshold) {
  if (candidate.Contains(Gbk::Ascii("100"))) return true;
  std::optional<int> score = TryParseInt(candidate.Slice(candidate.Pos(Gbk::Ascii("(")) + 1, 2));
  std::optional<int> limit = TryParseInt(threshold.Trimmed());
  if (!score || !limit) return std::nullopt;
  return *score >= *limit;
}

Gbk PaddedForPane(const Gbk& candidate) {
  return candidate.size() >= 10 && candidate.size() <= 15 ? candidate.PaddedTo(16) : candidate;
}

void CandidateDisplay::StartRun() {
  row_ = Gbk();
  in_row_ = 0;
  lines_.clear();
  high_scores_.clear();
  shown_ = picked_ = 0;
}

bool CandidateDisplay::Show(const Gbk& candidate, const Picking& picking) {
  const Gbk name = candidate.Trimmed();
  if (picking.enabled) {
    std::optional<bool> high = IsHighScore(name, picking.threshold);
    if (!high) return false;
    if (*high) {
      high_scores_.push_back(name);
      ++picked_;
    }
  }
  row_ += PaddedForPane(name);
  ++shown_;
  if (++in_row_ == kNamesPerRow) {
    lines_.push_back(std::move(row_));
    row_ = Gbk();
    in_row_ = 0;
  }
  return true;
}

void CandidateDisplay::FinishRun() {
  if (in_row_ == 0) return;
  lines_.push_back(std::move(row_));
  row_ = Gbk();
  in_row_ = 0;
}

std::vector<Gbk> CandidateDisplay::TakePaneLines() { return std::exchange(lines_, {}); }
std::vector<Gbk> CandidateDisplay::TakeHighScores() { return std::exchange(high_scores_, {}); }

}  // namespace mirevo
