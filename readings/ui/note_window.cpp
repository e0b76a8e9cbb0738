#include "readings/ui/note_window.h"

namespace mirevo {

void ShowNote(const Gbk&) {}
void ShowNoteText(const QString&, const QString&) {}

}  // namespace mirevo
