#include "chart/core/jie.h"

#include <array>
#include <cmath>

#include "calendar/core/solar_terms.h"
#include "data/core/refdb.h"

namespace mirevo {
namespace {

constexpr int kJieSearchDays = 32;

// The 节 are the even terms of the solar-term numbering: 小寒 (0), 立春 (2) … 大雪 (22).
const std::array<Gbk, 12>& JieNames() {
  static const std::array<Gbk, 12> names = [] {
    std::array<Gbk, 12> n;
    for (int k = 0; k < 12; ++k) n[k] = SolarTermName(2 * k);
    return n;
  }();
  return names;
}

// A date-time to whole seconds, so that two texts of the same minute compare equal
// whatever rounding the day fractions carry.
long long Seconds(DateValue value) { return std::llround(value * 86400.0); }

}  // namespace

bool IsJieName(const Gbk& name) {
  for (const Gbk& jie : JieNames())
    if (name == jie) return true;
  return false;
}

std::optional<int> DaysToJie(DateValue date, bool later) {
  const double day = std::floor(date);
  for (int j = 1; j <= kJieSearchDays; ++j)
    if (IsJieName(SolarTermOn(later ? day + j : day - j).Trimmed())) return j;
  return std::nullopt;
}

bool IsBeforeJieMoment(int year, DateValue moment) {
  Gbk names;
  for (const Gbk& jie : JieNames()) names += (names.empty() ? Gbk() : Gbk::Ascii(",")) + SqlQuoted(jie);
  const Gbk sql = Gbk::Ascii("select SJ from JQ where YearA = " + std::to_string(year) + "  and JQ in (") + names +
                  Gbk::Ascii(") and strftime('%Y-%m-%d', SJ) = ") + SqlQuoted(Gbk(FormatShortDate(moment))) +
                  Gbk::Ascii(" limit 1");
  try {
    const ResultSet r = RunOneShot(RefDb::Tgcode, sql);
    if (r.RowCount() != 1) return false;
    const std::optional<DateValue> term = ParseDateTime(r.Text(0, 0).Trimmed().bytes());
    return term && Seconds(*term) > Seconds(moment);
  } catch (const DbError&) {
    return false;
  }
}

}  // namespace mirevo
