// The one-shot text lookups of the chart tables in Tgcode.dll.
#pragma once

#include "app/core/gbk.h"

namespace mirevo {

// The first column of the first row of `sql` on Tgcode.dll, trimmed; empty when
// there is no row or the lookup fails (the chart prints an empty value then).
Gbk TgcodeText(const Gbk& sql);

}  // namespace mirevo
