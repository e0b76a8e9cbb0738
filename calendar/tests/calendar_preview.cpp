// Shows the calendar window alone: calendar_preview [YYYY-MM-DD]
// (the date stands in for today).
#include <QApplication>

#include "calendar/ui/calendar_form.h"

namespace {
mirevo::CivilDate g_today;
mirevo::CivilDate FixedToday() { return g_today; }
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc > 1) {
    if (auto date = mirevo::ParseShortDate(argv[1])) {
      g_today = mirevo::DecodeDate(*date);
      mirevo::TFRM_Date::SetTodayHook(&FixedToday);
    }
  }
  mirevo::TFRM_Date window;
  window.exec();
  return 0;
}
