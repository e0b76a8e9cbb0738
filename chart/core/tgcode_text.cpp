#include "chart/core/tgcode_text.h"

#include "data/core/refdb.h"

namespace mirevo {

Gbk TgcodeText(const Gbk& sql) {
  try {
    return RunOneShot(RefDb::Tgcode, sql).Text(0, 0).Trimmed();
  } catch (const DbError&) {
    return Gbk();
  }
}

}  // namespace mirevo
