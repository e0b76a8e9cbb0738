// The five grids of a name (天格 人格 地格 总格 外格) and its three talents (三才).
//
// The grid numbers come from the stroke counts of the characters. Each
// computation exists for stroke counts (pure, used by the build tool that scores
// the stroke combinations) and for texts (stroke counts from the dictionary).
#pragma once

#include <optional>

#include "app/core/gbk.h"

namespace mirevo {

// The number by which a grid is asked for; also the column of the number points.
enum class GridKind : int { kHeaven = 0, kEarth = 1, kPerson = 2, kTotal = 3, kOuter = 4 };

struct FiveGrids {
  int heaven = 0;  // 天格
  int person = 0;  // 人格
  int earth = 0;   // 地格
  int total = 0;   // 总格
  int outer = 0;   // 外格
  int Of(GridKind kind) const;
  friend bool operator==(const FiveGrids&, const FiveGrids&) = default;
};

// The stroke counts of a name and its shape. A part of at most 2 bytes is one
// character; a longer part is two (bytes 1–2 and 3–4).
struct NameStrokes {
  bool two_char_surname = false;
  bool two_char_given = false;
  // Both parts are exactly one double-byte character (2 bytes each): 外格 is 2.
  bool single_pair = false;
  int s1 = 0, s2 = 0;  // surname characters
  int g1 = 0, g2 = 0;  // given-name characters
};

// The shape of a name form 11, 12, 21 or 22 (surname characters × 10 + given-name
// characters) with its stroke counts; the counts of absent positions are ignored.
NameStrokes FormStrokes(int form_code, int s1, int s2, int g1, int g2);
// The strokes of a name from the dictionary (one-shot StrokeCount; a character the
// dictionary lacks counts 0).
NameStrokes NameStrokesOf(const Gbk& surname, const Gbk& given);

int ComputeGrid(const NameStrokes& name, GridKind kind);
FiveGrids ComputeFiveGrids(const NameStrokes& name);
int ComputeGrid(const Gbk& surname, const Gbk& given, GridKind kind);
FiveGrids ComputeFiveGrids(const Gbk& surname, const Gbk& given);

// The element of a grid number by its last digit: 1 2 木, 3 4 火, 5 6 土, 7 8 金, 9 0 水.
const Gbk& GridElement(int number);

// The three-talent configuration: the elements of 天格, 人格 and 地格 (6 bytes).
using TalentConfig = Gbk;
TalentConfig MakeTalentConfig(int heaven, int person, int earth);
inline TalentConfig MakeTalentConfig(const FiveGrids& g) { return MakeTalentConfig(g.heaven, g.person, g.earth); }

// Points of a three-talent grade: 1 → 20, 2 → 18, 3 → 16, 4 → 15, 5 → 14, 6 → 13,
// 7 → 12, any other grade −1.
double TalentGradePoints(long long grade);
// Points of a configuration by its grade in table sancai of KelFile.dll; −1 when
// the table has no row for it. A database error stops the analysis silently
// (AnalysisAborted).
double TalentConfigPoints(const TalentConfig& config);

// The reading texts of a configuration (table sancai2009), each trimmed.
struct TalentReading {
  Gbk yy, jcy, jx1, cgy, jx2, rjgx, jx3, xg;
};
// std::nullopt when the table has no row for it. A database error reaches the
// caller as DbError.
std::optional<TalentReading> TalentConfigReading(const TalentConfig& config);

}  // namespace mirevo
