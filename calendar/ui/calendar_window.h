// The month calendar window.
#pragma once

class QDialog;
class QWidget;

namespace mirevo {

// Creates a new calendar window TFRM_Date (not yet shown). It only hides when it
// closes, also when it loses activation; the caller deletes it, as the main
// window does before opening the next one.
QDialog* CreateCalendarWindow(QWidget* parent);

}  // namespace mirevo
