#include "analysis/core/name_report.h"

#include <array>

#include "analysis/core/analysis_abort.h"
#include "analysis/core/numbers.h"
#include "data/core/lookups.h"
#include "data/core/refdb.h"

namespace mirevo {
namespace {

// The grids in the order of both numbered sections of the report, with the fixed
// text of each grid's reading head.
struct GridSection {
  GridKind kind;
  Gbk name;
  Gbk reading_head;  // follows "【" name number
};

const std::array<GridSection, 5>& Sections() {
  static const std::array<GridSection, 5> sections = {{
      {GridKind::kHeaven, Gbk::FromUtf8("天格"),
       Gbk::FromUtf8("的解析】：天格数是先祖留传下来的，其数理对人影响不大。")},
      {GridKind::kPerson, Gbk::FromUtf8("人格"),
       Gbk::FromUtf8("的解析】：人格数又称主运，是整个姓名的中心点，影响人的一生命运。")},
      {GridKind::kEarth, Gbk::FromUtf8("地格"),
       Gbk::FromUtf8("的解析】：地格数又称前运，影响人生（49岁）以前的命运。")},
      {GridKind::kTotal, Gbk::FromUtf8("总格"),
       Gbk::FromUtf8("的解析】：总格又称后运，影响人生（50岁）以后的命运。 ")},
      {GridKind::kOuter, Gbk::FromUtf8("外格"),
       Gbk::FromUtf8("的解析】：外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。")},
  }};
  return sections;
}

double ScoreOf(const Gbk& surname, const Gbk& given, const FiveGrids& grids, const TalentConfig& config) {
  const int stored =
      StrokeComboScore(surname.Slice(1, 2), surname.Slice(3, 2), given.Slice(1, 2), given.Slice(3, 2));
  if (stored != 0) return stored;
  return ComputedScore(grids, TalentConfigPoints(config));
}

void AppendTalentSection(ReportLines& lines, const TalentConfig& config, const TalentReading& r) {
  lines.push_back(ReportSeparator());
  lines.push_back(GBK("【三才数理分析】：您的姓名三才配置为：") + config +
                  GBK("。它具有如下数理诱导力，据此会对人生产生一定的影响。"));
  lines.push_back(r.yy);
  lines.push_back(GBK("【对基础运的影响】：") + r.jcy + r.jx1);
  lines.push_back(GBK("【对成功运的影响】：") + r.cgy + r.jx2);
  lines.push_back(GBK("【对人际关系的影响】：") + r.rjgx + r.jx3);
  lines.push_back(GBK("【对性格的影响】：") + r.xg);
}

}  // namespace

double ComputedScore(const FiveGrids& g, double config_points) {
  return NumberPoints(g.heaven, GridKind::kHeaven) + NumberPoints(g.earth, GridKind::kEarth) +
         NumberPoints(g.person, GridKind::kPerson) + NumberPoints(g.total, GridKind::kTotal) +
         NumberPoints(g.outer, GridKind::kOuter) + config_points;
}

double NameScore(const Gbk& surname, const Gbk& given) {
  const FiveGrids grids = ComputeFiveGrids(surname, given);
  return ScoreOf(surname, given, grids, MakeTalentConfig(grids));
}

const Gbk& ScoreVerdict(double score) {
  if (score >= 90)
    return GBK("【总评及建议】:你的名字起得非常棒，如果与命理搭配得当，成功与惊喜将会伴随你的一生。但千万注意不要失去上进心。");
  if (score >= 80) return GBK("【总评及建议】:你的名字起得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！");
  if (score >= 70)
    return GBK("【总评及建议】:你的名字可能不太理想，要想赢得成功，必须比别人付出更多的艰辛和汗水。如果有条件，改个名字也未尝不可。");
  if (score >= 60)
    return GBK("【总评及建议】:你的名字可能不太好，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。");
  return GBK("【总评及建议】:你的名字可能不是很好。强烈建议你换个名字试试，也许人生会因此而改变的。");
}

const Gbk& ReportSeparator() {
  return GBK("<-----------------------名字分析内容分隔线----------------------------->");
}

const Gbk& ReportClosingLine() {
  return GBK("<-----------------------以上分析内容只作参考----------------------------->");
}

NameReport BuildNameReport(const Gbk& surname, const Gbk& given) {
  NameReport report;
  if (surname.empty() || given.empty()) return report;
  ReportLines& lines = report.lines;
  try {
    const FiveGrids grids = ComputeFiveGrids(surname, given);
    const TalentConfig config = MakeTalentConfig(grids);
    // The score comes first: a failed grade leaves the report empty.
    const double score = ScoreOf(surname, given, grids, config);
    const Gbk score_text = ScoreText(score);

    lines.push_back(GBK("综合评分: ") + score_text + GBK("分"));
    lines.push_back(ReportSeparator());
    for (const GridSection& s : Sections()) {
      const int number = grids.Of(s.kind);
      lines.push_back(GBK("【") + s.name + Gbk::Number(number) + s.reading_head);
      lines.push_back(NumberText(number, NumberColumn::kReading) + NumberText(number, NumberColumn::kVerdict));
    }

    std::optional<TalentReading> reading;
    try {
      reading = TalentConfigReading(config);
    } catch (const DbError& e) {
      report.error = e.what();
      return report;
    }
    if (reading) AppendTalentSection(lines, config, *reading);

    lines.push_back(ReportSeparator());
    for (const GridSection& s : Sections()) {
      const int number = grids.Of(s.kind);
      lines.push_back(GBK("【") + s.name + Gbk::Number(number) + GBK("数理暗示】："));
      lines.push_back(NumberText(number, NumberColumn::kHint));
    }
    lines.push_back(ReportSeparator());
    lines.push_back(ScoreVerdict(score));
    lines.push_back(GBK("【系统综合评分】: ") + score_text + GBK("分"));
    lines.push_back(Gbk());
    lines.push_back(ReportClosingLine());
  } catch (const AnalysisAborted&) {
  }
  return report;
}

}  // namespace mirevo
