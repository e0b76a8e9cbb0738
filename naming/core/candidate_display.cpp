#include "naming/core/candidate_display.h"

#include <algorithm>
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

namespace {

// The first character boundary at or after byte offset `offset` (0-based): a
// byte from 0x81 on leads a double-byte character.
std::size_t BoundaryFrom(const std::string& bytes, std::size_t offset) {
  std::size_t at = 0;
  while (at < offset && at < bytes.size()) at += static_cast<unsigned char>(bytes[at]) >= 0x81 ? 2 : 1;
  return std::min(at, bytes.size());
}

}  // namespace

Gbk GivenNameOf(const Gbk& listed, const Gbk& surname) {
  const std::size_t open = listed.Pos(Gbk::Ascii("("));
  const std::string full = open == 0 ? std::string() : listed.bytes().substr(0, open - 1);
  const std::size_t start = BoundaryFrom(full, surname.size());
  const std::string rest = full.substr(start);
  // At most 20 bytes, cut back to a boundary when the 20th byte leads a character.
  std::size_t end = 0;
  while (end < rest.size()) {
    const std::size_t width = static_cast<unsigned char>(rest[end]) >= 0x81 ? 2 : 1;
    if (end + width > 20) break;
    end += width;
  }
  return Gbk(rest.substr(0, end)).Trimmed();
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
