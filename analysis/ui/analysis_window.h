// The name analysis window (姓名分析): a surname, a given name and the birth data
// in, the birth header and the name report out, saved or printed from there.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "app/core/datetime.h"
#include "app/core/gbk.h"

class QComboBox;
class QPushButton;
class QShowEvent;
class QTextEdit;
class QWidget;

namespace mirevo {

class ByteLimitedEdit;

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

struct WorkbenchControls;
// The workbench's inputs as the analysis window takes them, with `given` as the
// given name (empty when none).
AnalysisHandOver HandOverFromWorkbench(const WorkbenchControls& controls, const QString& given = QString());

// Opens the analysis window modally with these inputs; returns when it closes.
void OpenNameAnalysis(QWidget* parent, const AnalysisHandOver& inputs);

class TFrmmain : public QDialog {
  Q_OBJECT
 public:
  explicit TFrmmain(QWidget* parent = nullptr);

  // Fills the inputs from the workbench's hand-over.
  void SetInputs(const AnalysisHandOver& inputs);

  // Tests fix the clock that the age is counted from.
  static void SetClockHook(std::function<CivilDate()> today);

  ByteLimitedEdit* NameA = nullptr;  // surname, at most 4 bytes
  ByteLimitedEdit* NameB = nullptr;  // given name, at most 4 bytes
  QComboBox* Sex = nullptr;
  QComboBox* ComDate = nullptr;      // 公历, 农历
  QComboBox* SYear = nullptr;
  QComboBox* SMonth = nullptr;
  QComboBox* Sday = nullptr;
  QComboBox* Shour = nullptr;
  QComboBox* RzComboBox8 = nullptr;  // minute
  QPushButton* RzButton1 = nullptr;      // 姓名分析
  QPushButton* RzBitBtnprint = nullptr;  // 打印
  QPushButton* BitBtnsave = nullptr;     // 保存
  QPushButton* RzBitBtn4 = nullptr;      // 退出
  QTextEdit* RzMemo1 = nullptr;          // the birth header and the report

  void RzButton1Click();      // the analysis
  void dxBarButton2Click();   // save
  void RzBitBtnprintClick();  // print
  void dxBarButton5Click();   // exit

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void FormShow();

  bool shown_ = false;
  // The names of the last analysis, which the save proposes as the file name.
  Gbk surname_;
  Gbk given_;
};

}  // namespace mirevo
