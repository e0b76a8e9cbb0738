// The character element lookup window.
#pragma once

#include <QDialog>

#include "data/core/refdb.h"

class QLabel;
class QPushButton;

namespace mirevo {

class ByteLimitedEdit;

// TFrmWuxing: the elements of up to five typed characters, looked up in the
// dictionary through the workbench's plan query.
class TFrmWuxing : public QDialog {
  Q_OBJECT
 public:
  TFrmWuxing(QWidget* parent, Query& plan_query);

  QLabel* Label1 = nullptr;
  ByteLimitedEdit* Wuxing = nullptr;  // the characters to look up, at most 10 bytes
  QPushButton* RzBitBtn1 = nullptr;   // 查看
  QLabel* Label2 = nullptr;
  ByteLimitedEdit* Reswu = nullptr;   // the elements found
  QPushButton* RzBitBtn2 = nullptr;   // 关闭

  void RzBitBtn1Click();

 private:
  Query& plan_query_;
};

// Opens the lookup modally; its lookups run on the workbench's plan query. The
// window frees itself when it closes.
void OpenElementLookup(QWidget* parent, Query& plan_query);

}  // namespace mirevo
