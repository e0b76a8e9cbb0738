#include "calendar/ui/calendar_form.h"

#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <algorithm>

#include "app/ui/qtgbk.h"
#include "calendar/ui/calendar_widgets.h"

namespace mirevo {
namespace {

TFRM_Date::TodayFn g_today = nullptr;

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

// The first cell pair; each next cell lies 42 pixels to the right, each next row
// of seven 32 pixels lower.
constexpr QRect kDayTemplate(14, 56, 36, 16);
constexpr QRect kLunarTemplate(13, 73, 36, 12);
constexpr int kCellStepX = 42;
constexpr int kCellStepY = 32;
constexpr QSize kMarkerSize(38, 30);

const QColor kMarkerColour(0x7E, 0xE2, 0x81);

QFont Font(const QStringList& families, int pixels, int weight = QFont::Normal) {
  QFont f;
  f.setFamilies(families);
  f.setPixelSize(pixels);
  f.setWeight(static_cast<QFont::Weight>(weight));
  return f;
}

// The window's typefaces, with the fonts most systems have behind them.
QFont Arial(int pixels, int weight = QFont::Normal) {
  return Font({"Arial", "Liberation Sans", "DejaVu Sans"}, pixels, weight);
}
QFont ArialBlack(int pixels) { return Font({"Arial Black", "Arial", "Liberation Sans", "DejaVu Sans"}, pixels, QFont::Black); }
QFont SongTi(int pixels) { return Font({"SimSun", "宋体", "Noto Sans CJK SC", "WenQuanYi Zen Hei"}, pixels); }
QFont HeiTi(int pixels, int weight) { return Font({"SimHei", "黑体", "Noto Sans CJK SC", "WenQuanYi Zen Hei"}, pixels, weight); }
QFont LiShu(int pixels, int weight) { return Font({"LiSu", "隶书", "Noto Serif CJK SC", "AR PL UKai CN"}, pixels, weight); }

void SetColour(QWidget* w, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, colour);
  w->setPalette(p);
}

CivilDate TodayInRange() {
  CivilDate today = g_today ? g_today() : Today();
  // The calendar reaches 1901–2050 only; another year shows the nearest of them.
  today.year = std::clamp(today.year, kFirstYear, kLastYear);
  today.day = std::min(today.day, DaysInMonth(today.year, today.month));
  return today;
}

QRect CellRect(const QRect& first, int cell) {
  const int index = cell - 1;
  return first.translated(index % 7 * kCellStepX, index / 7 * kCellStepY);
}

}  // namespace

void TFRM_Date::SetTodayHook(TodayFn today) { g_today = today; }

QColor TFRM_Date::ColourOf(CellKind kind) {
  switch (kind) {
    case CellKind::kMonth:
      return QColor(0xFF, 0x00, 0x00);
    case CellKind::kFestival:
      return QColor(0xFF, 0x80, 0x00);
    case CellKind::kTerm:
      return QColor(0x53, 0x53, 0xFF);
    case CellKind::kDay:
      break;
  }
  return QColor(0x00, 0x40, 0x00);
}

TFRM_Date::TFRM_Date(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  FormCreate();
}

void TFRM_Date::FormCreate() {
  setObjectName(QStringLiteral("FRM_Date"));
  setWindowTitle(QStringLiteral("Tovan日历"));
  setFixedSize(339, 319);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
  setAutoFillBackground(true);

  // Painted bottom to top: the pale year and month, the marker, then the rest.
  c_.Label16 = new QLabel(this);
  c_.Label16->setObjectName(QStringLiteral("Label16"));
  c_.Label16->setFont(ArialBlack(120));
  SetColour(c_.Label16, QColor(0xEB, 0xEB, 0xEB));
  c_.Label16->setAlignment(Qt::AlignCenter);
  c_.Label16->setGeometry(14, 50, 294, 150);

  c_.Label20 = new QLabel(this);
  c_.Label20->setObjectName(QStringLiteral("Label20"));
  c_.Label20->setFont(ArialBlack(64));
  SetColour(c_.Label20, QColor(0xFF, 0xE8, 0xDD));
  c_.Label20->setAlignment(Qt::AlignCenter);
  c_.Label20->setGeometry(14, 160, 294, 86);

  c_.Shape2 = new QWidget(this);
  c_.Shape2->setObjectName(QStringLiteral("Shape2"));
  c_.Shape2->setAutoFillBackground(true);
  QPalette marker = c_.Shape2->palette();
  marker.setColor(QPalette::Window, kMarkerColour);
  c_.Shape2->setPalette(marker);
  c_.Shape2->resize(kMarkerSize);

  BuildCaptions();
  BuildHeadings();
  BuildCells();
  current_ = TodayInRange();
}

void TFRM_Date::BuildCaptions() {
  const QColor blue_grey(0x48, 0x60, 0x90);
  auto caption = [this](const char* name, const QRect& place, const QFont& font, const QColor& colour,
                        const QString& text) {
    auto* l = new ClickLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(place);
    l->setFont(font);
    SetColour(l, colour);
    l->setText(text);
    return l;
  };
  c_.Label17 = caption("Label17", {10, 2, 44, 38}, Arial(32, QFont::Bold), blue_grey, QString());
  c_.Label17->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  c_.Label18 = caption("Label18", {55, 14, 18, 20}, SongTi(16), blue_grey, QStringLiteral("月"));
  c_.UpDown2 = new UpDown(1, 12, this);
  c_.UpDown2->setObjectName(QStringLiteral("UpDown2"));
  c_.UpDown2->setGeometry(75, 7, 16, 30);

  c_.Label1 = caption("Label1", {104, 2, 92, 38}, ArialBlack(29), QColor(0x00, 0x00, 0xFF), QString());
  c_.Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  c_.Label19 = caption("Label19", {197, 14, 18, 20}, SongTi(16), QColor(0x00, 0x00, 0xFF), QStringLiteral("年"));
  c_.UpDown1 = new UpDown(kFirstYear, kLastYear, this);
  c_.UpDown1->setObjectName(QStringLiteral("UpDown1"));
  c_.UpDown1->setGeometry(217, 7, 16, 30);

  for (ClickLabel* l : {c_.Label17, c_.Label18}) {
    l->setToolTip(QStringLiteral("单击改变月份"));
    l->setCursor(Qt::PointingHandCursor);
    connect(l, &ClickLabel::clicked, this, &TFRM_Date::Label17Click);
  }
  for (ClickLabel* l : {c_.Label1, c_.Label19}) {
    l->setToolTip(QStringLiteral("单击改变年份"));
    l->setCursor(Qt::PointingHandCursor);
    connect(l, &ClickLabel::clicked, this, &TFRM_Date::Label1Click);
  }
  connect(c_.UpDown1, &UpDown::clicked, this, &TFRM_Date::UpDown1Click);
  connect(c_.UpDown2, &UpDown::clicked, this, &TFRM_Date::UpDown2Click);

  c_.StaticText1 = caption("StaticText1", {262, 11, 52, 22}, SongTi(12), Qt::black, QStringLiteral("今天"));
  c_.StaticText1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  c_.StaticText1->setLineWidth(1);
  c_.StaticText1->setAlignment(Qt::AlignCenter);
  c_.StaticText1->setCursor(Qt::PointingHandCursor);
  connect(c_.StaticText1, &ClickLabel::clicked, this, &TFRM_Date::StaticText1Click);

  c_.Label21 = new QLabel(this);
  c_.Label21->setObjectName(QStringLiteral("Label21"));
  c_.Label21->setFont(LiShu(35, QFont::Bold));
  SetColour(c_.Label21, QColor(0xDD, 0xDD, 0xFF));
  c_.Label21->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  c_.Label21->setGeometry(128, 268, 96, 44);

  c_.Label22 = new QLabel(this);
  c_.Label22->setObjectName(QStringLiteral("Label22"));
  c_.Label22->setFont(HeiTi(19, QFont::Bold));
  SetColour(c_.Label22, QColor(0xFF, 0x80, 0xFF));
  c_.Label22->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  c_.Label22->setGeometry(230, 278, 90, 26);
}

void TFRM_Date::BuildHeadings() {
  static const char* const kNames[7] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
  const int top = kDayTemplate.top() - 16;
  const int bottom = kLunarTemplate.top() + 5 * kCellStepY + kLunarTemplate.height() + 5;
  for (int i = 0; i < 7; ++i) {
    const bool weekend = i == 0 || i == 6;
    for (int row = 0; row < 2; ++row) {
      auto* l = new QLabel(QString::fromUtf8(kNames[i]), this);
      l->setObjectName(QStringLiteral("Label%1").arg(row == 0 ? 2 + i : 9 + i));
      l->setFont(SongTi(12));
      SetColour(l, weekend ? QColor(0xFF, 0x00, 0x00) : QColor(Qt::black));
      l->setAlignment(Qt::AlignCenter);
      l->setGeometry(kDayTemplate.left() - 3 + i * kCellStepX, row == 0 ? top : bottom, 42, 14);
      (row == 0 ? c_.top_headings : c_.bottom_headings)[static_cast<std::size_t>(i)] = l;
    }
  }
}

void TFRM_Date::BuildCells() {
  c_.day1 = new QLabel(this);
  c_.day1->setObjectName(QStringLiteral("day1"));
  c_.day1->setGeometry(kDayTemplate);
  c_.day1->setFont(ArialBlack(14));
  c_.day1->hide();
  c_.Cnday = new QLabel(this);
  c_.Cnday->setObjectName(QStringLiteral("Cnday"));
  c_.Cnday->setGeometry(kLunarTemplate);
  c_.Cnday->setFont(SongTi(12));
  SetColour(c_.Cnday, ColourOf(CellKind::kDay));
  c_.Cnday->hide();

  for (int cell = 1; cell <= kCalendarCellCount; ++cell) {
    CalendarCellLabels& pair = c_.cells[static_cast<std::size_t>(cell - 1)];
    pair.day = new ClickLabel(this);
    pair.day->setObjectName(QStringLiteral("CnDay%1").arg(cell));
    pair.day->setGeometry(CellRect(c_.day1->geometry(), cell));
    pair.day->setFont(c_.day1->font());
    pair.lunar = new ClickLabel(this);
    pair.lunar->setObjectName(QStringLiteral("ChnDate%1").arg(cell));
    pair.lunar->setGeometry(CellRect(c_.Cnday->geometry(), cell));
    pair.lunar->setFont(c_.Cnday->font());
    for (ClickLabel* l : {pair.day, pair.lunar}) {
      l->setAlignment(Qt::AlignCenter);
      l->hide();
      connect(l, &ClickLabel::pressed, this, [this, cell] { CnDayMouseDown(cell); });
      connect(l, &ClickLabel::clicked, this, [this, cell] { CnDayClick(cell); });
    }
  }
}

void TFRM_Date::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Centred on the desktop, not on the main window.
  if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(s->availableGeometry().center());
    move(frame.topLeft());
  }
  FormShow();
}

void TFRM_Date::FormShow() {
  shown_year_ = current_.year;
  shown_month_ = current_.month;
  selected_day_ = current_.day;
  c_.UpDown1->setPosition(shown_year_);
  c_.UpDown2->setPosition(shown_month_);
  Render(shown_year_, shown_month_, selected_day_);
}

void TFRM_Date::Label1Click() {
  c_.UpDown1->show();
  c_.UpDown2->hide();
}

void TFRM_Date::Label17Click() {
  c_.UpDown2->show();
  c_.UpDown1->hide();
}

void TFRM_Date::UpDown1Click() {
  shown_year_ = c_.UpDown1->position();
  Render(shown_year_, shown_month_, selected_day_);
}

void TFRM_Date::UpDown2Click() {
  shown_month_ = c_.UpDown2->position();
  Render(shown_year_, shown_month_, selected_day_);
}

void TFRM_Date::CnDayClick(int cell) {
  const int day = cell_days_[static_cast<std::size_t>(cell - 1)];
  if (day == 0) return;
  selected_day_ = day;
  current_ = CivilDate{shown_year_, shown_month_, day};
}

void TFRM_Date::CnDayMouseDown(int cell) {
  if (cell_days_[static_cast<std::size_t>(cell - 1)] != 0) MoveMarkerTo(cell);
}

void TFRM_Date::StaticText1Click() {
  current_ = TodayInRange();
  FormShow();
}

void TFRM_Date::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  if (isActiveWindow())
    was_active_ = true;
  else if (was_active_)
    FormDeactivate();
}

void TFRM_Date::FormDeactivate() { close(); }

void TFRM_Date::Render(int year, int month, int day) {
  const CalendarMonthView view = RenderCalendarMonth(year, month, day);
  c_.Label1->setText(QString::number(year));
  c_.Label20->setText(QString::number(year));
  c_.Label17->setText(QString::number(month));
  c_.Label16->setText(QString::number(month));
  c_.Label21->setText(ToQString(view.label));

  for (int cell = 1; cell <= kCalendarCellCount; ++cell) {
    const CalendarCellLabels& pair = c_.cells[static_cast<std::size_t>(cell - 1)];
    const CalendarCell& shown = view.cells[static_cast<std::size_t>(cell - 1)];
    cell_days_[static_cast<std::size_t>(cell - 1)] = shown.day;
    SetColour(pair.day, Qt::black);
    SetColour(pair.lunar, ColourOf(CellKind::kDay));
    pair.day->setVisible(shown.day != 0);
    pair.lunar->setVisible(shown.day != 0);
    if (shown.day == 0) continue;
    pair.day->setText(QString::number(shown.day));
    pair.lunar->setText(ToQString(shown.lunar_line));
    SetColour(pair.lunar, ColourOf(shown.kind));
  }
  MoveMarkerTo(view.selected_cell);
  c_.Label22->setText(ToQString(view.constellation));
}

void TFRM_Date::MoveMarkerTo(int cell) {
  const QLabel* day = c_.cells[static_cast<std::size_t>(cell - 1)].day;
  c_.Shape2->move(day->x() - 1, day->y() + 1);
}

}  // namespace mirevo
