// The note window: a plain reading window with print, page setup and close.
#pragma once

#include <QString>

#include "app/core/gbk.h"

namespace mirevo {

// Opens a new, non-modal note window on the note with this key (table Noter).
void ShowNote(const Gbk& key);
// Opens a new, non-modal note window showing `text` under `caption`.
void ShowNoteText(const QString& text, const QString& caption);

}  // namespace mirevo
