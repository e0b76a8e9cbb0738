// The body of a name analysis: the overall score (综合评分), the reading of each
// grid number, the three-talent reading, the hints, the verdict and the closing
// lines.
#pragma once

#include <string>

#include "analysis/core/five_grids.h"
#include "app/core/gbk.h"
#include "app/core/report_file.h"

namespace mirevo {

// The score of a name computed from its grids: the points of 天格 地格 人格 总格 外格
// by their number classes plus the points of the three-talent configuration.
// 100 at best; a multiple of 0.5.
double ComputedScore(const FiveGrids& grids, double config_points);

// The stored score of the name's stroke combination (table zh) when there is one,
// otherwise ComputedScore with the configuration's grade from table sancai.
// Throws AnalysisAborted when that grade cannot be read.
double NameScore(const Gbk& surname, const Gbk& given);

// The shortest decimal text of a score: 85, 92.5.
inline Gbk ScoreText(double score) { return RealText(score); }

// The verdict line of a score, by the bands 90, 80, 70 and 60 (each inclusive below).
const Gbk& ScoreVerdict(double score);

const Gbk& ReportSeparator();     // between the sections
const Gbk& ReportClosingLine();   // the last line

struct NameReport {
  ReportLines lines;
  // Set when the three-talent reading could not be read: the database's message
  // (UTF-8), which the window shows in the error box; `lines` then end before
  // the three-talent section.
  std::string error;
};

// The report lines of a name (surname and given name trimmed, one or two
// characters each). Nothing when either is empty. A database that fails on the
// three-talent grade gives no lines; one that fails on table 81 ends the lines
// where it failed; both without a message.
NameReport BuildNameReport(const Gbk& surname, const Gbk& given);

}  // namespace mirevo
