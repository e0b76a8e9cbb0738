#include "calendar/ui/calendar_window.h"

#include <QDialog>

namespace mirevo {

QDialog* CreateCalendarWindow(QWidget* parent) { return new QDialog(parent); }

}  // namespace mirevo
