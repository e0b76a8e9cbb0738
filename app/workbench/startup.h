#pragma once

class QApplication;

namespace mirevo {

// Application title, fonts (宋体 maps to an installed CJK font) and the date and
// time formats. The program's date and time texts always follow its own five
// formats (see app/core/datetime.h); no operating-system setting is written.
void StartUp(QApplication& app);

}  // namespace mirevo
