// The controls of the naming workbench (the main window), for the handlers of the
// subsystems that work on them. Every pointer is owned by the main window.
#pragma once

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;

namespace mirevo {

class ByteLimitedEdit;

struct WorkbenchControls {
  QLineEdit* Xing = nullptr;          // surname
  QComboBox* CBsex = nullptr;         // 男, 女
  QComboBox* ComDate = nullptr;       // 公历, 农历
  QComboBox* SYear = nullptr;         // "1900" … "2040", editable
  QComboBox* SMonth = nullptr;        // "01" … "12", editable
  QComboBox* Sday = nullptr;          // "01" … "31", editable
  QComboBox* Shour = nullptr;         // "子 0" … "子 23", editable
  QComboBox* CBFen = nullptr;         // "00" … "59", editable
  QComboBox* CBXingshi = nullptr;     // 双字名, 单字名
  QComboBox* CBCode = nullptr;        // "电脑全自动" and the stroke plans
  QCheckBox* CBzhishukongz = nullptr; // a fixed character is wanted
  QComboBox* CBdijizi = nullptr;      // 第二字, 第三字
  ByteLimitedEdit* Gudingzi = nullptr;  // the fixed character, at most 2 bytes
  QCheckBox* CBFeeXX = nullptr;       // only plans of at least the minimum score
  QLineEdit* ZuidiFee = nullptr;      // minimum plan score, "90"
  QCheckBox* CBInitFee = nullptr;     // pick high-scoring names
  QLineEdit* Sorcss = nullptr;        // high-score threshold, "75"
  QPushButton* Button1 = nullptr;     // 立即取名
  QPushButton* Button3 = nullptr;     // 停止取名
  QPushButton* Button6 = nullptr;     // 复制高分
  QPushButton* Button2 = nullptr;     // 关闭
  QPlainTextEdit* MemoSuccess = nullptr;  // all generated names, seven to a row
  QListView* ListBox1 = nullptr;      // high-score names
  QLabel* Progress = nullptr;         // progress of a generation run
  // Element filter boxes, below the visible area; nothing checks them.
  QCheckBox* CBjin = nullptr;
  QCheckBox* CBMu = nullptr;
  QCheckBox* CBshui = nullptr;
  QCheckBox* CBhuo = nullptr;
  QCheckBox* CBTu = nullptr;
  QPlainTextEdit* MemoSave = nullptr; // hidden staging memo
  QTextEdit* REbazi = nullptr;        // hidden pane the chart is written into
};

}  // namespace mirevo
