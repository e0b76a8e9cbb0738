// The stored reading texts of the note window (table Noter of KelBirth.dll).
#pragma once

#include "app/core/gbk.h"

namespace mirevo {

struct Note {
  Gbk title;    // the window caption
  Gbk content;  // the text, one line of the pane (it may hold line breaks)
};

// The caption of a note window without a stored title: 算命
const Gbk& DefaultNoteTitle();

// The note with key `key` (column Cid), title and text trimmed; a key without a
// row gives an empty text under DefaultNoteTitle(). A note that cannot be read
// (file or table missing) throws DbError.
Note NoteOf(const Gbk& key);

}  // namespace mirevo
