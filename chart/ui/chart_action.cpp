#include "chart/ui/chart_action.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTextEdit>

#include "app/ui/messages.h"
#include "app/ui/qtgbk.h"
#include "chart/core/chart_report.h"
#include "readings/ui/note_window.h"

namespace mirevo {
namespace {

// The workbench's inputs as GBK; std::nullopt (after the message) when one holds
// a character GBK cannot hold.
std::optional<ChartRequest> ReadRequest(QWidget* window, const WorkbenchControls& c) {
  ChartRequest r;
  struct {
    QString text;
    Gbk* into;
  } fields[] = {{c.Xing->text(), &r.surname},          {c.SYear->currentText(), &r.birth.year},
                {c.SMonth->currentText(), &r.birth.month}, {c.Sday->currentText(), &r.birth.day},
                {c.Shour->currentText(), &r.birth.hour_item}, {c.CBFen->currentText(), &r.birth.minute},
                {c.CBsex->currentText(), &r.birth.sex}};
  for (auto& f : fields) {
    std::optional<Gbk> g = UserTextToGbk(window, f.text);
    if (!g) return std::nullopt;
    *f.into = std::move(*g);
  }
  r.birth.calendar_index = c.ComDate->currentIndex() == 0 ? 0 : 1;
  return r;
}

}  // namespace

void PrintChart(QWidget* window, WorkbenchControls& controls) {
  const std::optional<ChartRequest> request = ReadRequest(window, controls);
  if (!request) return;
  const ChartReport report = PrintChart(*request, Today());
  switch (report.outcome) {
    case ChartReport::kRefused:
      ShowInformation(window, report.message);
      if (report.focus_surname) controls.Xing->setFocus();
      return;
    case ChartReport::kConversionError:
      ShowErrorBox(window, ToQString(report.message));
      return;
    case ChartReport::kCutShort:
    case ChartReport::kComplete:
      break;
  }
  controls.REbazi->setPlainText(ToQStringList(report.lines).join(QLatin1Char('\n')));
  if (report.outcome == ChartReport::kComplete)
    ShowNoteText(controls.REbazi->toPlainText(), ToQString(ChartNoteCaption()));
}

}  // namespace mirevo
