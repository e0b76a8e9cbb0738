#include "readings/core/note.h"

#include "data/core/refdb.h"

namespace mirevo {

const Gbk& DefaultNoteTitle() { return GBK("算命"); }

Note NoteOf(const Gbk& key) {
  const ResultSet r = RunOneShot(RefDb::KelBirth, Gbk::Ascii("select Tite,content from Noter where Cid = ") + SqlQuoted(key));
  if (r.Empty()) return {DefaultNoteTitle(), Gbk()};
  return {r.Text(0, "Tite").Trimmed(), r.Text(0, "content").Trimmed()};
}

}  // namespace mirevo
