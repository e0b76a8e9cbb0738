// The name analysis window.
#pragma once

#include <QString>

class QWidget;

namespace mirevo {

// What the workbench hands over, as its controls show it.
struct AnalysisHandOver {
  QString surname;   // trimmed 姓 text
  QString sex;       // 男 or 女
  QString year;
  QString month;
  QString day;
  QString hour;      // hour item, e.g. "子 0"
  QString minute;
  int calendar_index = 0;  // 0 公历, 1 农历
  QString given;     // empty when none
};

// Opens the analysis window modally with these inputs; returns when it closes.
void OpenNameAnalysis(QWidget* parent, const AnalysisHandOver& inputs);

}  // namespace mirevo
