// Fixed lines of the chart report.
#pragma once

#include "app/core/gbk.h"

namespace mirevo {

// <-----------------------批八字内容分隔线----------------------------->
inline const Gbk& ChartSeparatorLine() {
  return GBK("<-----------------------批八字内容分隔线----------------------------->");
}
// <-----------------------以上内容只作参考----------------------------->
inline const Gbk& ChartClosingLine() {
  return GBK("<-----------------------以上内容只作参考----------------------------->");
}

}  // namespace mirevo
