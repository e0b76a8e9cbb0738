#include "readings/ui/element_window.h"

namespace mirevo {

void OpenElementLookup(QWidget*, Query&) {}

}  // namespace mirevo
