#include "readings/ui/element_window.h"

#include <QLabel>
#include <QPushButton>

#include "app/ui/byte_limited_edit.h"
#include "app/ui/messages.h"
#include "app/ui/qtgbk.h"
#include "readings/core/element_lookup.h"

namespace mirevo {

TFrmWuxing::TFrmWuxing(QWidget* parent, Query& plan_query)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint),
      plan_query_(plan_query) {
  setObjectName(QStringLiteral("TFrmWuxing"));
  setWindowTitle(QStringLiteral("五行查询(最多可以输入5个字)"));
  setFixedSize(323, 116);
  Label1 = new QLabel(QStringLiteral("输入字："), this);
  Label1->setGeometry(16, 20, 64, 20);
  Wuxing = new ByteLimitedEdit(kElementLookupBytes, this);
  Wuxing->setObjectName(QStringLiteral("Wuxing"));
  Wuxing->setGeometry(84, 18, 130, 22);
  RzBitBtn1 = new QPushButton(QStringLiteral("查看"), this);
  RzBitBtn1->setGeometry(228, 17, 76, 25);
  Label2 = new QLabel(QStringLiteral("查看结果："), this);
  Label2->setGeometry(16, 62, 64, 20);
  Reswu = new ByteLimitedEdit(kElementLookupBytes, this);
  Reswu->setObjectName(QStringLiteral("Reswu"));
  Reswu->setGeometry(84, 60, 130, 22);
  RzBitBtn2 = new QPushButton(QStringLiteral("关闭"), this);
  RzBitBtn2->setGeometry(228, 59, 76, 25);
  connect(RzBitBtn1, &QPushButton::clicked, this, &TFrmWuxing::RzBitBtn1Click);
  connect(RzBitBtn2, &QPushButton::clicked, this, &QDialog::close);
}

void TFrmWuxing::RzBitBtn1Click() {
  const std::optional<Gbk> text = UserTextToGbk(this, Wuxing->text());
  if (!text) return;
  try {
    if (const std::optional<Gbk> result = ElementLookupResult(*text, plan_query_)) Reswu->setText(ToQString(*result));
  } catch (const DbError& e) {
    ShowErrorBox(this, ToQString(std::string(e.what())));
  }
}

void OpenElementLookup(QWidget* parent, Query& plan_query) {
  auto* window = new TFrmWuxing(parent, plan_query);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->exec();
}

}  // namespace mirevo
