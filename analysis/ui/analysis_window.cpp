#include "analysis/ui/analysis_window.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTextCursor>
#include <QTextEdit>

#include "analysis/core/name_analysis.h"
#include "app/ui/byte_limited_edit.h"
#include "app/ui/messages.h"
#include "app/ui/qtgbk.h"
#include "app/ui/report_output.h"
#include "app/workbench/workbench_controls.h"

namespace mirevo {
namespace {

std::function<CivilDate()>& Clock() {
  static std::function<CivilDate()> clock = [] { return Today(); };
  return clock;
}

QStringList Numbers(int from, int to, int width = 1) {
  QStringList out;
  for (int i = from; i <= to; ++i) out << QString::number(i).rightJustified(width, QLatin1Char('0'));
  return out;
}

QStringList HourItems() {
  static const char* branches[] = {"子", "丑", "丑", "寅", "寅", "卯", "卯", "辰", "辰", "巳", "巳", "午",
                                   "午", "未", "未", "申", "申", "酉", "酉", "戌", "戌", "亥", "亥", "子"};
  QStringList out;
  for (int h = 0; h < 24; ++h) out << QString::fromUtf8(branches[h]) + QLatin1Char(' ') + QString::number(h);
  return out;
}

void AddLabel(QWidget* parent, const QString& text, int x, int y, int w) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(x, y, w, 20);
}

QComboBox* AddCombo(QWidget* parent, const char* name, const QStringList& items, const QString& start, bool editable,
                    int x, int y, int w) {
  auto* cb = new QComboBox(parent);
  cb->setObjectName(QString::fromLatin1(name));
  cb->addItems(items);
  cb->setEditable(editable);
  cb->setMaxVisibleItems(20);
  if (editable) {
    cb->setInsertPolicy(QComboBox::NoInsert);
    cb->setCurrentIndex(static_cast<int>(cb->findText(start)));
    cb->setEditText(start);
  } else {
    cb->setCurrentIndex(std::max(0, static_cast<int>(cb->findText(start))));
  }
  cb->setGeometry(x, y, w, 20);
  return cb;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, int x, int y) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  b->setGeometry(x, y, 76, 24);
  return b;
}

// The texts of the inputs as GBK; std::nullopt (after the message) when one of them
// holds a character GBK cannot hold.
std::optional<AnalysisRequest> ReadRequest(TFrmmain* w) {
  AnalysisRequest r;
  const std::pair<Gbk*, QString> fields[] = {
      {&r.surname, w->NameA->text()},           {&r.given, w->NameB->text()},
      {&r.birth.year, w->SYear->currentText()}, {&r.birth.month, w->SMonth->currentText()},
      {&r.birth.day, w->Sday->currentText()},   {&r.birth.hour_item, w->Shour->currentText()},
      {&r.birth.minute, w->RzComboBox8->currentText()}, {&r.birth.sex, w->Sex->currentText()},
  };
  for (const auto& [target, text] : fields) {
    std::optional<Gbk> g = UserTextToGbk(w, text);
    if (!g) return std::nullopt;
    *target = *g;
  }
  r.birth.calendar_index = w->ComDate->currentIndex();
  return r;
}

}  // namespace

void TFrmmain::SetClockHook(std::function<CivilDate()> today) {
  Clock() = today ? std::move(today) : [] { return Today(); };
}

TFrmmain::TFrmmain(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TFrmmain"));
  setWindowTitle(QStringLiteral("姓名分析"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(675, 502);
  QFont font(QStringLiteral("宋体"));
  font.setPixelSize(12);
  setFont(font);
  BuildControls();
}

void TFrmmain::BuildControls() {
  const int band = 10, row = 40;
  AddLabel(this, QStringLiteral("姓"), 8, band, 14);
  NameA = new ByteLimitedEdit(4, this);
  NameA->setObjectName(QStringLiteral("NameA"));
  NameA->setGeometry(24, band, 44, 20);
  AddLabel(this, QStringLiteral("名"), 74, band, 14);
  NameB = new ByteLimitedEdit(4, this);
  NameB->setObjectName(QStringLiteral("NameB"));
  NameB->setGeometry(90, band, 44, 20);
  AddLabel(this, QStringLiteral("姓别"), 140, band, 26);
  Sex = AddCombo(this, "Sex", {QStringLiteral("男"), QStringLiteral("女")}, QStringLiteral("男"), true, 168, band, 46);
  ComDate = AddCombo(this, "ComDate", {QStringLiteral("公历"), QStringLiteral("农历")}, QStringLiteral("公历"), false,
                     220, band, 56);
  SYear = AddCombo(this, "SYear", Numbers(1900, 2040), QStringLiteral("1980"), true, 282, band, 56);
  AddLabel(this, QStringLiteral("年"), 340, band, 14);
  SMonth = AddCombo(this, "SMonth", Numbers(1, 12), QStringLiteral("1"), true, 356, band, 42);
  AddLabel(this, QStringLiteral("月"), 400, band, 14);
  Sday = AddCombo(this, "Sday", Numbers(1, 31), QStringLiteral("1"), true, 416, band, 42);
  AddLabel(this, QStringLiteral("日"), 460, band, 14);
  Shour = AddCombo(this, "Shour", HourItems(), QStringLiteral("子 0"), true, 476, band, 64);
  AddLabel(this, QStringLiteral("时"), 542, band, 14);
  RzComboBox8 = AddCombo(this, "RzComboBox8", Numbers(0, 59, 2), QStringLiteral("0"), true, 558, band, 46);
  AddLabel(this, QStringLiteral("分"), 606, band, 14);

  auto* hint = new QLabel(QStringLiteral("请填写姓名和生日信息，最后点姓名分析测算！"), this);
  hint->setGeometry(8, row + 2, 300, 20);
  hint->setStyleSheet(QStringLiteral("color: navy;"));
  RzButton1 = AddButton(this, "RzButton1", QStringLiteral("姓名分析"), 348, row);
  RzBitBtnprint = AddButton(this, "RzBitBtnprint", QStringLiteral("打印"), 428, row);
  BitBtnsave = AddButton(this, "BitBtnsave", QStringLiteral("保存"), 508, row);
  RzBitBtn4 = AddButton(this, "RzBitBtn4", QStringLiteral("退出"), 588, row);

  RzMemo1 = new QTextEdit(this);
  RzMemo1->setObjectName(QStringLiteral("RzMemo1"));
  RzMemo1->setReadOnly(true);
  RzMemo1->setAcceptRichText(false);
  RzMemo1->setLineWrapMode(QTextEdit::NoWrap);
  RzMemo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RzMemo1->setGeometry(8, 72, 659, 422);

  connect(RzButton1, &QPushButton::clicked, this, &TFrmmain::RzButton1Click);
  connect(RzBitBtnprint, &QPushButton::clicked, this, &TFrmmain::RzBitBtnprintClick);
  connect(BitBtnsave, &QPushButton::clicked, this, &TFrmmain::dxBarButton2Click);
  connect(RzBitBtn4, &QPushButton::clicked, this, &TFrmmain::dxBarButton5Click);
}

void TFrmmain::SetInputs(const AnalysisHandOver& h) {
  NameA->setText(h.surname);
  Sex->setCurrentIndex(h.sex == QStringLiteral("男") ? 0 : 1);
  SYear->setEditText(h.year);
  SMonth->setEditText(h.month);
  Sday->setEditText(h.day);
  Shour->setEditText(h.hour);
  RzComboBox8->setEditText(h.minute);
  ComDate->setCurrentIndex(h.calendar_index == 0 ? 0 : 1);
  NameB->setText(h.given);
}

void TFrmmain::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_ || event->spontaneous()) return;
  shown_ = true;
  if (QScreen* screen = QGuiApplication::primaryScreen()) move(screen->availableGeometry().center() - rect().center());
  FormShow();
}

void TFrmmain::FormShow() {
  if (!NameA->text().trimmed().isEmpty() && !NameB->text().trimmed().isEmpty()) RzButton1Click();
  NameA->setFocus();
}

void TFrmmain::RzButton1Click() {
  const std::optional<AnalysisRequest> request = ReadRequest(this);
  if (!request) return;
  const AnalysisOutcome outcome = AnalyseName(*request, Clock()());
  if (!outcome.message.empty()) {
    ShowInformation(this, outcome.message);
    return;
  }
  surname_ = outcome.header->surname;
  given_ = outcome.header->given;
  RzMemo1->setPlainText(ToQStringList(outcome.lines).join(QLatin1Char('\n')));
  RzMemo1->moveCursor(QTextCursor::Start);
  if (!outcome.error.empty()) ShowErrorBox(this, ToQString(outcome.error));
}

void TFrmmain::dxBarButton2Click() { SaveReportAsText(this, RzMemo1, surname_ + given_); }

void TFrmmain::RzBitBtnprintClick() {
  // Nothing to print before the first analysis: no blank page.
  if (IsBlankReport(PaneLines(RzMemo1))) return;
  PrintReport(this, RzMemo1);
}

void TFrmmain::dxBarButton5Click() { close(); }

AnalysisHandOver HandOverFromWorkbench(const WorkbenchControls& c, const QString& given) {
  AnalysisHandOver h;
  h.surname = c.Xing->text().trimmed();
  h.sex = c.CBsex->currentText().trimmed();
  h.year = c.SYear->currentText();
  h.month = c.SMonth->currentText();
  h.day = c.Sday->currentText();
  h.hour = c.Shour->currentText();
  h.minute = c.CBFen->currentText();
  h.calendar_index = c.ComDate->currentIndex();
  h.given = given;
  return h;
}

void OpenNameAnalysis(QWidget* parent, const AnalysisHandOver& inputs) {
  TFrmmain window(parent);
  window.SetInputs(inputs);
  window.exec();
}

}  // namespace mirevo
