#include "app/workbench/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWindow>
#include <filesystem>

#include "analysis/ui/analysis_window.h"
#include "app/ui/byte_limited_edit.h"
#include "app/ui/messages.h"
#include "app/ui/qtgbk.h"
#include "app/workbench/picture_button.h"
#include "calendar/ui/calendar_window.h"
#include "chart/ui/chart_action.h"
#include "naming/ui/naming_workbench.h"
#include "readings/ui/element_window.h"
#include "readings/ui/note_window.h"

namespace mirevo {
namespace {

std::function<void()>& ExitHook() {
  static std::function<void()> hook = [] { QCoreApplication::exit(0); };
  return hook;
}

const QColor kPaneBackground(250, 238, 216);
const QColor kPaneFrame(231, 107, 6);

QLabel* AddLabel(QWidget* parent, const QString& text, int x, int y, int w) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(x, y, w, 18);
  l->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
  return l;
}

QComboBox* AddCombo(QWidget* parent, const QStringList& items, const QString& start, bool editable, int visible,
                    int x, int y, int w) {
  auto* cb = new QComboBox(parent);
  cb->addItems(items);
  cb->setEditable(editable);
  cb->setMaxVisibleItems(visible);
  if (editable) {
    cb->setInsertPolicy(QComboBox::NoInsert);
    cb->setEditText(start);
    int i = cb->findText(start);
    if (i >= 0) cb->setCurrentIndex(i);
  } else {
    cb->setCurrentIndex(std::max(0, static_cast<int>(cb->findText(start))));
  }
  cb->setGeometry(x, y, w, 20);
  return cb;
}

QStringList Numbers(int from, int to, int width) {
  QStringList out;
  for (int i = from; i <= to; ++i) out << QString::number(i).rightJustified(width, QLatin1Char('0'));
  return out;
}

QFrame* FramedPanel(QWidget* parent, const QRect& inner) {
  auto* frame = new QFrame(parent);
  frame->setGeometry(inner.adjusted(-2, -2, 2, 2));
  frame->setStyleSheet(QStringLiteral("QFrame { border: 2px solid rgb(%1,%2,%3); background: rgb(%4,%5,%6); }")
                           .arg(kPaneFrame.red()).arg(kPaneFrame.green()).arg(kPaneFrame.blue())
                           .arg(kPaneBackground.red()).arg(kPaneBackground.green()).arg(kPaneBackground.blue()));
  return frame;
}

}  // namespace

void TFrmZiveda::SetExitHook(std::function<void()> hook) { ExitHook() = std::move(hook); }

TFrmZiveda::TFrmZiveda(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TFrmZiveda"));
  setWindowTitle(QStringLiteral("Mirevo"));
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setFixedSize(1000, 682);
  BuildControls();
  BuildPictureButtons();
  if (QScreen* screen = QGuiApplication::primaryScreen()) move(screen->availableGeometry().center() - rect().center());
  FormCreate();
}

TFrmZiveda::~TFrmZiveda() {
  if (naming_) naming_->Shutdown();
}

void TFrmZiveda::FormCreate() {
  db_ = std::make_unique<NamingDatabase>();
  if (!db_->connection.ok()) ShowErrorBox(this, ToQString(db_->connection.open_error()));
  naming_ = new NamingWorkbench(this, c_, *db_);
}

void TFrmZiveda::BuildControls() {
  const int row1 = 121, row2 = 146;
  int x = 8;
  auto next = [&](int w, int gap = 3) {
    int at = x;
    x += w + gap;
    return at;
  };
  AddLabel(this, QStringLiteral("姓氏"), next(26), row1, 26);
  c_.Xing = new QLineEdit(this);
  c_.Xing->setObjectName(QStringLiteral("Xing"));
  c_.Xing->setGeometry(next(52, 5), row1, 52, 20);
  AddLabel(this, QStringLiteral("性别"), next(26), row1, 26);
  c_.CBsex = AddCombo(this, {QStringLiteral("男"), QStringLiteral("女")}, QStringLiteral("男"), false, 10, next(42, 5), row1, 42);
  AddLabel(this, QStringLiteral("生日"), next(26), row1, 26);
  c_.ComDate = AddCombo(this, {QStringLiteral("公历"), QStringLiteral("农历")}, QStringLiteral("公历"), false, 10, next(50, 2), row1, 50);
  c_.SYear = AddCombo(this, Numbers(1900, 2040, 4), QStringLiteral("2010"), true, 20, next(54, 1), row1, 54);
  AddLabel(this, QStringLiteral("年"), next(14, 1), row1, 14);
  c_.SMonth = AddCombo(this, Numbers(1, 12, 2), QStringLiteral("01"), true, 12, next(40, 1), row1, 40);
  AddLabel(this, QStringLiteral("月"), next(14, 1), row1, 14);
  c_.Sday = AddCombo(this, Numbers(1, 31, 2), QStringLiteral("01"), true, 31, next(40, 1), row1, 40);
  AddLabel(this, QStringLiteral("日"), next(14, 1), row1, 14);
  QStringList hours;
  const char* branches[] = {"子", "丑", "丑", "寅", "寅", "卯", "卯", "辰", "辰", "巳", "巳", "午",
                            "午", "未", "未", "申", "申", "酉", "酉", "戌", "戌", "亥", "亥", "子"};
  for (int h = 0; h < 24; ++h) hours << QString::fromUtf8(branches[h]) + QLatin1Char(' ') + QString::number(h);
  c_.Shour = AddCombo(this, hours, QStringLiteral("子 0"), true, 24, next(56, 1), row1, 56);
  AddLabel(this, QStringLiteral("时"), next(14, 1), row1, 14);
  c_.CBFen = AddCombo(this, Numbers(0, 59, 2), QStringLiteral("01"), true, 30, next(40, 1), row1, 40);
  AddLabel(this, QStringLiteral("分"), next(14, 5), row1, 14);
  AddLabel(this, QStringLiteral("名字形式"), next(50), row1, 50);
  c_.CBXingshi = AddCombo(this, {QStringLiteral("双字名"), QStringLiteral("单字名")}, QStringLiteral("双字名"), false, 10,
                          next(64, 5), row1, 64);
  AddLabel(this, QStringLiteral("笔画方案"), next(50), row1, 50);
  c_.CBCode = AddCombo(this, {QStringLiteral("电脑全自动")}, QStringLiteral("电脑全自动"), false, 10, next(112, 6), row1, 112);
  c_.Button1 = new QPushButton(QStringLiteral("立即取名"), this);
  c_.Button1->setGeometry(next(64, 4), row1 - 1, 64, 22);
  c_.Button3 = new QPushButton(QStringLiteral("停止取名"), this);
  c_.Button3->setGeometry(next(64), row1 - 1, 64, 22);

  x = 12;
  c_.CBzhishukongz = new QCheckBox(this);
  c_.CBzhishukongz->setGeometry(next(15, 2), row2, 15, 18);
  c_.CBdijizi = AddCombo(this, {QStringLiteral("第二字"), QStringLiteral("第三字")}, QStringLiteral("第二字"), false, 10,
                         next(68), row2, 68);
  AddLabel(this, QStringLiteral("固定为"), next(38), row2, 38);
  c_.Gudingzi = new ByteLimitedEdit(2, this);
  c_.Gudingzi->setGeometry(next(32, 16), row2, 32, 20);
  c_.CBFeeXX = new QCheckBox(this);
  c_.CBFeeXX->setGeometry(next(15, 2), row2, 15, 18);
  AddLabel(this, QStringLiteral("只取"), next(26), row2, 26);
  c_.ZuidiFee = new QLineEdit(QStringLiteral("90"), this);
  c_.ZuidiFee->setGeometry(next(34), row2, 34, 20);
  AddLabel(this, QStringLiteral("分以上名字"), next(62, 16), row2, 62);
  c_.CBInitFee = new QCheckBox(this);
  c_.CBInitFee->setChecked(true);
  c_.CBInitFee->setGeometry(next(15, 2), row2, 15, 18);
  AddLabel(this, QStringLiteral("挑选"), next(26), row2, 26);
  c_.Sorcss = new QLineEdit(QStringLiteral("75"), this);
  c_.Sorcss->setGeometry(next(34), row2, 34, 20);
  AddLabel(this, QStringLiteral("分以上名字"), next(62, 20), row2, 62);
  auto* hint = AddLabel(this, QStringLiteral("双击高分列表查看详细分析"), next(170, 20), row2, 170);
  hint->setStyleSheet(QStringLiteral("color: navy; font-weight: bold;"));
  c_.Button6 = new QPushButton(QStringLiteral("复制高分"), this);
  c_.Button6->setGeometry(855, row2 - 3, 70, 22);
  c_.Button2 = new QPushButton(QStringLiteral("关闭"), this);
  c_.Button2->setGeometry(931, 143, 60, 22);

  // Hidden panes behind the all-names pane.
  c_.MemoSave = new QPlainTextEdit(this);
  c_.MemoSave->setGeometry(9, 195, 100, 50);
  c_.MemoSave->hide();
  c_.REbazi = new QTextEdit(this);
  c_.REbazi->setGeometry(9, 195, 100, 50);
  c_.REbazi->setReadOnly(true);
  c_.REbazi->hide();

  FramedPanel(this, QRect(9, 195, 788, 452));
  c_.MemoSuccess = new QPlainTextEdit(this);
  c_.MemoSuccess->setObjectName(QStringLiteral("MemoSuccess"));
  c_.MemoSuccess->setGeometry(9, 195, 788, 452);
  c_.MemoSuccess->setReadOnly(true);
  c_.MemoSuccess->setLineWrapMode(QPlainTextEdit::NoWrap);
  c_.MemoSuccess->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  c_.MemoSuccess->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  c_.MemoSuccess->setFrameShape(QFrame::NoFrame);
  c_.MemoSuccess->setStyleSheet(QStringLiteral("QPlainTextEdit { background: rgb(250,238,216); }"));

  auto* list_title = AddLabel(this, QStringLiteral("高分名字列表"), 811, 175, 179);
  list_title->setAlignment(Qt::AlignCenter);
  list_title->setStyleSheet(QStringLiteral("color: rgb(160,60,0); font-weight: bold;"));
  FramedPanel(this, QRect(811, 195, 179, 452));
  c_.ListBox1 = new QListView(this);
  c_.ListBox1->setObjectName(QStringLiteral("ListBox1"));
  c_.ListBox1->setGeometry(811, 195, 179, 452);
  c_.ListBox1->setUniformItemSizes(true);
  c_.ListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  c_.ListBox1->setFrameShape(QFrame::NoFrame);
  QFont list_font = font();
  list_font.setPixelSize(14);
  list_font.setBold(true);
  c_.ListBox1->setFont(list_font);
  c_.ListBox1->setStyleSheet(QStringLiteral("QListView { background: rgb(250,238,216); color: red; }"));

  c_.Progress = new QLabel(this);
  c_.Progress->setGeometry(12, 174, 600, 18);
  c_.Progress->setStyleSheet(QStringLiteral("color: rgb(120,60,0);"));

  // The element filter boxes lie below the visible area; nothing checks them.
  const QStringList elements = {QStringLiteral("金"), QStringLiteral("木"), QStringLiteral("水"), QStringLiteral("火"),
                                QStringLiteral("土")};
  AddLabel(this, QStringLiteral("五行包括"), 12, 1500, 50);
  QCheckBox** boxes[] = {&c_.CBjin, &c_.CBMu, &c_.CBshui, &c_.CBhuo, &c_.CBTu};
  for (int i = 0; i < 5; ++i) {
    *boxes[i] = new QCheckBox(elements[i], this);
    (*boxes[i])->setGeometry(70 + 40 * i, 1500, 38, 18);
  }

  connect(c_.Button2, &QPushButton::clicked, this, &TFrmZiveda::CloseDown);
}

void TFrmZiveda::BuildPictureButtons() {
  drag_strip_ = new QWidget(this);
  drag_strip_->setObjectName(QStringLiteral("Image3"));
  drag_strip_->setGeometry(0, 0, 952, 33);
  drag_strip_->installEventFilter(this);

  struct ButtonPlace {
    const char* name;
    QRect place;
    const char* glyph;
    const char* caption;
    const char* hint;
    QColor colour;
  };
  const ButtonPlace buttons[] = {
      {"Image4", {954, 2, 22, 30}, "_", "", "最小化", QColor(200, 120, 40)},
      {"Image5", {977, 2, 21, 30}, "×", "", "关闭", QColor(200, 60, 30)},
      {"Image2", {354, 39, 39, 67}, "八", "八字", "八字排盘：按出生时间排出四柱八字", QColor(190, 70, 40)},
      {"Image6", {405, 39, 39, 67}, "名", "分析", "姓名分析：五格、三才与综合评分", QColor(210, 110, 20)},
      {"Image7", {456, 39, 39, 67}, "五", "五行", "五行查询：查看汉字的五行", QColor(60, 140, 70)},
      {"Image8", {508, 39, 39, 67}, "指", "指南", "取名指南", QColor(70, 110, 170)},
      {"Image9", {559, 39, 39, 67}, "知", "知识", "姓名学与八字知识", QColor(120, 80, 160)},
      {"Image13", {763, 39, 39, 67}, "历", "日历", "万年历", QColor(200, 80, 110)},
      {"Image14", {815, 39, 39, 67}, "服", "服务", "人工起名服务", QColor(150, 110, 60)},
      {"Image16", {917, 39, 39, 67}, "退", "退出", "退出程序", QColor(120, 120, 120)},
  };
  for (const ButtonPlace& s : buttons) {
    auto* b = new PictureButton(QString::fromUtf8(s.glyph), QString::fromUtf8(s.caption), s.colour, this);
    b->setObjectName(QString::fromLatin1(s.name));
    b->setGeometry(s.place);
    b->setToolTip(QString::fromUtf8(s.hint));
  }
  connect(picture("Image4"), &PictureButton::clicked, this, &TFrmZiveda::MinimiseApplication);
  connect(picture("Image5"), &PictureButton::clicked, this, [this] { close(); });
  connect(picture("Image2"), &PictureButton::clicked, this, [this] { PrintChart(this, c_); });
  connect(picture("Image6"), &PictureButton::clicked, this, &TFrmZiveda::Image6Click);
  connect(picture("Image7"), &PictureButton::clicked, this, [this] { OpenElementLookup(this, db_->plan_query); });
  connect(picture("Image8"), &PictureButton::clicked, this, [] { ShowNote(Gbk::Ascii("XM016")); });
  connect(picture("Image9"), &PictureButton::clicked, this, [] { ShowNote(Gbk::Ascii("XM017")); });
  connect(picture("Image13"), &PictureButton::clicked, this, &TFrmZiveda::Image13Click);
  connect(picture("Image14"), &PictureButton::clicked, this, &TFrmZiveda::Image14Click);
  connect(picture("Image16"), &PictureButton::clicked, this, &TFrmZiveda::CloseDown);
}

PictureButton* TFrmZiveda::picture(const char* name) const {
  return findChild<PictureButton*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

void TFrmZiveda::Image6Click() { OpenNameAnalysis(this, HandOverFromWorkbench(c_)); }

void TFrmZiveda::Image13Click() {
  calendar_.reset(CreateCalendarWindow(this));
  calendar_->exec();
}

void TFrmZiveda::Image14Click() {
  service_info_ = std::make_unique<QDialog>(this);
  QDialog* d = service_info_.get();
  d->setWindowTitle(QStringLiteral("人工起名服务"));
  auto* layout = new QVBoxLayout(d);
  auto* text = new QLabel(
      QStringLiteral("人工起名服务\n\n"
                     "程序给出的名字与评分只是参考。若您希望请人帮忙斟酌名字，"
                     "可以把孩子的姓氏、性别、出生时间以及家里对名字的期望整理好，"
                     "请熟悉汉字与传统文化的亲友或专业人士一起推敲。\n\n"
                     "好名字除了笔画与五行，更要字义美好、读音响亮、书写方便，"
                     "并与家人的心意相合。"),
      d);
  text->setWordWrap(true);
  layout->addWidget(text);
  auto* ok = new QPushButton(QStringLiteral("确定"), d);
  layout->addWidget(ok, 0, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, d, &QDialog::accept);
  d->resize(360, 220);
  d->exec();
}

void TFrmZiveda::MinimiseApplication() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) w->showMinimized();
}

void TFrmZiveda::CloseDown() {
  if (closed_down_) return;
  closed_down_ = true;
  if (naming_) naming_->Shutdown();
  if (db_) {
    db_->run_query.Close();
    db_->plan_query.Close();
    db_.reset();
  }
  std::error_code ec;
  std::filesystem::remove(DataFolder() / "Dazezed.ldb", ec);
  ExitHook()();
}

void TFrmZiveda::closeEvent(QCloseEvent* event) {
  CloseDown();
  event->accept();
}

bool TFrmZiveda::eventFilter(QObject* watched, QEvent* event) {
  if (watched == drag_strip_) {
    if (event->type() == QEvent::MouseButtonPress) {
      auto* me = static_cast<QMouseEvent*>(event);
      // Let the window manager move the window; where it cannot, move it here.
      if (windowHandle() && windowHandle()->startSystemMove()) return true;
      dragging_ = true;
      drag_offset_ = me->globalPosition().toPoint() - frameGeometry().topLeft();
      return true;
    }
    if (event->type() == QEvent::MouseMove && dragging_) {
      move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - drag_offset_);
      return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
      dragging_ = false;
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TFrmZiveda::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QLinearGradient g(0, 0, 0, height());
  g.setColorAt(0, QColor(252, 226, 190));
  g.setColorAt(0.16, QColor(253, 240, 220));
  g.setColorAt(1, QColor(246, 228, 200));
  p.fillRect(rect(), g);
  QLinearGradient top(0, 0, width(), 0);
  top.setColorAt(0, QColor(200, 70, 20));
  top.setColorAt(1, QColor(235, 140, 40));
  p.fillRect(QRect(0, 0, width(), 33), top);
  p.setPen(Qt::white);
  QFont f = font();
  f.setPixelSize(14);
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRect(12, 0, 400, 33), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Mirevo  宝宝取名"));
  f.setPixelSize(30);
  p.setFont(f);
  p.setPen(QColor(170, 60, 10));
  p.drawText(QRect(24, 44, 320, 44), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("宝宝取名工作台"));
  f.setPixelSize(12);
  f.setBold(false);
  p.setFont(f);
  p.setPen(QColor(120, 70, 30));
  p.drawText(QRect(26, 88, 320, 20), Qt::AlignVCenter | Qt::AlignLeft,
             QStringLiteral("五格 · 三才 · 八十一数理 · 生辰八字 · 农历"));
  p.setPen(QPen(QColor(231, 107, 6), 1));
  p.drawLine(8, 112, width() - 8, 112);
  p.drawLine(8, 170, width() - 8, 170);
}

}  // namespace mirevo
