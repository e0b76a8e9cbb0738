#include "calendar/ui/calendar_window.h"

#include "calendar/ui/calendar_form.h"

namespace mirevo {

QDialog* CreateCalendarWindow(QWidget* parent) { return new TFRM_Date(parent); }

}  // namespace mirevo
