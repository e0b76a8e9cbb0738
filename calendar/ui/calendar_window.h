// The month calendar window.
#pragma once

class QDialog;
class QWidget;

namespace mirevo {

// Creates a new calendar window (not yet shown).
QDialog* CreateCalendarWindow(QWidget* parent);

}  // namespace mirevo
